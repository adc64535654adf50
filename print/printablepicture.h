#pragma once

#include <QImage>

namespace sprout {

// A picture as the printer sees it: the image to draw and its size in
// HIMETRIC (hundredths of a millimetre), in whole numbers.
class PrintablePicture {
public:
    PrintablePicture(const QImage& image, int widthHimetric, int heightHimetric);

    // Sizes a bitmap the way the screens show it: one pixel is 1/96 inch.
    static PrintablePicture fromImage(const QImage& image);

    const QImage& image() const { return m_image; }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    QImage m_image;
    int m_width;
    int m_height;
};

} // namespace sprout
