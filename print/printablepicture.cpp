#include "printablepicture.h"

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

PrintablePicture::PrintablePicture(const QImage& image, int widthHimetric, int heightHimetric)
    : m_image(image)
    , m_width(widthHimetric)
    , m_height(heightHimetric)
{
}

PrintablePicture PrintablePicture::fromImage(const QImage& image)
{
    return PrintablePicture(image, pixelsToHimetric(image.width()), pixelsToHimetric(image.height()));
}

} // namespace sprout
