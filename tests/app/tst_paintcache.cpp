// Captions and frames that keep their pixels show what Qt draws afresh, after every change;
// panel borders, frames' insides and large letters drawn the quick way are Qt's own pixels.
#include "classroomstyle.h"
#include "largeletters.h"
#include "controls.h"
#include "paintcache.h"
#include "screentesting.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QtTest>
#include <functional>

using namespace sprout;

namespace {

// Kept ink is blended without the gamma Qt gives text drawn straight onto the window: bold
// letters' edges differ by up to a fifth, ink drawn wrong or in the wrong place by far more.
constexpr int kEdgeBlending = 64;

// How many pixels differ by more than `tolerance` in a colour; all if the sizes differ.
int differingPixels(QWidget& kept, QWidget& fresh, int tolerance)
{
    const QImage a = kept.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage b = fresh.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size())
        return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += sprout::testing::channelDistance(a.pixel(x, y), b.pixel(x, y)) > tolerance;
    return differing;
}

template <typename Control>
using Changes = std::initializer_list<std::pair<const char*, std::function<void(Control*)>>>;

// Painted twice after each change: the first paint keeps the pixels, the second lays them down.
template <typename Keeping, typename Fresh>
void compareAfterEachChange(Changes<Fresh> changes)
{
    QWidget keptWindow, freshWindow;
    Fresh* const controls[] = {new Keeping(&keptWindow), new Fresh(&freshWindow)};
    for (QWidget* window : {&keptWindow, &freshWindow}) {
        window->resize(360, 200);
        window->setAutoFillBackground(true);
    }
    for (const auto& [what, change] : changes) {
        for (Fresh* control : controls)
            change(control);
        for (const char* paint : {"drawn", "laid down"}) {
            const int differing = differingPixels(keptWindow, freshWindow, kEdgeBlending);
            QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1, %2: %3 pixels differ").arg(what, paint).arg(differing)));
        }
    }
}

void setColour(QWidget* control, QPalette::ColorRole role, const QColor& colour)
{
    QPalette colours = control->palette();
    colours.setColor(role, colour);
    control->setPalette(colours);
}

} // namespace

class TestPaintCache : public QObject {
    Q_OBJECT
private slots:
    void captionsLookAsQtDrawsThem()
    {
        compareAfterEachChange<ClickLabel, QLabel>({
            {"first shown", [](QLabel* label) {
                 label->setWordWrap(true);
                 label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                 label->setFont(QFont("Cabin", 14, QFont::Bold));
                 label->setText("Common Colors");
                 label->setGeometry(20, 30, 220, 60);
             }},
            {"moved", [](QLabel* label) { label->move(90, 110); }},
            {"text", [](QLabel* label) { label->setText("Red Blue"); }},
            {"centred", [](QLabel* label) { label->setAlignment(Qt::AlignHCenter | Qt::AlignTop); }},
            {"margins", [](QLabel* label) { label->setContentsMargins(12, 6, 0, 0); }},
            {"narrower, wrapped", [](QLabel* label) { label->resize(60, 80); }},
            {"font", [](QLabel* label) { label->setFont(QFont("Liberation Sans", 10)); }},
            {"colour", [](QLabel* label) { setColour(label, QPalette::WindowText, Qt::darkGreen); }},
        });
    }

    // The same look on a sharper screen is drawn at that screen's pixels, not enlarged.
    void aSharperScreenGetsItsOwnPixels()
    {
        auto ring = [](QPainter& onto) { onto.setRenderHint(QPainter::Antialiasing); onto.drawEllipse(QRectF(3.5, 2.5, 50, 14)); };
        auto paint = [&](qreal ratio, bool kept) {
            QImage picture(QSize(60, 20) * ratio, QImage::Format_RGB32);
            picture.setDevicePixelRatio(ratio);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            kept ? PaintCache::paint(painter, QRect(0, 0, 60, 20), "ring", ring, PaintCache::Ground::Opaque) : ring(painter);
            return picture;
        };
        paint(1, true); // kept at the window's pixels first
        QCOMPARE(paint(2, true), paint(2, false));
    }

    // Drawn straight while full screen's first frame is coming, and kept again once it came
    // or its window went before it.
    void keptAgainAfterTheFirstFullScreenFrame()
    {
        for (bool painted : {true, false}) {
            int drawn = 0;
            auto paint = [&] {
                QImage picture(30, 10, QImage::Format_RGB32);
                QPainter painter(&picture);
                PaintCache::paint(painter, QRect(0, 0, 30, 10), QString("count %1").arg(painted), [&](QPainter&) { ++drawn; });
            };
            auto window = std::make_unique<QWidget>();
            PaintCache::drawStraightUntilFrame(window.get());
            paint();
            painted ? (void)window->grab() : window.reset();
            QCoreApplication::processEvents();
            paint();
            paint();
            QCOMPARE(drawn, 2); // straight, then kept
        }
    }

    // A picture set while another is still coming replaces it, and so does none.
    void aPictureShownReplacesOneComing()
    {
        const auto filled = [](Qt::GlobalColor colour) { QPixmap picture(40, 30); picture.fill(colour); return picture; };
        ClickLabel label;
        label.resize(40, 30);
        label.showComingPicture([&] { return filled(Qt::red); });
        label.showPicture(filled(Qt::blue));
        QCOMPARE(label.grab().toImage().pixelColor(20, 15), QColor(Qt::blue));
        label.showPicture(QPixmap());
        QVERIFY2(!label.showsPicture(), "the picture that was coming still counts as shown");
    }

    void framesLookAsQtDrawsThem()
    {
        compareAfterEachChange<FrameBox, QGroupBox>({
            {"first shown", [](QGroupBox* frame) {
                 frame->setGeometry(10, 20, 300, 120);
                 frame->setFont(QFont("Cabin", 13, QFont::Bold));
                 frame->setTitle("Conversation History");
             }},
            {"title", [](QGroupBox* frame) { frame->setTitle("How to play"); }},
            {"resized", [](QGroupBox* frame) { frame->resize(200, 160); }},
            {"font", [](QGroupBox* frame) { frame->setFont(QFont("Liberation Sans", 9)); }},
            {"text colour", [](QGroupBox* frame) { setColour(frame, QPalette::WindowText, Qt::red); }},
            {"background", [](QGroupBox* frame) { setColour(frame, QPalette::Window, Qt::yellow); }},
            {"disabled", [](QGroupBox* frame) { frame->setEnabled(false); }},
        });
    }

    void textBoxesLookAsQtDrawsThem()
    {
        compareAfterEachChange<TextBox, QPlainTextEdit>({
            {"first shown", [](QPlainTextEdit* box) {
                 box->setGeometry(10, 20, 300, 90);
                 box->setFont(QFont("Cabin", 12, QFont::Bold));
                 box->setReadOnly(true);
                 box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                 box->setPlainText("Mr. Pim Says: Hello there, my name is Mr. Pim.");
             }},
            {"more said", [](QPlainTextEdit* box) {
                 box->appendPlainText("You Said: Red\nMr. Pim Says: Very good, that is right!\nAnd more\nand more.");
             }},
            {"scrolled down", [](QPlainTextEdit* box) { box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum()); }},
            {"narrower", [](QPlainTextEdit* box) { box->resize(160, 120); }},
            {"font", [](QPlainTextEdit* box) { box->setFont(QFont("Liberation Sans", 9)); }},
            {"colours", [](QPlainTextEdit* box) {
                 setColour(box, QPalette::Text, Qt::darkBlue);
                 setColour(box, QPalette::Base, Qt::yellow);
             }},
            {"selected", [](QPlainTextEdit* box) { box->selectAll(); }},
            {"disabled", [](QPlainTextEdit* box) { box->setEnabled(false); }},
        });
    }

    void largeLettersAreQtsOwn()
    {
        QFont font("Cabin", 10, QFont::Bold);
        const QRect area(10, 5, 900, 400);
        const QString text = "Measurements is finding the distance, 0 , 1, 2!";
        for (int pixels : {90, 70}) { // the letters of one size are not another's
            font.setPixelSize(pixels);
            QImage pictures[2];
            for (bool quick : {true, false}) {
                QImage picture(920, 420, QImage::Format_ARGB32_Premultiplied);
                picture.fill(Qt::transparent);
                QPainter painter(&picture);
                painter.setFont(font);
                QVERIFY(LargeLetters::drawnFromOutlines(painter));
                auto write = [&](QPainter& onto) { onto.drawText(area, Qt::AlignHCenter | Qt::TextWordWrap, text); };
                quick ? LargeLetters::draw(painter, write) : write(painter);
                pictures[quick] = picture;
            }
            QVERIFY2(pictures[1] == pictures[0], qPrintable(QString::number(pixels)));
        }
    }

    // The style's quicker ways to draw frames' insides and panels' borders give Fusion's pixels.
    void framesAndPanelsAreFusionsOwn()
    {
        ClassroomStyle classroom;
        std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
        auto compare = [&](const std::function<QWidget*()>& make, const QString& what) {
            QImage pictures[2];
            for (QStyle* style : {static_cast<QStyle*>(&classroom), fusion.get()}) {
                std::unique_ptr<QWidget> control(make());
                control->setStyle(style);
                pictures[style == fusion.get()] = control->grab().toImage();
            }
            QVERIFY2(pictures[0] == pictures[1], qPrintable(what));
        };
        for (const QString& title : {QString(), QStringLiteral("Conversation History")})
            for (int letters : {13, 60})
                for (QSize size : {QSize(40, 30), QSize(300, 120), QSize(911, 433)})
                    compare([&] {
                        auto* frame = new QGroupBox(title);
                        QFont font("Cabin");
                        font.setPixelSize(letters);
                        frame->setFont(font);
                        frame->resize(size);
                        return frame;
                    }, QStringLiteral("frame \"%1\" in %2 px letters, %3 x %4").arg(title).arg(letters).arg(size.width()).arg(size.height()));
        for (int shadow : {QFrame::Sunken, QFrame::Raised})
            for (int lineWidth : {1, 2, 4, 9})
                for (QSize size : {QSize(23, 19), QSize(120, 87)})
                    compare([&] {
                        auto* box = new QFrame;
                        box->setFrameStyle(QFrame::Panel | shadow);
                        box->setLineWidth(lineWidth);
                        box->resize(size);
                        return box;
                    }, QStringLiteral("panel %1 x %2, %3 px, shadow %4").arg(size.width()).arg(size.height()).arg(lineWidth).arg(shadow));
    }
};

QTEST_MAIN(TestPaintCache)
#include "tst_paintcache.moc"
