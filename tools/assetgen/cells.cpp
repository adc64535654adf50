// The five pictures of the Tic-Tac-Toe cells: black X, black O, red X, red O, blank.
#include "artwork.h"

#include <QPainter>
#include <functional>

namespace sprout::art {

namespace {

constexpr int kSize = 32;
const QColor kGround(187, 187, 187);
const QColor kBlank(185, 185, 187);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
constexpr int kStroke = 4;
constexpr int kMargin = 6;

// Strokes are drawn without antialiasing: the marks must keep their pure colours,
// so that a winning line reads as red and nothing else.
QPainter& markPainter(QPainter& p, QColor colour)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, kStroke, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    return p;
}

QImage cross(QColor colour)
{
    QImage image = canvas(kSize, kSize, kGround);
    QPainter p(&image);
    markPainter(p, colour);
    const int low = kMargin;
    const int high = kSize - 1 - kMargin;
    p.drawLine(low, low, high, high);
    p.drawLine(low, high, high, low);
    return image;
}

QImage nought(QColor colour)
{
    QImage image = canvas(kSize, kSize, kGround);
    QPainter p(&image);
    markPainter(p, colour);
    const int side = kSize - 2 * kMargin;
    p.drawEllipse(QRect(kMargin, kMargin, side, side));
    return image;
}

} // namespace

std::vector<Artwork> cellPictures(const QString& only)
{
    const std::pair<const char*, std::function<QImage()>> cells[] = {
        {"cell1", [] { return cross(kBlack); }},
        {"cell2", [] { return nought(kBlack); }},
        {"cell3", [] { return cross(kRed); }},
        {"cell4", [] { return nought(kRed); }},
        {"cell5", [] { return canvas(kSize, kSize, kBlank); }},
    };
    std::vector<Artwork> drawn;
    for (const auto& [name, draw] : cells)
        if (only.isEmpty() || only == QLatin1String(name))
            drawn.push_back({name, draw()});
    return drawn;
}

} // namespace sprout::art
