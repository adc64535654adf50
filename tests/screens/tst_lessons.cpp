// The five lesson screens, checked against their designs as a child would meet
// them: every control where and how it was designed, clicks that do nothing where
// nothing should happen, and the ways on and back.
#include "controls.h"
#include "screentesting.h"

#include "pictures.h"

#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

using namespace sprout;
using namespace sprout::testing;

Q_DECLARE_METATYPE(sprout::ScreenId)

namespace {

const QColor kWhite(255, 255, 255);
const QColor kLightYellow(255, 255, 128);
const QColor kGreen(0, 255, 0);
const QColor kBlack(0, 0, 0);

// One designed control, in twips and points as the design gives them.
struct Expected {
    const char* name;
    const char* kind; // label, swatch, image, frame, button
    const char* caption;  // for an image the built-in picture
    int left, top, width, height;
    const char* family = nullptr;
    double points = 0;
    bool bold = true;
    QColor colour = {};
    const char* parent = nullptr;
    QSize pictureSize = {};
};

QString mappedFamily(const char* designFamily)
{
    return QString(designFamily) == "Trebuchet MS" ? "Cabin" : "Liberation Sans";
}

Expected backdrop(int width, int height)
{
    return {"Image8", "image", "backdrop", 0, 0, width, height, nullptr, 0, false, {}, nullptr, {586, 368}};
}

const char* const kShades = "White and black are not actually colors, but instead are called \"Shades\".";

std::vector<Expected> colorsDesign()
{
    auto name = [](const char* n, const char* caption, int l, int t, int w, QColor c) {
        return Expected{n, "label", caption, l, t, w, 495, "Arial", 14.25, true, c};
    };
    auto swatch = [](const char* n, int l, int t, QColor c) {
        return Expected{n, "swatch", "", l, t, 2175, 495, nullptr, 0, false, c};
    };
    return {
        name("Label1", "Red", 960, 840, 615, QColor(255, 0, 0)),
        swatch("Label2", 1800, 720, QColor(255, 0, 0)),
        name("Label3", "Orange", 720, 1440, 1095, QColor(255, 128, 0)),
        swatch("Label4", 1800, 1320, QColor(255, 128, 0)),
        name("Label5", "Yellow", 720, 2040, 975, QColor(255, 255, 0)),
        swatch("Label6", 1800, 1920, QColor(255, 255, 0)),
        name("Label7", "Green", 840, 2640, 855, QColor(0, 192, 0)),
        swatch("Label8", 1800, 2520, QColor(0, 192, 0)),
        name("Label9", "Blue", 960, 3240, 615, QColor(0, 0, 255)),
        swatch("Label10", 1800, 3120, QColor(0, 0, 255)),
        name("Label11", "Purple", 720, 3840, 1095, QColor(128, 0, 128)),
        swatch("Label12", 1800, 3720, QColor(128, 0, 128)),
        name("Label18", "Grey", 4440, 720, 735, QColor(128, 128, 128)),
        swatch("Label17", 5400, 600, QColor(128, 128, 128)),
        name("Label16", "Black", 4320, 1320, 1095, kWhite),
        swatch("Label15", 5400, 1200, kBlack),
        name("Label14", "White", 4320, 1920, 975, kWhite),
        swatch("Label13", 5400, 1920, kWhite),
        name("Label24", "Pink", 4320, 2520, 975, QColor(255, 128, 255)),
        swatch("Label23", 5400, 2520, QColor(255, 128, 255)),
        {"Label25", "label", "Play a game with colors", 3360, 4440, 2775, 375, "Trebuchet MS", 12, true, kGreen},
        {"Label22", "label", "Back to Main", 6360, 4440, 2055, 375, "Trebuchet MS", 15.75, true, kGreen},
        {"Label19", "label", "Did you know??", 4320, 3000, 2895, 495, "Trebuchet MS", 12, true, kLightYellow},
        {"Label21", "label", kShades, 5160, 3360, 2895, 855, "Trebuchet MS", 9.75, false, kLightYellow},
        {"Label20", "label", "Common Colors", 3240, 240, 2295, 495, "Arial", 14.25, true, kWhite},
        backdrop(8775, 5040),
    };
}

std::vector<Expected> shapesDesign()
{
    auto text = [](const char* n, const char* caption, int l, int t, int w, int h, double pt, QColor c) {
        return Expected{n, "label", caption, l, t, w, h, "Trebuchet MS", pt, true, c};
    };
    auto picture = [](const char* n, const char* picture, int l, int t, int w, int h, QSize size) {
        return Expected{n, "image", picture, l, t, w, h, nullptr, 0, false, {}, nullptr, size};
    };
    return {
        {"Command1", "button", "Back to main", 10440, 14400, 1575, 1095, "Trebuchet MS", 11.25, true},
        text("Label12", "Play a game with shapes", 5640, 7560, 2775, 375, 12, kGreen),
        text("Label11", "Back to Main", 9000, 7560, 2055, 375, 15.75, kGreen),
        text("Label5", "A ciricle is round having no sides, a very common shape you see in fruit, car tires, and plates.",
             7320, 2160, 3735, 1335, 12, kWhite),
        text("Label7", "A rectangle  is like a square but streched out. It has 4 sides, with 2 sets of equal sides.",
             2520, 3480, 3135, 1455, 12, kWhite),
        picture("Image6", "rectangle", 240, 3480, 2145, 885, {183, 83}),
        text("Label10", "Shapes", 4920, 240, 1695, 495, 21.75, kWhite),
        text("Label8", "A hexagon has 6 sides.", 2160, 2400, 3615, 735, 12, kWhite),
        picture("Image7", "hexagon", 600, 2040, 1395, 1215, {165, 129}),
        text("Label9", "Equal means the same!", 2520, 7560, 3015, 375, 12, kLightYellow),
        text("Label6", "A pentagon  has 5 sides.", 2520, 5040, 1815, 735, 12, kWhite),
        text("Label4", "A triangle is a shape with 3 sides", 7320, 4200, 3615, 735, 12, kWhite),
        text("Label3", "An Oval is like a ciricle but streched out. Like a ciricle an Oval has no sides",
             7200, 6000, 3855, 1095, 12, kWhite),
        text("Label2", "A square  has 4 equal sides.", 2400, 6600, 3375, 735, 12, kWhite),
        picture("Image5", "pentagon", 360, 4440, 1920, 1620, {184, 156}),
        picture("Image4", "circle", 5760, 1920, 1455, 1350, {145, 138}),
        picture("Image3", "triangle", 5760, 3840, 1575, 1230, {145, 138}),
        picture("Image2", "oval", 6000, 5520, 1080, 1815, {98, 137}),
        picture("Image1", "square", 600, 6360, 1440, 1335, {145, 138}),
        text("Label1", "All shapes have sides, from small to big ones they are all over the place.",
             360, 840, 9255, 615, 12, kLightYellow),
        text("Label19", "What is a shape: A shape is any object or a series of objects added together. Here are some of the most common shapes. ",
             360, 1320, 10815, 615, 12, kLightYellow),
        backdrop(11415, 8280),
    };
}

std::vector<Expected> lettersDesign()
{
    return {
        {"Frame2", "frame", "The Lowercase Alphabet", 240, 4320, 7815, 855, "Trebuchet MS", 9.75, false, kWhite},
        {"Label7", "label", "a b c d e f g h i j k l m n o p q r s t u v w x y z", 840, 360, 6375, 375,
         "Trebuchet MS", 14.25, true, kWhite, "Frame2"},
        {"Frame1", "frame", "The Uppercase Alphabet", 240, 3360, 7815, 855, "Trebuchet MS", 9.75, false, kWhite},
        {"Label6", "label", "A B C D E F G H I J K L M N O P Q R S T U V W X Y  Z", 240, 360, 7095, 375,
         "Trebuchet MS", 14.25, true, kWhite, "Frame1"},
        {"Label11", "label", "Back to Main", 7320, 5280, 2055, 375, "Trebuchet MS", 15.75, true, kGreen},
        {"Label5", "label", "\"A\" and \"a\" are the same letter, but remember all letters have 2 forms.",
         3600, 2520, 6135, 735, "Arial", 11.25, true, kLightYellow},
        {"Label4", "label", "The letter a (Not capitalized)", 1680, 2520, 1575, 855, "Arial", 11.25, true, kLightYellow},
        {"Label3", "label", "The letter A (capitalized)", 240, 2520, 1575, 855, "Arial", 11.25, true, kLightYellow},
        {"Label2", "label", "All letters of the alphabet has 2 forms: Lowercase and Uppercase. Lowercase means the letter is not capitalized, and Uppercase means the letter is capitalized.",
         240, 1560, 9255, 735, "Trebuchet MS", 12, true, kLightYellow},
        {"Label1", "label", "What is a letter? A letter is a member of the alphabet, which contains 26 letters that make up all the words we have in the whole world.",
         240, 720, 9495, 855, "Trebuchet MS", 12, true, kLightYellow},
        {"Label8", "label", "Letters!", 4440, 240, 1335, 735, "Trebuchet MS", 15.75, true, kWhite},
        backdrop(9735, 5880),
    };
}

std::vector<Expected> numbersDesign()
{
    auto apple = [](const char* n, int l, int t, int w, int h) {
        return Expected{n, "image", "apple", l, t, w, h, nullptr, 0, false, {}, nullptr, {182, 200}};
    };
    return {
        {"Label22", "label", "Back to Main", 7800, 5400, 2055, 375, "Trebuchet MS", 15.75, true, kGreen},
        {"Label5", "label", "Now there is 2  more  apples, that makes 3 apples.  2 and 1 is 3.", 4320, 4920, 5775, 855,
         "Trebuchet MS", 14.25, true, kWhite},
        apple("Image6", 3000, 4680, 1170, 1080),
        apple("Image5", 360, 4680, 1170, 1080),
        apple("Image4", 1680, 4680, 1170, 1080),
        {"Label3", "label", "Now there is 1 more  apple, that makes 2 apples.  1 and 1 is 2.", 3360, 3480, 6255, 855,
         "Trebuchet MS", 14.25, true, kWhite},
        apple("Image3", 1920, 3240, 1290, 1200),
        apple("Image2", 360, 3240, 1290, 1200),
        {"Label2", "label", "This is an apple, how many of them are there?  There is 1 apple. ", 1680, 2040, 6615, 855,
         "Trebuchet MS", 14.25, true, kWhite},
        apple("Image1", 360, 1920, 1170, 1185),
        {"Label1", "label", "Numbers let us count things we see all the time!", 480, 1440, 7215, 255,
         "Trebuchet MS", 11.25, true, kLightYellow},
        {"Label19", "label", "We use numbers in our everyday lives all the time, so it is always a good idea to learn how these things work. Lets try something simple.",
         360, 720, 9735, 735, "Trebuchet MS", 11.25, true, kLightYellow},
        {"Label7", "label", "Numbers!", 4440, 240, 1695, 375, "Trebuchet MS", 15.75, true, kWhite},
        backdrop(10335, 6120),
    };
}

std::vector<Expected> measureDesign()
{
    return {
        {"Label1", "label", "- The brown thing above is a ruler, that is a tool that can help you measure distances. There are many ways to measure things, you can measure them in inches, feet,  meters, centimeters, milimeters, and even in kilometers and meters. The brown ruler above is measured n in centimeters, as seen by the number 0 , 1, 2, 3, 4, 5, 6, 7, 8, 9, 10. All the little lines inbetween the numbers, like between 1 and 2 are milimeters. There are 10 milimeters in a centimeter.",
         360, 3240, 9735, 1815, "Trebuchet MS", 11.25, true, kLightYellow},
        {"Image1", "image", "ruler", 240, 1920, 9930, 1290, nullptr, 0, false, {}, nullptr, {3422, 534}},
        {"Label19", "label", "Measurements is finding the distance between a start and finish point, and that can be many things! You can use measurements to find out how tall you are, the distance from your house to school, and so much more.",
         360, 840, 9735, 1095, "Trebuchet MS", 11.25, true, kLightYellow},
        {"Label7", "label", "Measurements!", 3840, 240, 2295, 375, "Trebuchet MS", 15.75, true, kWhite},
        {"Label11", "label", "Back to Main", 8160, 5280, 2055, 375, "Trebuchet MS", 15.75, true, kGreen},
        backdrop(10455, 5880),
    };
}

struct Lesson {
    ScreenId id;
    std::vector<Expected> (*design)();
    // Top to bottom, as designed; frames and the controls inside them stand apart.
    QStringList stacking;
    QStringList links;
};

const Lesson kLessons[] = {
    {ScreenId::frmColors, colorsDesign,
     {"Label25", "Label24", "Label23", "Label22", "Label19", "Label18", "Label17", "Label16", "Label15",
      "Label14", "Label13", "Label12", "Label11", "Label10", "Label9", "Label8", "Label7", "Label6",
      "Label5", "Label4", "Label3", "Label2", "Label1", "Label21", "Label20", "Image8"},
     {"Label22", "Label25"}},
    {ScreenId::frmShapes, shapesDesign,
     {"Command1", "Label12", "Label11", "Label5", "Label7", "Image6", "Label10", "Label8", "Image7", "Label9",
      "Label6", "Label4", "Label3", "Label2", "Image5", "Image4", "Image3", "Image2", "Image1", "Label1",
      "Label19", "Image8"},
     {"Label11", "Label12", "Command1"}},
    {ScreenId::frmLetters, lettersDesign,
     {"Frame2", "Frame1", "Label11", "Label5", "Label4", "Label3", "Label2", "Label1", "Label8", "Image8"},
     {"Label11"}},
    {ScreenId::FrmNumbers, numbersDesign,
     {"Label22", "Label5", "Image6", "Image5", "Image4", "Label3", "Image3", "Image2", "Label2", "Image1",
      "Label1", "Label19", "Label7", "Image8"},
     {"Label22"}},
    {ScreenId::measure, measureDesign,
     {"Label1", "Image1", "Label19", "Label7", "Label11", "Image8"},
     {"Label11"}},
};

const Lesson& lessonOf(ScreenId id)
{
    for (const Lesson& lesson : kLessons)
        if (lesson.id == id)
            return lesson;
    qFatal("not a lesson");
}

QRect pixels(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// Contrast of two colours as accessibility guidelines measure it (1 to 21).
double luminance(QColor c)
{
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor averageColour(const QImage& image)
{
    double r = 0, g = 0, b = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            r += qRed(p), g += qGreen(p), b += qBlue(p);
        }
    const double n = std::max<qsizetype>(1, qsizetype(rgb.width()) * rgb.height());
    return QColor(int(r / n), int(g / n), int(b / n));
}

// Where a label's caption puts ink when it is laid out in the label's width and
// nothing cuts it off: a caption fits when all of that lies inside the label.
QRect inkOf(const QLabel* label)
{
    const QSize room(label->width(), label->height() * 4);
    QImage image(room.width() + 40, room.height(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(label->font());
        painter.setPen(Qt::black);
        // Drawn where the label draws it: lifted when the caption needs it to fit.
        const auto* caption = qobject_cast<const ClickLabel*>(label);
        const int lift = caption ? caption->captionLift() : 0;
        painter.drawText(QRect(QPoint(0, -lift), room), int(label->alignment()) | Qt::TextWordWrap,
                         label->text());
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 40)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Records which windows are shown and hidden, in order.
class WindowLog : public QObject {
public:
    WindowLog() { qApp->installEventFilter(this); }
    ~WindowLog() override { qApp->removeEventFilter(this); }
    QStringList entries;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->isWindow() && !widget->objectName().isEmpty()) {
            if (event->type() == QEvent::Show)
                entries << "show " + widget->objectName();
            else if (event->type() == QEvent::Hide)
                entries << "hide " + widget->objectName();
        }
        return false;
    }
};

// The main menu with its board revealed, the way a child leaves it for a lesson.
Screen& mainMenuAfterContinue(ScreenRegistry& registry)
{
    registry.show(ScreenId::SproutMain);
    Screen& main = registry.reference(ScreenId::SproutMain);
    click(main, "Command1");
    return main;
}

const char* mainMenuLinkTo(ScreenId lesson)
{
    switch (lesson) {
    case ScreenId::frmShapes: return "Label2";
    case ScreenId::frmLetters: return "Label3";
    case ScreenId::FrmNumbers: return "Label4";
    case ScreenId::frmColors: return "Label5";
    case ScreenId::measure: return "Label7";
    default: return nullptr;
    }
}

void onlyThisScreenIsOnShow(ScreenRegistry& registry, ScreenId id)
{
    QVERIFY(registry.find(id) && registry.find(id)->isVisible());
    for (int i = 0; i < kScreenCount; ++i) {
        if (ScreenId(i) == id)
            continue;
        const Screen* other = registry.find(ScreenId(i));
        QVERIFY2(!other || !other->isVisible(), screenName(ScreenId(i)));
    }
}

} // namespace

class TestLessons : public QObject {
    Q_OBJECT

    void addDesignRows(ScreenId id)
    {
        QTest::addColumn<int>("row");
        const auto design = lessonOf(id).design();
        for (int i = 0; i < int(design.size()); ++i)
            QTest::newRow(design[size_t(i)].name) << i;
    }

    void addLessonRows()
    {
        QTest::addColumn<ScreenId>("id");
        for (const Lesson& lesson : kLessons)
            QTest::newRow(screenName(lesson.id)) << lesson.id;
    }

    void checkDesignRow(ScreenId id)
    {
        QFETCH(int, row);
        const Expected e = lessonOf(id).design()[size_t(row)];
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        QWidget* widget = screen.control(e.name);
        QVERIFY(widget);

        QWidget* parent = e.parent ? screen.control(e.parent) : screen.client();
        QCOMPARE(widget->parentWidget(), parent);
        QCOMPARE(widget->geometry(), pixels(e.left, e.top, e.width, e.height));
        QVERIFY(widget->isVisibleTo(screen.window()));

        const QString kind = e.kind;
        if (kind == "image") {
            auto* image = qobject_cast<QLabel*>(widget);
            QVERIFY(image);
            QVERIFY(image->hasScaledContents());
            QCOMPARE(image->pixmap().size(), e.pictureSize);
            QCOMPARE(image->pixmap().toImage(), builtInPicture(e.caption).toImage());
            QVERIFY(image->text().isEmpty());
            return;
        }
        if (kind == "swatch") {
            auto* swatch = qobject_cast<QLabel*>(widget);
            QVERIFY(swatch);
            QVERIFY(swatch->text().isEmpty());
            QVERIFY(swatch->pixmap().isNull());
            QVERIFY(swatch->autoFillBackground());
            QCOMPARE(swatch->palette().color(QPalette::Window), e.colour);
            QCOMPARE(swatch->frameShape(), QFrame::NoFrame);
            // What is painted is the colour, edge to edge.
            const QImage painted = swatch->grab().toImage();
            QCOMPARE(QColor(painted.pixel(0, 0)), e.colour);
            QCOMPARE(QColor(painted.pixel(painted.width() - 1, painted.height() - 1)), e.colour);
            return;
        }

        if (kind == "label") {
            auto* label = qobject_cast<QLabel*>(widget);
            QVERIFY(label);
            QCOMPARE(label->text(), QString(e.caption));
            QVERIFY(label->wordWrap());
            QVERIFY2(!label->autoFillBackground(), "labels are transparent");
            QCOMPARE(label->palette().color(QPalette::WindowText), e.colour);
        } else if (kind == "frame") {
            auto* frame = qobject_cast<QGroupBox*>(widget);
            QVERIFY(frame);
            QCOMPARE(frame->title(), QString(e.caption));
            QVERIFY(frame->autoFillBackground());
            QCOMPARE(frame->palette().color(QPalette::Window), kBlack);
            QCOMPARE(frame->palette().color(QPalette::WindowText), e.colour);
        } else if (kind == "button") {
            auto* button = qobject_cast<QPushButton*>(widget);
            QVERIFY(button);
            QCOMPARE(button->text(), QString(e.caption));
        } else {
            QFAIL("unknown kind");
        }
        const QFont font = widget->font();
        QCOMPARE(font.family(), mappedFamily(e.family));
        QCOMPARE(font.pixelSize(), int(std::lround(e.points * 4 / 3)));
        QCOMPARE(font.bold(), e.bold);
    }

private slots:
    void colorsDesign_data() { addDesignRows(ScreenId::frmColors); }
    void colorsDesign() { checkDesignRow(ScreenId::frmColors); }
    void shapesDesign_data() { addDesignRows(ScreenId::frmShapes); }
    void shapesDesign() { checkDesignRow(ScreenId::frmShapes); }
    void lettersDesign_data() { addDesignRows(ScreenId::frmLetters); }
    void lettersDesign() { checkDesignRow(ScreenId::frmLetters); }
    void numbersDesign_data() { addDesignRows(ScreenId::FrmNumbers); }
    void numbersDesign() { checkDesignRow(ScreenId::FrmNumbers); }
    void measureDesign_data() { addDesignRows(ScreenId::measure); }
    void measureDesign() { checkDesignRow(ScreenId::measure); }

    // Nothing is built beyond the design, and it lies in the designed order.
    void stackingOrderAsDesigned_data() { addLessonRows(); }
    void stackingOrderAsDesigned()
    {
        QFETCH(ScreenId, id);
        const Lesson& lesson = lessonOf(id);
        ScreenRegistry registry(createScreen);
        registry.show(id);
        Screen& screen = registry.reference(id);

        QStringList built;
        for (QWidget* child : screen.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            built.prepend(child->objectName()); // last child is drawn on top
        QCOMPARE(built, lesson.stacking);
        QCOMPARE(screen.client()->findChildren<QWidget*>().size(), qsizetype(lesson.design().size()));
    }

    // The backdrop is drawn beneath everything and covers the whole client area.
    void backdropCoversTheClientArea_data() { addLessonRows(); }
    void backdropCoversTheClientArea()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        registry.show(id);
        Screen& screen = registry.reference(id);
        QWidget* backdrop = screen.control("Image8");
        QVERIFY(backdrop->geometry().contains(screen.client()->rect()));
        QCOMPARE(screen.client()->childAt(1, 1), backdrop);
        QCOMPARE(screen.client()->childAt(screen.client()->width() - 2, screen.client()->height() - 2), backdrop);
    }

    // Every caption fits its label in the fonts the program uses, and stands out
    // from what lies beneath it.
    void everyCaptionFitsAndIsReadable_data() { addLessonRows(); }
    void everyCaptionFitsAndIsReadable()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        registry.show(id);
        Screen& screen = registry.reference(id);
        const QImage backdrop = screen.control("Image8")->grab().toImage();
        int checked = 0;
        for (auto* label : screen.client()->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            ++checked;
            const QRect ink = inkOf(label);
            QVERIFY2(ink.right() < label->width() && ink.bottom() < label->height(),
                     qPrintable(QString("%1 draws up to %2 x %3, has %4 x %5")
                                    .arg(label->objectName()).arg(ink.right() + 1).arg(ink.bottom() + 1)
                                    .arg(label->width()).arg(label->height())));

            const QColor text = label->palette().color(QPalette::WindowText);
            QColor beneath;
            if (auto* glow = qobject_cast<QGraphicsDropShadowEffect*>(label->graphicsEffect()))
                beneath = glow->color();
            else if (auto* frame = qobject_cast<QGroupBox*>(label->parentWidget()))
                beneath = frame->palette().color(QPalette::Window);
            else
                beneath = averageColour(backdrop.copy(label->geometry()));
            QVERIFY2(contrast(text, beneath) >= 3.0,
                     qPrintable(QString("%1: %2 on %3 has contrast %4").arg(label->objectName(), text.name(),
                                beneath.name()).arg(contrast(text, beneath))));
        }
        QVERIFY(checked > 0);
    }

    // A click on a name, a swatch, a picture, a title or a sentence changes nothing.
    void clicksOffTheLinksDoNothing_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("control");
        for (const Lesson& lesson : kLessons)
            for (const Expected& e : lesson.design())
                if (!lesson.links.contains(e.name) && QString(e.kind) != "frame")
                    QTest::newRow(qPrintable(QString("%1 %2").arg(screenName(lesson.id), e.name)))
                        << lesson.id << QString(e.name);
        // The frames are clicked where no label covers them: on their captions.
        QTest::newRow("frmLetters Frame1") << ScreenId::frmLetters << "Frame1";
        QTest::newRow("frmLetters Frame2") << ScreenId::frmLetters << "Frame2";
    }

    void clicksOffTheLinksDoNothing()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, control);
        ScreenRegistry registry(createScreen);
        registry.show(id);
        Screen& screen = registry.reference(id);
        WindowLog log;
        click(screen, control);
        onlyThisScreenIsOnShow(registry, id);
        QVERIFY(log.entries.isEmpty());
        for (int i = 0; i < kScreenCount; ++i)
            if (ScreenId(i) != id)
                QVERIFY2(!registry.find(ScreenId(i)), screenName(ScreenId(i)));
    }

    // No control takes the keyboard focus except the shapes screen's hidden button,
    // and keys pressed on the other lessons change nothing.
    void onlyTheShapesButtonTakesTheFocus_data() { addLessonRows(); }
    void onlyTheShapesButtonTakesTheFocus()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        registry.show(id);
        Screen& screen = registry.reference(id);
        for (QWidget* widget : screen.client()->findChildren<QWidget*>()) {
            const bool button = id == ScreenId::frmShapes && widget->objectName() == "Command1";
            QCOMPARE(widget->focusPolicy() != Qt::NoFocus, button);
        }
        if (id == ScreenId::frmShapes)
            return;
        QWidget* target = screen.window()->focusWidget() ? screen.window()->focusWidget() : screen.window();
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab})
            QTest::keyClick(target, Qt::Key(key));
        onlyThisScreenIsOnShow(registry, id);
    }

    void lettersHasNoMenuAndItsCloseBoxUnloadsIt()
    {
        ScreenRegistry registry(createScreen);
        mainMenuAfterContinue(registry);
        click(registry.reference(ScreenId::SproutMain), "Label3");
        Screen& letters = registry.reference(ScreenId::frmLetters);
        QVERIFY(letters.isVisible());
        QVERIFY(!letters.window()->menuWidget() || letters.window()->menuWidget()->actions().isEmpty());
        letters.window()->close();
        settle();
        QVERIFY(!letters.isLoaded());
        QVERIFY(!registry.reference(ScreenId::SproutMain).isVisible());
    }

    // Every way out of a lesson, in the order of the screen map; the main menu comes
    // back with its board revealed, as the child left it.
    void linksLeadOnInTheirOrder_data()
    {
        QTest::addColumn<ScreenId>("lesson");
        QTest::addColumn<QString>("link");
        QTest::addColumn<ScreenId>("target");
        QTest::addColumn<bool>("hideFirst");
        QTest::newRow("colors back") << ScreenId::frmColors << "Label22" << ScreenId::SproutMain << true;
        QTest::newRow("colors quiz") << ScreenId::frmColors << "Label25" << ScreenId::GuessColor << true;
        QTest::newRow("shapes back") << ScreenId::frmShapes << "Label11" << ScreenId::SproutMain << true;
        QTest::newRow("shapes quiz") << ScreenId::frmShapes << "Label12" << ScreenId::Guessshape << true;
        QTest::newRow("letters back") << ScreenId::frmLetters << "Label11" << ScreenId::SproutMain << true;
        QTest::newRow("numbers back") << ScreenId::FrmNumbers << "Label22" << ScreenId::SproutMain << true;
        QTest::newRow("measure back") << ScreenId::measure << "Label11" << ScreenId::SproutMain << false;
    }

    void linksLeadOnInTheirOrder()
    {
        QFETCH(ScreenId, lesson);
        QFETCH(QString, link);
        QFETCH(ScreenId, target);
        QFETCH(bool, hideFirst);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        Screen& main = mainMenuAfterContinue(registry);
        click(main, mainMenuLinkTo(lesson));
        Screen& screen = registry.reference(lesson);
        onlyThisScreenIsOnShow(registry, lesson);

        WindowLog log;
        click(screen, link);
        onlyThisScreenIsOnShow(registry, target);
        QVERIFY(screen.isLoaded());
        const QString hide = QString("hide ") + screenName(lesson);
        const QString show = QString("show ") + screenName(target);
        const QStringList expected = hideFirst ? QStringList{hide, show} : QStringList{show, hide};
        QCOMPARE(log.entries, expected);
        QVERIFY(reports.messages.isEmpty());

        if (target == ScreenId::SproutMain) {
            QVERIFY2(!main.control("Image2")->isVisible(), "the cover is back over the board");
            QVERIFY(main.control("Label2")->isVisible());
            // And the lesson comes back as it was left.
            click(main, mainMenuLinkTo(lesson));
            QCOMPARE(&registry.reference(lesson), &screen);
            onlyThisScreenIsOnShow(registry, lesson);
        }
    }

    // The shapes screen's hidden button holds the focus, and Enter or the space bar
    // leaves for the main menu just as "Back to Main" does, every time.
    void shapesKeyboardWayBack_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter") << int(Qt::Key_Enter);
    }

    void shapesKeyboardWayBack()
    {
        QFETCH(int, key);
        ScreenRegistry registry(createScreen);
        Screen& main = mainMenuAfterContinue(registry);
        Screen& shapes = registry.reference(ScreenId::frmShapes);
        QWidget* button = nullptr;
        for (int visit = 0; visit < 2; ++visit) {
            click(main, "Label2");
            onlyThisScreenIsOnShow(registry, ScreenId::frmShapes);
            button = shapes.control("Command1");
            QVERIFY(!shapes.client()->rect().intersects(button->geometry()));
            QCOMPARE(shapes.window()->focusWidget(), button);
            if (QApplication::activeWindow() == shapes.window())
                QCOMPARE(QApplication::focusWidget(), button);

            WindowLog log;
            QTest::keyClick(shapes.window()->focusWidget(), Qt::Key(key));
            onlyThisScreenIsOnShow(registry, ScreenId::SproutMain);
            QCOMPARE(log.entries, (QStringList{"hide frmShapes", "show SproutMain"}));
            QVERIFY(!main.control("Image2")->isVisible());
        }
    }

    // Other keys do not press the button.
    void shapesOtherKeysStay()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::frmShapes);
        Screen& shapes = registry.reference(ScreenId::frmShapes);
        for (int key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Down})
            QTest::keyClick(shapes.window()->focusWidget(), Qt::Key(key));
        onlyThisScreenIsOnShow(registry, ScreenId::frmShapes);
    }

    // Only the shapes screen hands on: each other lesson's exit menu unloads it alone.
    void exitProgramUnloadsOnlyTheLesson_data() { addLessonRows(); }
    void exitProgramUnloadsOnlyTheLesson()
    {
        QFETCH(ScreenId, id);
        if (id == ScreenId::frmLetters)
            QSKIP("the letters screen has no menu");
        ScreenRegistry registry(createScreen);
        Screen& main = mainMenuAfterContinue(registry);
        click(main, mainMenuLinkTo(id));
        chooseMenu(registry.reference(id), "mnuExit");
        settle();
        QVERIFY(!registry.reference(id).isLoaded());
        QVERIFY(main.isLoaded());
        QVERIFY(!main.isVisible());
    }
};

QTEST_MAIN(TestLessons)
#include "tst_lessons.moc"
