// Captions and frames that keep their finished pixels show, on the window, exactly
// what Qt draws afresh: the same ink at the same place, after every change.
#include "controls.h"

#include <QtTest>
#include <functional>

using namespace sprout;

namespace {

QImage windowPixels(QWidget& window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Kept ink is blended onto the window without the gamma Qt gives text drawn straight
// onto it, so the edges of bold letters differ by up to a fifth; ink drawn wrong or
// in the wrong place differs by far more.
constexpr int kEdgeBlending = 64;

int largestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                                qAbs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// Two windows alike but for one control: one keeps its pixels, in the other Qt draws
// it afresh. Each change is made to both.
template <typename Keeping, typename Fresh>
struct Twins {
    QWidget keptWindow, freshWindow;
    Keeping* kept = new Keeping(&keptWindow);
    Fresh* fresh = new Fresh(&freshWindow);
    Twins()
    {
        for (QWidget* window : {&keptWindow, &freshWindow}) {
            window->resize(360, 200);
            window->setAutoFillBackground(true);
        }
    }
    void change(const std::function<void(Fresh*)>& change)
    {
        change(kept);
        change(fresh);
    }
    // Twice: the first paint keeps the pixels, the second lays them down.
    void compare(const char* after)
    {
        const QImage expected = windowPixels(freshWindow);
        for (const char* paint : {"drawn", "laid down"}) {
            const int difference = largestDifference(windowPixels(keptWindow), expected);
            QVERIFY2(difference <= kEdgeBlending, qPrintable(QStringLiteral("%1, %2: %3").arg(after, paint).arg(difference)));
        }
    }
};

} // namespace

class TestPaintCache : public QObject {
    Q_OBJECT
private slots:
    void captionsLookAsQtDrawsThem()
    {
        Twins<ClickLabel, QLabel> twins;
        twins.change([](QLabel* label) {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setFont(QFont("Cabin", 14, QFont::Bold));
            label->setText("Common Colors");
            label->setGeometry(20, 30, 220, 60);
        });
        twins.compare("first shown");
        const std::pair<const char*, std::function<void(QLabel*)>> changes[] = {
            {"moved", [](QLabel* label) { label->move(90, 110); }},
            {"text", [](QLabel* label) { label->setText("Red Blue"); }},
            {"centred", [](QLabel* label) { label->setAlignment(Qt::AlignHCenter | Qt::AlignTop); }},
            {"margins", [](QLabel* label) { label->setContentsMargins(12, 6, 0, 0); }},
            {"narrower, wrapped", [](QLabel* label) { label->resize(60, 80); }},
            {"font", [](QLabel* label) { label->setFont(QFont("Liberation Sans", 10)); }},
            {"colour", [](QLabel* label) {
                 QPalette colours = label->palette();
                 colours.setColor(QPalette::WindowText, Qt::darkGreen);
                 label->setPalette(colours);
             }},
        };
        for (const auto& [what, change] : changes) {
            twins.change(change);
            twins.compare(what);
        }
    }

    // The same caption in two labels of different size lies where each label puts it.
    void aSharedCaptionLiesInEachLabelsPlace()
    {
        QWidget kept, fresh;
        for (QWidget* window : {&kept, &fresh})
            window->resize(360, 200);
        const QRect places[] = {{10, 10, 200, 30}, {40, 80, 300, 90}};
        for (const QRect& place : places) {
            QLabel* labels[] = {new ClickLabel(&kept), new QLabel(&fresh)};
            for (QLabel* label : labels) {
                label->setWordWrap(true);
                label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                label->setText("Click to continue");
                label->setGeometry(place);
            }
        }
        const int difference = largestDifference(windowPixels(kept), windowPixels(fresh));
        QVERIFY2(difference <= kEdgeBlending, qPrintable(QString::number(difference)));
    }

    void framesLookAsQtDrawsThem()
    {
        Twins<FrameBox, QGroupBox> twins;
        twins.change([](QGroupBox* frame) {
            frame->setGeometry(10, 20, 300, 120);
            frame->setFont(QFont("Cabin", 13, QFont::Bold));
            frame->setTitle("Conversation History");
        });
        twins.compare("first shown");
        const std::pair<const char*, std::function<void(QGroupBox*)>> changes[] = {
            {"title", [](QGroupBox* frame) { frame->setTitle("How to play"); }},
            {"resized", [](QGroupBox* frame) { frame->resize(200, 160); }},
            {"font", [](QGroupBox* frame) { frame->setFont(QFont("Liberation Sans", 9)); }},
            {"colour", [](QGroupBox* frame) {
                 QPalette colours = frame->palette();
                 colours.setColor(QPalette::WindowText, Qt::red);
                 colours.setColor(QPalette::Window, Qt::yellow);
                 frame->setPalette(colours);
             }},
            {"disabled", [](QGroupBox* frame) { frame->setEnabled(false); }},
        };
        for (const auto& [what, change] : changes) {
            twins.change(change);
            twins.compare(what);
        }
    }
};

QTEST_MAIN(TestPaintCache)
#include "tst_paintcache.moc"
