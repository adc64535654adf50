#pragma once

#include <QImage>
#include <QPainter>

// A stand-in for an award certificate: a pale card in a blue frame with a yellow
// sun in the top right corner, which shows how the page was turned.
inline QImage testCertificate(int width = 505, int height = 344)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(20, 60, 190));
    QPainter painter(&image);
    painter.fillRect(image.rect().adjusted(12, 12, -12, -12), QColor(205, 225, 250));
    const int sun = qMin(width, height) / 5;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 210, 30));
    painter.drawEllipse(width - 24 - sun, 24, sun, sun);
    return image;
}
