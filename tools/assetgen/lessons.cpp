// The pictures of the lesson screens: seven shapes, an apple to count and a ruler.
// Each picture is stretched into its box on the screen, often to another aspect
// than its own, so each is drawn in the proportions of the box it ends up in and
// only then scaled to the picture's own size: a circle stays round on the screen.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <functional>

namespace sprout::art {

namespace {

const QColor kCard(255, 250, 238);
const QColor kCardEdge(196, 172, 136);

// The backdrop is stretched over a lesson screen; a picture's round corners show
// the piece of it that lies beneath the picture's box.
struct Placement {
    QSizeF backdrop; // the backdrop's size on the screen, pixels
    QRectF box;      // the picture's box on the screen, pixels
};

// The backdrop at its own size, drawn once: only thin corners of it show around a
// picture, and its soft sky loses nothing when they are enlarged. Drawn at each
// picture's scale, it cost a screen shown larger more than all its pictures together.
QImage backdropPicture()
{
    static const QImage backdrop = [] {
        const qreal inForce = drawingScale();
        const bool copies = drawingCopies();
        const QSize size = drawingSize();
        setDrawingScale(1, copies);
        setDrawingSize({});
        QImage drawn;
        for (Artwork& picture : classroomPictures(QStringLiteral("backdrop")))
            drawn = picture.image.convertToFormat(QImage::Format_RGB32);
        setDrawingScale(inForce, copies);
        setDrawingSize(size);
        return drawn;
    }();
    return backdrop;
}

// The piece of the backdrop beneath a picture's box, in size pixels.
QImage backdropUnder(const Placement& where, QSize size)
{
    const QImage backdrop = backdropPicture();
    if (backdrop.isNull()) {
        QImage plain(size, QImage::Format_RGB32);
        plain.fill(QColor(40, 50, 118));
        return plain;
    }
    const qreal sx = backdrop.width() / where.backdrop.width();
    const qreal sy = backdrop.height() / where.backdrop.height();
    const QRect source = QRectF(where.box.x() * sx, where.box.y() * sy, where.box.width() * sx,
                                where.box.height() * sy).toAlignedRect().intersected(backdrop.rect());
    return backdrop.copy(source)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

using Drawing = std::function<void(QPainter&, QSizeF shown)>;

// Draws in the coordinates of the box on the screen, into a picture of its own size,
// or of the size a screen shows it at when the program draws it for that screen.
// A picture already twice as large as its box stays sharp on a magnifying screen,
// so it needs no twice-size copy.
QImage drawShown(QSize size, const Placement& where, const Drawing& drawing, bool onCard = true)
{
    const bool largeEnough = size.width() >= 2 * where.box.width()
                             && size.height() >= 2 * where.box.height();
    const qreal scale = largeEnough && drawingCopies() ? 1 : drawingScale();
    const QSize asked = drawingSize();
    const QSize drawn = !asked.isEmpty() ? asked
                        : scale == 1     ? size
                                         : QSize(atDrawingScale(size.width()), atDrawingScale(size.height()));
    QImage image = backdropUnder(where, drawn);
    image.setDevicePixelRatio(asked.isEmpty() ? scale : 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF shown = where.box.size();
    const QSizeF canvas = asked.isEmpty() ? QSizeF(size) : QSizeF(asked);
    p.scale(canvas.width() / shown.width(), canvas.height() / shown.height());
    if (onCard) {
        p.setPen(QPen(kCardEdge, 1.5));
        p.setBrush(kCard);
        p.drawRoundedRect(QRectF(QPointF(0.75, 0.75), shown - QSizeF(1.5, 1.5)), 7, 7);
    }
    drawing(p, shown);
    return image;
}

// ---- Shapes -------------------------------------------------------------------------

// Where the shapes screen puts each picture, pixels; the backdrop covers 761 x 552.
constexpr QSizeF kShapesBackdrop(761, 552);

void shapePen(QPainter& p, QColor fill)
{
    p.setPen(QPen(fill.darker(150), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

QPolygonF regularPolygon(QPointF centre, qreal radius, int corners, qreal firstAngle)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const qreal angle = firstAngle + 2 * M_PI * i / corners;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

// The same colours as the shape quiz, so a shape looks alike in lesson and game.
Artwork square()
{
    return {"square", drawShown({145, 138}, {kShapesBackdrop, {40, 424, 96, 89}},
                                [](QPainter& p, QSizeF s) {
        shapePen(p, QColor(255, 165, 40));
        const qreal side = std::min(s.width(), s.height()) - 22;
        p.drawRoundedRect(QRectF((s.width() - side) / 2, (s.height() - side) / 2, side, side), 2, 2);
    })};
}

Artwork oval()
{
    return {"oval", drawShown({98, 137}, {kShapesBackdrop, {400, 368, 72, 121}},
                              [](QPainter& p, QSizeF s) {
        shapePen(p, QColor(175, 120, 235));
        p.drawEllipse(QPointF(s.width() / 2, s.height() / 2), s.width() / 2 - 9, s.height() / 2 - 12);
    })};
}

Artwork triangle()
{
    return {"triangle", drawShown({145, 138}, {kShapesBackdrop, {384, 256, 105, 82}},
                                  [](QPainter& p, QSizeF s) {
        shapePen(p, QColor(90, 200, 90));
        const qreal height = s.height() - 18;
        const qreal half = height / std::sqrt(3.0); // equal sides
        const QPointF centre(s.width() / 2, 0);
        p.drawPolygon(QPolygonF({centre + QPointF(0, 9), centre + QPointF(half, 9 + height),
                                 centre + QPointF(-half, 9 + height)}));
    })};
}

Artwork circle()
{
    return {"circle", drawShown({145, 138}, {kShapesBackdrop, {384, 128, 97, 90}},
                                [](QPainter& p, QSizeF s) {
        shapePen(p, QColor(245, 90, 90));
        const qreal radius = std::min(s.width(), s.height()) / 2 - 10;
        p.drawEllipse(QPointF(s.width() / 2, s.height() / 2), radius, radius);
    })};
}

Artwork pentagon()
{
    return {"pentagon", drawShown({184, 156}, {kShapesBackdrop, {24, 296, 128, 108}},
                                  [](QPainter& p, QSizeF s) {
        shapePen(p, QColor(240, 110, 180));
        // One corner points straight up, so the pentagon stands on a flat side.
        const qreal radius = std::min(s.width(), s.height()) / 2 - 8;
        p.drawPolygon(regularPolygon(QPointF(s.width() / 2, s.height() / 2 + 5), radius, 5, -M_PI / 2));
    })};
}

Artwork rectangle()
{
    return {"rectangle", drawShown({183, 83}, {kShapesBackdrop, {16, 232, 143, 59}},
                                   [](QPainter& p, QSizeF s) {
        shapePen(p, QColor(70, 150, 240));
        p.drawRoundedRect(QRectF(14, 11, s.width() - 28, s.height() - 22), 2, 2);
    })};
}

Artwork hexagon()
{
    return {"hexagon", drawShown({165, 129}, {kShapesBackdrop, {40, 136, 93, 81}},
                                 [](QPainter& p, QSizeF s) {
        shapePen(p, QColor(40, 190, 190));
        // Flat top and bottom, the way a hexagon is usually drawn for children.
        const qreal radius = std::min(s.width() / 2, s.height() / std::sqrt(3.0)) - 6;
        p.drawPolygon(regularPolygon(QPointF(s.width() / 2, s.height() / 2), radius, 6, 0));
    })};
}

// ---- Apple ----------------------------------------------------------------------------

// Six apples of the numbers screen share one picture; it is drawn for the first.
Artwork apple()
{
    return {"apple", drawShown({182, 200}, {{689, 408}, {24, 128, 78, 79}},
                               [](QPainter& p, QSizeF s) {
        const QPointF c(s.width() / 2, s.height() / 2 + 5);
        const qreal r = std::min(s.width(), s.height()) / 2 - 10;
        // Two round cheeks meeting in a dip at the top and a smaller one below.
        QPainterPath body;
        body.moveTo(c + QPointF(0, -r * 0.72));
        body.cubicTo(c + QPointF(r * 0.55, -r * 1.05), c + QPointF(r * 1.08, -r * 0.6),
                     c + QPointF(r * 0.98, r * 0.05));
        body.cubicTo(c + QPointF(r * 0.92, r * 0.65), c + QPointF(r * 0.55, r * 0.98),
                     c + QPointF(r * 0.22, r * 0.94));
        body.quadTo(c + QPointF(0, r * 0.86), c + QPointF(-r * 0.22, r * 0.94));
        body.cubicTo(c + QPointF(-r * 0.55, r * 0.98), c + QPointF(-r * 0.92, r * 0.65),
                     c + QPointF(-r * 0.98, r * 0.05));
        body.cubicTo(c + QPointF(-r * 1.08, -r * 0.6), c + QPointF(-r * 0.55, -r * 1.05),
                     c + QPointF(0, -r * 0.72));
        body.closeSubpath();

        // Stem and leaf first, so the apple's edge lies over the stem's foot.
        p.setPen(QPen(QColor(90, 55, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(0, -r * 0.6), c + QPointF(r * 0.12, -r * 1.08));
        p.setPen(QPen(QColor(40, 120, 40), 1.2));
        p.setBrush(QColor(90, 190, 70));
        QPainterPath leaf;
        leaf.moveTo(c + QPointF(r * 0.1, -r * 0.92));
        leaf.quadTo(c + QPointF(r * 0.4, -r * 1.25), c + QPointF(r * 0.72, -r * 1.02));
        leaf.quadTo(c + QPointF(r * 0.42, -r * 0.72), c + QPointF(r * 0.1, -r * 0.92));
        p.drawPath(leaf);

        p.setPen(QPen(QColor(150, 20, 30), 1.6));
        p.setBrush(QColor(230, 40, 45));
        p.drawPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110)); // shine
        p.drawEllipse(c + QPointF(-r * 0.5, -r * 0.3), r * 0.13, r * 0.24);
    }), QStringLiteral("jpg")};
}

// ---- Ruler ----------------------------------------------------------------------------

// The measure screen stretches the ruler to 662 x 86 pixels; ten centimetres span it,
// with a tick for every millimetre and the numbers 0 to 10 under the long ticks.
Artwork ruler()
{
    return {"ruler", drawShown({3422, 534}, {{697, 392}, {16, 128, 662, 86}},
                               [](QPainter& p, QSizeF s) {
        const QRectF body(1, 1, s.width() - 2, s.height() - 2);
        QLinearGradient wood(0, 0, 0, s.height());
        wood.setColorAt(0, QColor(196, 138, 78));
        wood.setColorAt(1, QColor(170, 112, 58));
        p.setPen(QPen(QColor(100, 60, 30), 1.5));
        p.setBrush(wood);
        p.drawRoundedRect(body, 5, 5);
        // A few darker streaks for the grain of the wood.
        p.setPen(QPen(QColor(150, 95, 50, 90), 1));
        for (qreal y : {58.0, 66.0, 75.0})
            p.drawLine(QPointF(8, y), QPointF(s.width() - 8, y + 2));

        constexpr qreal left = 22;
        const qreal millimetre = (s.width() - 2 * left) / 100.0;
        const QColor ink(50, 28, 12);
        for (int mm = 0; mm <= 100; ++mm) {
            const qreal x = left + mm * millimetre;
            const qreal length = mm % 10 == 0 ? 30 : mm % 5 == 0 ? 20 : 12;
            p.setPen(QPen(ink, mm % 10 == 0 ? 1.6 : 1.0, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(x, 1), QPointF(x, 1 + length));
        }
        QFont font("Cabin");
        font.setBold(true);
        font.setPixelSize(26);
        p.setFont(font);
        p.setPen(ink);
        for (int cm = 0; cm <= 10; ++cm) {
            const qreal x = left + cm * 10 * millimetre;
            drawText(p, QRectF(x - 30, 33, 60, 32), Qt::AlignHCenter | Qt::AlignTop, QString::number(cm));
        }
    }, false), QStringLiteral("jpg")};
}

} // namespace

std::vector<Artwork> lessonPictures(const QString& only)
{
    const std::pair<const char*, Artwork (*)()> pictures[] = {
        {"square", square}, {"oval", oval}, {"triangle", triangle}, {"circle", circle},
        {"pentagon", pentagon}, {"rectangle", rectangle}, {"hexagon", hexagon},
        {"apple", apple}, {"ruler", ruler},
    };
    std::vector<Artwork> drawn;
    for (const auto& [name, draw] : pictures)
        if (only.isEmpty() || only == QLatin1String(name))
            drawn.push_back(draw());
    return drawn;
}

} // namespace sprout::art
