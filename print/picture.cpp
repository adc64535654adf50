#include "picture.h"

#include <QtMath>

namespace sprout {

namespace {
constexpr double kHimetricPerInch = 2540.0;
constexpr double kScreenPixelsPerInch = 96.0;

int pixelsToHimetric(int pixels)
{
    return qRound(pixels * kHimetricPerInch / kScreenPixelsPerInch);
}
} // namespace

Picture::Picture(const QImage& image, int widthHimetric, int heightHimetric)
    : m_image(image)
    , m_width(widthHimetric)
    , m_height(heightHimetric)
{
}

Picture Picture::fromImage(const QImage& image)
{
    return Picture(image, pixelsToHimetric(image.width()), pixelsToHimetric(image.height()));
}

} // namespace sprout
