// The classroom: the board behind the menus, games and quizzes, the cover with
// Mr. Pim greeting the child, the lesson backdrop and the program icon.
#include "artwork.h"
#include "largeletters.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <QRadialGradient>
#include <QLinearGradient>

namespace sprout::art {

namespace {

constexpr int kWidth = 586;
constexpr int kHeight = 368;
// The chalkboard spans the area where the screens write their light texts; the
// cream wall strip below it carries the one dark blue link of the spelling quiz.
constexpr QRectF kChalkboard(14, 12, 558, 306);
constexpr int kTrayTop = 318;

const QColor kWall(250, 236, 200);
const QColor kWood(150, 96, 52);
const QColor kWoodDark(110, 68, 36);
const QColor kSlate(32, 72, 52);
const QColor kOutline(60, 40, 30);

void drawWall(QPainter& p)
{
    QLinearGradient wall(0, 0, 0, kHeight);
    wall.setColorAt(0, kWall);
    wall.setColorAt(1, QColor(240, 220, 176));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), wall);
}

void drawChalkboard(QPainter& p)
{
    // Wooden frame, then the slate with a soft sheen toward the upper left.
    p.setPen(Qt::NoPen);
    p.setBrush(kWood);
    p.drawRoundedRect(kChalkboard.adjusted(-8, -8, 8, 8), 6, 6);
    QRadialGradient slate(kChalkboard.topLeft() + QPointF(140, 80), 520);
    slate.setColorAt(0, kSlate.lighter(125));
    slate.setColorAt(1, kSlate.darker(115));
    p.setBrush(slate);
    p.drawRect(kChalkboard);

    // Faint chalk smudges, so the board reads as a used classroom board.
    p.setBrush(QColor(255, 255, 255, 14));
    p.drawEllipse(QRectF(380, 230, 150, 40));
    p.drawEllipse(QRectF(60, 250, 120, 30));

    // The chalk tray along the bottom, with two sticks of chalk and a sponge.
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(kChalkboard.left() - 10, kTrayTop, kChalkboard.width() + 20, 6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(470, kTrayTop - 5, 22, 5), 2, 2);
    p.setBrush(QColor(255, 240, 120));
    p.drawRoundedRect(QRectF(500, kTrayTop - 5, 18, 5), 2, 2);
    p.setBrush(QColor(80, 120, 200));
    p.drawRoundedRect(QRectF(530, kTrayTop - 9, 28, 9), 2, 2);
}

void drawBoardPicture(QPainter& p)
{
    drawWall(p);
    drawChalkboard(p);
}

void drawTeacher(QPainter& p, QPointF base)
{
    // Mr. Pim: a friendly round face with glasses, a bow tie and a waving hand.
    p.setPen(QPen(kOutline, 2));
    p.setBrush(QColor(70, 110, 180)); // jacket
    QPainterPath body;
    body.moveTo(base + QPointF(-52, 0));
    body.cubicTo(base + QPointF(-52, -90), base + QPointF(52, -90), base + QPointF(52, 0));
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({base + QPointF(-14, -78), base + QPointF(14, -78),
                             base + QPointF(0, -40)}));
    p.setBrush(QColor(220, 40, 60)); // bow tie
    p.drawPolygon(QPolygonF({base + QPointF(-14, -82), base + QPointF(0, -76),
                             base + QPointF(-14, -70)}));
    p.drawPolygon(QPolygonF({base + QPointF(14, -82), base + QPointF(0, -76),
                             base + QPointF(14, -70)}));

    // Waving arm.
    p.setBrush(QColor(70, 110, 180));
    QPainterPath arm;
    arm.moveTo(base + QPointF(40, -58));
    arm.quadTo(base + QPointF(78, -80), base + QPointF(74, -128));
    arm.lineTo(base + QPointF(60, -126));
    arm.quadTo(base + QPointF(62, -90), base + QPointF(30, -74));
    p.drawPath(arm);
    p.setBrush(QColor(250, 210, 170));
    p.drawEllipse(base + QPointF(67, -138), 12, 13);

    const QPointF face = base + QPointF(0, -122);
    p.setBrush(QColor(250, 210, 170));
    p.drawEllipse(face, 38, 42);
    p.setBrush(QColor(120, 80, 50)); // hair
    QPainterPath hair;
    hair.moveTo(face + QPointF(-38, -6));
    hair.cubicTo(face + QPointF(-40, -56), face + QPointF(40, -56), face + QPointF(38, -6));
    hair.quadTo(face + QPointF(20, -30), face + QPointF(-38, -6));
    p.drawPath(hair);

    p.setBrush(Qt::NoBrush);
    p.drawEllipse(face + QPointF(-14, 0), 11, 10); // glasses
    p.drawEllipse(face + QPointF(14, 0), 11, 10);
    p.drawLine(face + QPointF(-3, 0), face + QPointF(3, 0));
    p.setBrush(kOutline);
    p.drawEllipse(face + QPointF(-14, 1), 3, 3);
    p.drawEllipse(face + QPointF(14, 1), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(face + QPointF(-14, 8), QSizeF(28, 18)), 200 * 16, 140 * 16); // smile
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 150, 150));
    p.drawEllipse(face + QPointF(-26, 16), 6, 4);
    p.drawEllipse(face + QPointF(26, 16), 6, 4);
}

void drawChild(QPainter& p, QPointF base)
{
    p.setPen(QPen(kOutline, 2));
    p.setBrush(QColor(250, 170, 40)); // t-shirt
    QPainterPath body;
    body.moveTo(base + QPointF(-30, 0));
    body.cubicTo(base + QPointF(-30, -55), base + QPointF(30, -55), base + QPointF(30, 0));
    body.closeSubpath();
    p.drawPath(body);
    const QPointF face = base + QPointF(0, -70);
    p.setBrush(QColor(235, 190, 150));
    p.drawEllipse(face, 26, 28);
    p.setBrush(QColor(60, 40, 30));
    QPainterPath hair;
    hair.moveTo(face + QPointF(-26, -4));
    hair.cubicTo(face + QPointF(-28, -40), face + QPointF(28, -40), face + QPointF(26, -4));
    hair.quadTo(face + QPointF(0, -22), face + QPointF(-26, -4));
    p.drawPath(hair);
    p.setBrush(kOutline);
    p.drawEllipse(face + QPointF(-9, 2), 3, 3);
    p.drawEllipse(face + QPointF(9, 2), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(face + QPointF(-9, 6), QSizeF(18, 12)), 200 * 16, 140 * 16);
}

void drawSpeechBubble(QPainter& p, const QRectF& box, QPointF tail, const QString& text)
{
    QPainterPath bubble;
    bubble.addRoundedRect(box, 18, 18);
    QPainterPath pointer;
    pointer.moveTo(box.bottomLeft() + QPointF(30, -2));
    pointer.lineTo(tail);
    pointer.lineTo(box.bottomLeft() + QPointF(60, -2));
    pointer.closeSubpath();
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(pointer));
    QFont font("Cabin", 20, QFont::Bold);
    p.setFont(font);
    p.setPen(QColor(40, 60, 140));
    drawText(p, box, Qt::AlignCenter, text);
}

void drawCoverPicture(QPainter& p)
{
    drawWall(p);
    drawChalkboard(p);
    // The board still shows yesterday's lesson: a few chalk letters and numbers.
    QFont chalk("Cabin", 34, QFont::Bold);
    p.setFont(chalk);
    p.setPen(QColor(255, 255, 255, 210));
    drawText(p, QRectF(40, 36, 220, 60), Qt::AlignLeft, QStringLiteral("A b C"));
    p.setPen(QColor(255, 255, 140, 210));
    drawText(p, QRectF(40, 100, 220, 60), Qt::AlignLeft, QStringLiteral("1 2 3"));
    p.setPen(QPen(QColor(140, 255, 140, 210), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(60, 176, 50, 50));
    p.drawRect(QRectF(130, 176, 50, 50));
    p.drawPolygon(QPolygonF({QPointF(200, 226), QPointF(225, 176), QPointF(250, 226)}));

    drawSpeechBubble(p, QRectF(300, 30, 200, 70), QPointF(390, 122), "Hello there!");
    drawTeacher(p, QPointF(410, 318));
    drawChild(p, QPointF(290, 318));
}

void drawBackdrop(QPainter& p)
{
    // A calm evening sky: dark enough for white, light yellow and green writing,
    // light enough that a black colour swatch still stands out against it.
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(36, 52, 120));
    sky.setColorAt(1, QColor(58, 40, 110));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), sky);
    p.setPen(Qt::NoPen);
    const QColor bubbles[] = {QColor(255, 255, 255, 18), QColor(120, 200, 255, 22),
                              QColor(255, 180, 220, 20)};
    const QRectF circles[] = {{-60, 220, 220, 220}, {420, -80, 240, 240},
                              {250, 260, 160, 160}, {140, -40, 110, 110},
                              {500, 250, 120, 120}};
    int i = 0;
    for (const QRectF& circle : circles) {
        p.setBrush(bubbles[i++ % 3]);
        p.drawEllipse(circle);
    }
    p.setBrush(QColor(255, 255, 210, 60)); // small stars
    const QPointF stars[] = {{40, 30}, {300, 20}, {560, 180}, {200, 340}, {380, 120}};
    for (const QPointF& star : stars)
        p.drawEllipse(star, 2.5, 2.5);
}

// The colours lesson shows the backdrop at 585 x 336 pixels. Red and grey are too
// light for a pale card and too dark for the sky, blue and purple darker than the
// sky itself: each of those names gets a patch it reads on, a dark slate under the
// light ones and a pale card under the dark ones. The patches hug the names' bold
// 19 px letters at the top left of their labels and stop short of the swatches.
constexpr QSize kColoursLesson(585, 336);

struct NamePatch {
    QRectF area; // on the lesson screen, pixels
    bool pale;
};
constexpr NamePatch kNamePatches[] = {
    {{58, 53, 50, 28}, false},  // Red, label at 64, 56
    {{290, 45, 60, 28}, false}, // Grey, label at 296, 48
    {{58, 213, 52, 28}, true},  // Blue, label at 64, 216
    {{42, 253, 72, 28}, true},  // Purple, label at 48, 256
};

void drawColoursBackdrop(QPainter& p)
{
    p.save();
    p.scale(qreal(kColoursLesson.width()) / kWidth, qreal(kColoursLesson.height()) / kHeight);
    drawBackdrop(p);
    p.restore();
    for (const NamePatch& patch : kNamePatches) {
        p.setPen(QPen(patch.pale ? QColor(200, 190, 170) : QColor(90, 100, 150), 1.5));
        p.setBrush(patch.pale ? QColor(252, 248, 236) : QColor(6, 6, 14));
        p.drawRoundedRect(patch.area, 8, 8);
    }
}

void drawIcon(QPainter& p)
{
    // A sprouting seedling on a small chalkboard.
    p.setPen(Qt::NoPen);
    p.setBrush(kWood);
    p.drawRoundedRect(QRectF(0, 2, 32, 28), 4, 4);
    p.setBrush(kSlate);
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setPen(QPen(QColor(120, 230, 90), 2));
    p.drawLine(QPointF(16, 25), QPointF(16, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 240, 100));
    p.drawEllipse(QRectF(6, 8, 10, 7));
    p.drawEllipse(QRectF(16, 6, 10, 7));
    p.setBrush(QColor(160, 100, 60));
    p.drawRoundedRect(QRectF(10, 23, 12, 5), 2, 2);
}

using Painting = void (*)(QPainter&);

QImage paint(int width, int height, Painting painting)
{
    QImage image = canvas(width, height, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Stretched to a canvas of another shape than the picture's own.
    const qreal dpr = image.devicePixelRatio();
    if (const QSizeF filled(image.width() / (width * dpr), image.height() / (height * dpr)); filled != QSizeF(1, 1))
        p.scale(filled.width(), filled.height());
    painting(p);
    return image;
}

} // namespace

// Per thread: the program draws pictures on several cores at once, each at its own size.
namespace {
thread_local qreal scaleInForce = 1;
thread_local bool copiesInForce = false;
thread_local QSize sizeInForce;
} // namespace

qreal drawingScale()
{
    return scaleInForce;
}

void setDrawingScale(qreal scale, bool copies)
{
    scaleInForce = scale;
    copiesInForce = copies;
}

bool drawingCopies()
{
    return copiesInForce;
}

QSize drawingSize()
{
    return sizeInForce;
}

void setDrawingSize(QSize pixels)
{
    sizeInForce = pixels;
}

int atDrawingScale(qreal length)
{
    return qCeil(length * scaleInForce - 1e-6);
}

void drawText(QPainter& p, const QRectF& area, int flags, const QString& text)
{
    LargeLetters::draw(p, [&](QPainter& onto) { onto.drawText(area, flags, text); });
}

QImage canvas(int width, int height, QColor fill)
{
    QImage image(sizeInForce.isEmpty() ? QSize(atDrawingScale(width), atDrawingScale(height)) : sizeInForce,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(scaleInForce);
    mapPixels(image);
    image.fill(fill);
    return image;
}

QImage iconAt(int size)
{
    // The desktop's copies of the icon: the same drawing, scaled, on a clear canvas
    // so that the menus of any theme show through the corners.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    drawIcon(p);
    return image;
}

std::vector<Artwork> classroomPictures(const QString& only)
{
    struct Picture {
        const char* name;
        QSize size;
        Painting painting;
    };
    const Picture pictures[] = {
        {"board", {kWidth, kHeight}, drawBoardPicture},
        {"cover", {kWidth, kHeight}, drawCoverPicture},
        {"backdrop", {kWidth, kHeight}, drawBackdrop},
        {"colorsbackdrop", kColoursLesson, drawColoursBackdrop},
        {"icon", {32, 32}, drawIcon},
    };
    std::vector<Artwork> drawn;
    for (const Picture& picture : pictures)
        if (only.isEmpty() || only == QLatin1String(picture.name))
            drawn.push_back({picture.name, paint(picture.size.width(), picture.size.height(), picture.painting)});
    return drawn;
}

} // namespace sprout::art
