// The picture files of the four quizzes: colours, shapes, words and sums. Each is
// drawn at exactly the size of the box its quiz keeps for it on the classroom board,
// because the quiz shows a picture pixel for pixel and never scales it.
#include "artwork.h"
#include "sums.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace sprout::art {

namespace {

// Where each quiz puts its picture on the board, and how large the box is (pixels).
constexpr QRect kColorBox(88, 112, 201, 65);
constexpr QRect kShapeBox(104, 72, 165, 129);
constexpr QRect kWordBox(184, 80, 217, 81);
constexpr QRect kMathBox(88, 104, 193, 89);

const QColor kCard(255, 250, 238);
const QColor kNeutralCard(236, 233, 226);
const QColor kCardEdge(196, 172, 136);
const QColor kInk(40, 60, 140);
const QColor kOutline(60, 40, 30);

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(what));
    std::exit(1);
}

// The piece of the classroom board that lies under a picture, so that a card with
// round corners sits on the board without square patches of another colour.
QImage boardUnder(const QRect& box)
{
    static const QImage board = [] {
        for (Artwork& picture : classroomPictures()) {
            if (picture.name == "board")
                return picture.image.convertToFormat(QImage::Format_RGB32);
        }
        return QImage();
    }();
    if (board.isNull() || !board.rect().contains(box))
        return canvas(box.width(), box.height(), QColor(36, 78, 56));
    return board.copy(box);
}

// A light card with soft round corners filling the whole picture.
QImage card(const QRect& box, QColor fill)
{
    QImage image = boardUnder(box);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kCardEdge, 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, box.width() - 2, box.height() - 2), 10, 10);
    return image;
}

void begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Writes text as large as fits the area, at most maxPixels high.
void drawFittedText(QPainter& p, const QRectF& area, const QString& text, int maxPixels,
                    QColor colour)
{
    QFont font("Cabin");
    font.setWeight(QFont::Bold);
    int pixels = maxPixels;
    for (; pixels > 10; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= area.width() && metrics.height() <= area.height() + 6)
            break;
    }
    font.setPixelSize(pixels);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(area, Qt::AlignCenter, text);
}

// ---- Colours ---------------------------------------------------------------------

// A paint splash: a fat rounded blob with a few round bumps and two droplets, filled
// with exactly the colour the child has to name.
void drawSplash(QPainter& p, QColor colour, QColor edge)
{
    QPainterPath blob;
    blob.setFillRule(Qt::WindingFill);
    blob.addRoundedRect(QRectF(34, 12, 118, 41), 20, 20);
    const QRectF bumps[] = {{26, 20, 34, 30}, {56, 6, 38, 30}, {98, 5, 36, 28},
                            {130, 16, 34, 32}, {70, 28, 44, 30}, {120, 30, 30, 27}};
    for (const QRectF& bump : bumps)
        blob.addEllipse(bump);
    blob = blob.simplified();
    p.setPen(QPen(edge, 2));
    p.setBrush(colour);
    p.drawPath(blob);
    p.drawEllipse(QRectF(165, 22, 14, 14));
    p.drawEllipse(QRectF(172, 42, 9, 9));
    p.drawEllipse(QRectF(12, 38, 10, 10));
    // A soft highlight makes it look like wet paint without changing its colour.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, colour == Qt::white ? 0 : 70));
    p.drawEllipse(QRectF(64, 14, 22, 9));
}

Artwork colourPicture(const QString& name, QColor colour)
{
    QImage image = card(kColorBox, kNeutralCard);
    QPainter p(&image);
    begin(p);
    // White needs a visible edge on the light card; the others are edged with a
    // darker shade of themselves, which black keeps as black.
    const QColor edge = colour == Qt::white ? QColor(140, 140, 140) : colour.darker(140);
    drawSplash(p, colour, edge);
    return {name, image};
}

std::vector<Artwork> colourPictures()
{
    return {
        colourPicture("Pink", QColor(255, 128, 255)),
        colourPicture("Grey", QColor(128, 128, 128)),
        colourPicture("Black", QColor(0, 0, 0)),
        colourPicture("Green", QColor(0, 192, 0)),
        colourPicture("Red", QColor(255, 0, 0)),
        colourPicture("Yellow", QColor(255, 255, 0)),
        colourPicture("White", QColor(255, 255, 255)),
        colourPicture("Purple", QColor(128, 0, 128)),
        colourPicture("Blue", QColor(0, 0, 255)),
        colourPicture("Orange", QColor(255, 128, 0)),
    };
}

// ---- Shapes ----------------------------------------------------------------------

QPolygonF regularPolygon(QPointF centre, qreal radius, int corners)
{
    // One corner points straight up, so a pentagon stands on a flat side.
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const qreal angle = -M_PI / 2 + 2 * M_PI * i / corners;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

// A small smiling face makes the shapes friendly without hiding their outline.
void drawFace(QPainter& p, QPointF centre)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(centre + QPointF(-9, -5), 3, 3.5);
    p.drawEllipse(centre + QPointF(9, -5), 3, 3.5);
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre + QPointF(-8, -2), QSizeF(16, 11)), 200 * 16, 140 * 16);
}

using ShapePainter = QPointF (*)(QPainter&, QPointF centre); // returns where the face goes

Artwork shapePicture(const QString& name, QColor colour, ShapePainter paint)
{
    QImage image = card(kShapeBox, kCard);
    QPainter p(&image);
    begin(p);
    p.setPen(QPen(colour.darker(150), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(colour);
    const QPointF face = paint(p, QPointF(kShapeBox.width() / 2.0, kShapeBox.height() / 2.0));
    drawFace(p, face);
    return {name, image};
}

std::vector<Artwork> shapePictures()
{
    // Circle and oval, square and rectangle differ plainly in their proportions:
    // the oval and the rectangle are about twice as wide as they are high.
    return {
        shapePicture("triangle", QColor(90, 200, 90), [](QPainter& p, QPointF c) {
            p.drawPolygon(QPolygonF({c + QPointF(0, -52), c + QPointF(60, 52),
                                     c + QPointF(-60, 52)}));
            return c + QPointF(0, 18);
        }),
        shapePicture("circle", QColor(245, 90, 90), [](QPainter& p, QPointF c) {
            p.drawEllipse(c, 52, 52);
            return c;
        }),
        shapePicture("oval", QColor(175, 120, 235), [](QPainter& p, QPointF c) {
            p.drawEllipse(c, 72, 36);
            return c;
        }),
        shapePicture("Rectangle", QColor(70, 150, 240), [](QPainter& p, QPointF c) {
            p.drawRoundedRect(QRectF(c - QPointF(72, 36), QSizeF(144, 72)), 3, 3);
            return c;
        }),
        shapePicture("square", QColor(255, 165, 40), [](QPainter& p, QPointF c) {
            p.drawRoundedRect(QRectF(c - QPointF(50, 50), QSizeF(100, 100)), 3, 3);
            return c;
        }),
        shapePicture("hexigon", QColor(40, 190, 190), [](QPainter& p, QPointF c) {
            // Flat top and bottom, the way a hexagon is usually drawn for children.
            QPolygonF hexagon;
            for (int i = 0; i < 6; ++i) {
                const qreal angle = M_PI / 3 * i;
                hexagon << c + QPointF(58 * std::cos(angle), 58 * std::sin(angle));
            }
            p.drawPolygon(hexagon);
            return c;
        }),
        shapePicture("Pentagon", QColor(240, 110, 180), [](QPainter& p, QPointF c) {
            p.drawPolygon(regularPolygon(c + QPointF(0, 5), 58, 5));
            return c + QPointF(0, 6);
        }),
    };
}

// ---- Words -----------------------------------------------------------------------

// Renders an emoji of the colour emoji font into a square of the given size. The
// font only has large bitmaps, so it is drawn at its own size and scaled down. A
// missing glyph would silently fall back to another font or to an empty box, so it
// fails the build instead.
QImage emoji(const QString& text, int size)
{
    QFont font("Noto Color Emoji");
    font.setPixelSize(109);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetrics metrics(font);
    for (char32_t codePoint : text.toUcs4()) {
        if (codePoint == 0xFE0F || codePoint == 0x200D)
            continue;
        if (!metrics.inFontUcs4(codePoint))
            fail(QString("the colour emoji font has no U+%1; install fonts-noto-color-emoji")
                     .arg(uint(codePoint), 4, 16, QChar('0')).toUpper());
    }

    QImage large(160, 160, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter p(&large);
        p.setFont(font);
        p.drawText(large.rect(), Qt::AlignCenter, text);
    }
    // Crop to what was drawn, so every emoji fills its square the same way.
    QRect drawn;
    int opaque = 0;
    for (int y = 0; y < large.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(large.constScanLine(y));
        for (int x = 0; x < large.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                drawn |= QRect(x, y, 1, 1);
                ++opaque;
            }
        }
    }
    // A real emoji is a large solid picture; an empty glyph or a thin box is not.
    if (opaque < 1500 || opaque < drawn.width() * drawn.height() / 4)
        fail("the emoji " + text + " did not render");
    const QImage scaled = large.copy(drawn).scaled(size, size, Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation);
    QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter p(&square);
    p.drawImage(QPointF((size - scaled.width()) / 2.0, (size - scaled.height()) / 2.0), scaled);
    return square;
}

// There is no emoji of a fork on its own (only fork and knife), so it is drawn.
QImage forkIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    begin(p);
    p.translate(size / 2.0, size / 2.0);
    p.rotate(-25);
    p.scale(size / 70.0, size / 70.0);
    const QColor steel(200, 206, 216);
    QPainterPath fork;
    fork.setFillRule(Qt::WindingFill);
    fork.addRoundedRect(QRectF(-4.5, -2, 9, 36), 4, 4);       // handle
    fork.addRoundedRect(QRectF(-13, -14, 26, 16), 7, 7);      // head
    for (int i = 0; i < 4; ++i)
        fork.addRoundedRect(QRectF(-13 + i * 7.3, -34, 4.2, 26), 2, 2); // tines
    p.setPen(QPen(QColor(100, 108, 122), 2));
    p.setBrush(steel);
    p.drawPath(fork.simplified());
    return image;
}

// Nor is there a stapler: a red top arm on a dark base, hinged at the back.
QImage staplerIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    begin(p);
    p.scale(size / 70.0, size / 70.0);
    p.setPen(QPen(kOutline, 2));
    p.setBrush(QColor(70, 72, 84));
    p.drawRoundedRect(QRectF(4, 46, 62, 12), 5, 5);            // base
    p.setBrush(QColor(150, 152, 164));
    p.drawRoundedRect(QRectF(8, 38, 14, 12), 3, 3);            // hinge block
    QPainterPath arm;
    arm.moveTo(6, 34);
    arm.cubicTo(6, 22, 20, 20, 30, 21);
    arm.lineTo(62, 27);
    arm.cubicTo(68, 28, 68, 40, 62, 40);
    arm.lineTo(12, 42);
    arm.cubicTo(8, 42, 6, 39, 6, 34);
    p.setBrush(QColor(225, 60, 60));
    p.drawPath(arm);                                          // top arm
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(22, 24, 30, 4), 2, 2);
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(54, 42, 8, 4));                          // the staple's slot
    return image;
}

constexpr int kIconSize = 66;

// A word with its picture: the picture on the left, the word large on the right.
Artwork wordPicture(const QString& word, const QImage& icon)
{
    QImage image = card(kWordBox, kCard);
    QPainter p(&image);
    begin(p);
    const int top = (kWordBox.height() - kIconSize) / 2;
    p.drawImage(QPointF(10, top), icon);
    const QRectF textArea(10 + kIconSize + 6, 6, kWordBox.width() - kIconSize - 30, kWordBox.height() - 12);
    drawFittedText(p, textArea, word, 36, kInk);
    return {word, image};
}

// Words that no picture can show are simply written large.
Artwork plainWordPicture(const QString& word)
{
    QImage image = card(kWordBox, kCard);
    QPainter p(&image);
    begin(p);
    drawFittedText(p, QRectF(10, 6, kWordBox.width() - 20, kWordBox.height() - 12), word, 52,
                   kInk);
    return {word, image};
}

Artwork emojiWordPicture(const QString& word, const QString& symbol)
{
    return wordPicture(word, emoji(symbol, kIconSize));
}

std::vector<Artwork> wordPictures()
{
    return {
        emojiWordPicture("Chair", QString::fromUtf8("\U0001FA91")),
        plainWordPicture("And"),
        emojiWordPicture("House", QString::fromUtf8("\U0001F3E0")),
        emojiWordPicture("Apple", QString::fromUtf8("\U0001F34E")),
        emojiWordPicture("What", QString::fromUtf8("\u2753")),
        emojiWordPicture("There", QString::fromUtf8("\U0001F449")),
        emojiWordPicture("Bucket", QString::fromUtf8("\U0001FAA3")),
        wordPicture("Fork", forkIcon(kIconSize)),
        emojiWordPicture("Fun", QString::fromUtf8("\U0001F389")),
        emojiWordPicture("Rabbit", QString::fromUtf8("\U0001F430")),
        emojiWordPicture("Sun", QString::fromUtf8("\u2600\uFE0F")),
        emojiWordPicture("Moon", QString::fromUtf8("\U0001F319")),
        emojiWordPicture("Star", QString::fromUtf8("\u2B50")),
        emojiWordPicture("Plate", QString::fromUtf8("\U0001F37D\uFE0F")),
        emojiWordPicture("Mouse", QString::fromUtf8("\U0001F42D")),
        emojiWordPicture("Hello", QString::fromUtf8("\U0001F44B")),
        emojiWordPicture("Night", QString::fromUtf8("\U0001F303")),
        emojiWordPicture("Book", QString::fromUtf8("\U0001F4D6")),
        emojiWordPicture("Earth", QString::fromUtf8("\U0001F30D")),
        emojiWordPicture("Fly", QString::fromUtf8("\U0001FAB0")),
        emojiWordPicture("Candy", QString::fromUtf8("\U0001F36C")),
        emojiWordPicture("Boat", QString::fromUtf8("\u26F5")),
        emojiWordPicture("Banana", QString::fromUtf8("\U0001F34C")),
        emojiWordPicture("Truck", QString::fromUtf8("\U0001F69A")),
        emojiWordPicture("School", QString::fromUtf8("\U0001F3EB")),
        emojiWordPicture("Study", QString::fromUtf8("\U0001F4DA")),
        emojiWordPicture("Smart", QString::fromUtf8("\U0001F913")),
        wordPicture("Stapler", staplerIcon(kIconSize)),
        emojiWordPicture("Shirt", QString::fromUtf8("\U0001F455")),
        emojiWordPicture("Light", QString::fromUtf8("\U0001F4A1")),
        emojiWordPicture("Day", QString::fromUtf8("\U0001F3D9\uFE0F")),
    };
}

// ---- Sums ------------------------------------------------------------------------

const QColor kFirstDots(60, 130, 230);
const QColor kSecondDots(255, 140, 30);

// Countable dots in rows of five, the way children learn to see five and ten at a
// glance. Hollow dots are the ones taken away.
void drawDots(QPainter& p, QPointF topCentre, int count, QColor colour, bool hollow)
{
    constexpr qreal pitch = 12;
    constexpr qreal diameter = 10;
    constexpr int perRow = 5;
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int inRow = std::min(perRow, count - row * perRow);
        const int column = i % perRow;
        const QPointF centre = topCentre + QPointF((column - (inRow - 1) / 2.0) * pitch,
                                                   row * pitch + diameter / 2);
        if (hollow) {
            p.setPen(QPen(colour.darker(130), 1.6));
            p.setBrush(Qt::white);
        } else {
            p.setPen(QPen(colour.darker(150), 1));
            p.setBrush(colour);
        }
        p.drawEllipse(centre, diameter / 2, diameter / 2);
    }
}

Artwork sumPicture(const QString& name, int first, QChar operation, int second)
{
    QImage image = card(kMathBox, kCard);
    QPainter p(&image);
    begin(p);
    const qreal leftColumn = 50;
    const qreal rightColumn = kMathBox.width() - 50;
    const qreal middle = kMathBox.width() / 2.0;
    constexpr qreal textTop = 5;
    constexpr qreal textHeight = 38;

    auto write = [&](qreal centreX, const QString& text, int pixels, QColor colour) {
        QFont font("Cabin");
        font.setWeight(QFont::Bold);
        font.setPixelSize(pixels);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QRectF(centreX - 45, textTop, 90, textHeight), Qt::AlignCenter, text);
    };
    write(leftColumn, QString::number(first), 34, kFirstDots.darker(140));
    // A real minus sign, and both signs a size up: a thin sign is easily missed.
    write(middle, operation == '-' ? QString(QChar(0x2212)) : QString(operation), 42, kInk);
    write(rightColumn, QString::number(second), 34, kSecondDots.darker(140));

    const qreal dotsTop = textTop + textHeight + 3;
    drawDots(p, QPointF(leftColumn, dotsTop), first, kFirstDots, false);
    drawDots(p, QPointF(rightColumn, dotsTop), second, kSecondDots, operation == '-');
    return {name, image};
}

std::vector<Artwork> sumPictures()
{
    std::vector<Artwork> pictures;
    for (const designs::Sum& sum : designs::sums()) {
        const QString file = QString::fromLatin1(sum.file); // "\67.bmp"
        if (!file.isEmpty())
            pictures.push_back(sumPicture(file.mid(1).chopped(4), sum.first, QChar(sum.operation), sum.second));
    }
    return pictures;
}

} // namespace

std::vector<Artwork> quizPictureFiles()
{
    std::vector<Artwork> files;
    for (auto group : {colourPictures, shapePictures, wordPictures, sumPictures}) {
        std::vector<Artwork> pictures = group();
        std::move(pictures.begin(), pictures.end(), std::back_inserter(files));
    }
    return files;
}

} // namespace sprout::art
