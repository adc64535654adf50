// The award certificates: one per quiz, alike but for the subject line. Each is
// both the picture an award screen shows when it comes up and the file that its
// "Print Award" button reads and prints, so the child gets what it was shown.
#include "artwork.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace sprout::art {

namespace {

constexpr int kWidth = 505;
constexpr int kHeight = 344;

const QColor kFrame(28, 84, 196);
const QColor kFrameLight(92, 150, 232);
const QColor kCard(222, 236, 255);
const QColor kInk(22, 44, 120);
const QColor kSoftInk(60, 84, 150);
// The sun is the one yellow thing on the page: a printed page shows by it which
// way up the certificate came out.
const QColor kSun(252, 214, 36);
const QColor kSunEdge(236, 150, 20);
const QColor kSunFace(150, 80, 10);

void drawSun(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(QPen(kSun, 5, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 12; ++ray) {
        const qreal angle = 2 * M_PI * ray / 12 + M_PI / 12;
        const QPointF direction(std::cos(angle), std::sin(angle));
        p.drawLine(centre + direction * (radius + 6), centre + direction * (radius + 15));
    }
    p.setPen(QPen(kSunEdge, 2));
    p.setBrush(kSun);
    p.drawEllipse(centre, radius, radius);
    // A smile, so that the sun is pleased with the child too.
    p.setPen(Qt::NoPen);
    p.setBrush(kSunFace);
    p.drawEllipse(centre + QPointF(-8, -6), 3, 3.6);
    p.drawEllipse(centre + QPointF(8, -6), 3, 3.6);
    p.setPen(QPen(kSunFace, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre + QPointF(-11, -4), QSizeF(22, 16)), 200 * 16, 140 * 16);
    p.restore();
}

// A little five-pointed star for the corners of the card.
void drawStar(QPainter& p, QPointF centre, qreal radius, QColor colour)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + M_PI * i / 5;
        const qreal r = i % 2 ? radius * 0.45 : radius;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    p.setPen(QPen(colour.darker(130), 1.2));
    p.setBrush(colour);
    p.drawPolygon(star);
}

QFont font(const char* family, int pixels, bool bold)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

// Writes a line centred in its area, shrinking the font until it fits.
void drawLine(QPainter& p, const QRectF& area, const QString& text, QFont f, QColor colour)
{
    while (f.pixelSize() > 9 && QFontMetricsF(f).horizontalAdvance(text) > area.width())
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(colour);
    drawText(p, area, Qt::AlignCenter, text);
}

QImage certificate(const QString& subjectLine)
{
    QImage image = canvas(kWidth, kHeight, kFrame);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The blue frame runs to the very edge; a lighter band and the card inside it.
    p.setPen(Qt::NoPen);
    p.setBrush(kFrameLight);
    p.drawRoundedRect(QRectF(9, 9, kWidth - 18, kHeight - 18), 12, 12);
    p.setBrush(kCard);
    p.drawRoundedRect(QRectF(15, 15, kWidth - 30, kHeight - 30), 10, 10);
    p.setPen(QPen(kFrameLight, 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(22, 22, kWidth - 44, kHeight - 44), 8, 8);

    drawSun(p, QPointF(kWidth - 64, 62), 24);
    drawStar(p, QPointF(48, 50), 13, QColor(255, 120, 170));
    drawStar(p, QPointF(76, 34), 8, QColor(120, 200, 110));
    drawStar(p, QPointF(44, kHeight - 46), 10, QColor(160, 120, 235));
    drawStar(p, QPointF(70, kHeight - 34), 7, QColor(255, 150, 60));

    drawLine(p, QRectF(60, 34, kWidth - 170, 60), QStringLiteral("Good Job Award"),
             font("Cabin", 44, true), kInk);
    // A ribbon of colour under the title, like the underline of a good word.
    const qreal ribbonTop = 98;
    const QColor ribbon[] = {QColor(240, 90, 90), QColor(255, 150, 60), QColor(110, 190, 100),
                             QColor(80, 150, 235), QColor(170, 110, 220)};
    const qreal ribbonLeft = 120, ribbonWidth = kWidth - 240;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(ribbon[i]);
        p.drawRoundedRect(QRectF(ribbonLeft + i * ribbonWidth / 5, ribbonTop, ribbonWidth / 5 - 3, 6),
                          3, 3);
    }

    drawLine(p, QRectF(40, 122, kWidth - 80, 30), QStringLiteral("This certificate is award to"),
             font("Liberation Sans", 21, false), kSoftInk);
    // The blank line on which a parent writes the child's name.
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(100, 200), QPointF(kWidth - 100, 200));

    drawLine(p, QRectF(34, 222, kWidth - 68, 34), subjectLine,
             font("Liberation Sans", 19, true), kInk);

    p.setFont(font("Cabin", 12, false));
    p.setPen(kSoftInk);
    drawText(p, QRectF(0, 0, kWidth - 30, kHeight - 27), Qt::AlignRight | Qt::AlignBottom,
             QStringLiteral("Tallowmere"));
    return image;
}

struct Award {
    const char* builtIn;  // the picture the award screen shows when it comes up
    const char* file;     // the file its "Print Award" reads
    const char* subject;
};

constexpr Award kAwards[] = {
    {"certificate-color", "coloraward", "For doing an excellent job in identifying colors."},
    {"certificate-shape", "shapesaward", "For doing an excellent job in identifying shapes."},
    {"certificate-word", "wordsaward", "For doing an excellent job in spelling."},
    {"certificate-math", "mathaward", "For doing an excellent job in math."},
};

} // namespace

std::vector<Artwork> awardPictures(const QString& only)
{
    std::vector<Artwork> pictures;
    for (const Award& award : kAwards)
        if (only.isEmpty() || only == QLatin1String(award.builtIn))
            pictures.push_back({QString::fromLatin1(award.builtIn),
                            certificate(QString::fromLatin1(award.subject))});
    return pictures;
}

std::vector<Artwork> awardPictureFiles()
{
    std::vector<Artwork> files;
    for (const Award& award : kAwards)
        files.push_back({QString::fromLatin1(award.file),
                         certificate(QString::fromLatin1(award.subject))});
    return files;
}

} // namespace sprout::art
