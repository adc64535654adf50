// Controls that keep a finished picture of their look show exactly what they would
// draw afresh, also after what they show has changed.
#include "controls.h"

#include <QScrollBar>
#include <QtTest>

using namespace sprout;

namespace {

// As on the screen: the window's opaque pixels where the control lies.
QImage shown(QWidget* control)
{
    QCoreApplication::processEvents(); // a text box takes its picture after painting
    return control->window()->grab(control->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Blending a translucent edge onto a filled picture may round a channel one step
// the other way; a caption or frame drawn wrong differs by far more.
bool sameToTheEye(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 2 || qAbs(qGreen(p) - qGreen(q)) > 2 || qAbs(qBlue(p) - qBlue(q)) > 2)
                return false;
        }
    return true;
}

// The same control twice, one keeping pictures and one drawing afresh each time.
template <typename Keeping, typename Fresh>
struct Pair {
    QWidget window;
    Keeping* kept = new Keeping(&window);
    Fresh* fresh = new Fresh(&window);
    Pair()
    {
        window.resize(640, 300);
        fresh->move(0, 150);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    template <typename Change>
    void change(Change&& change) { change(kept); change(fresh); }
    bool alike() { return sameToTheEye(shown(kept), shown(fresh)); }
};

} // namespace

class TestFinishedPictures : public QObject {
    Q_OBJECT
private slots:
    void textBoxShowsItsTextAndScrolling()
    {
        Pair<TextBox, QPlainTextEdit> pair;
        pair.change([](QPlainTextEdit* box) {
            box->resize(400, 60);
            box->setReadOnly(true);
            box->setPlainText("Mr. Pim Says: Hello there, my name is Mr. Pim.");
        });
        QVERIFY(pair.alike());
        QVERIFY(pair.kept->holdsPicture() && pair.alike()); // the second time from its picture
        pair.change([](QPlainTextEdit* box) { box->setPlainText("Mr. Pim Says: Here on the board."); });
        QVERIFY(pair.alike());
        pair.change([](QPlainTextEdit* box) { box->setPlainText(QString("A line\n").repeated(9)); });
        QVERIFY(pair.alike());
        pair.change([](QPlainTextEdit* box) { box->verticalScrollBar()->setValue(3); });
        QVERIFY(pair.alike());
    }

    void frameOnPlainGroundShowsItsTitle()
    {
        Pair<FrameBox, QGroupBox> pair;
        pair.change([](QGroupBox* frame) {
            frame->setGeometry(frame->x(), frame->y(), 500, 90);
            frame->setFont(QFont("Cabin", 13, QFont::Bold));
            frame->setTitle("Conversation History");
        });
        QVERIFY(pair.alike() && pair.kept->holdsPicture() && pair.alike());
        pair.change([](QGroupBox* frame) { frame->setTitle("How to play"); });
        QVERIFY(pair.alike());
    }

    void lineBoxShowsItsText()
    {
        Pair<LineBox, QLineEdit> pair;
        pair.change([](QLineEdit* box) {
            box->resize(120, 24);
            box->setReadOnly(true);
            box->clearFocus();
            box->setText("3");
        });
        QVERIFY(pair.alike() && pair.kept->holdsPicture() && pair.alike());
        pair.change([](QLineEdit* box) { box->setText("10"); });
        QVERIFY(pair.alike());
        QGroupBox frame("Frame", &pair.window); // paints its own ground, which the box's corners show
        frame.setGeometry(0, 0, 300, 100);
        frame.show();
        pair.kept->setParent(&frame);
        pair.kept->move(20, 30);
        pair.kept->show();
        pair.kept->releasePicture();
        QVERIFY(pair.kept->isVisible() && !shown(pair.kept).isNull() && !pair.kept->holdsPicture());
        pair.kept->setParent(&pair.window);
        pair.kept->move(0, 0);
        pair.kept->show();
        frame.hide();

        pair.kept->setFocusPolicy(Qt::StrongFocus);
        pair.kept->setFocus(); // the style marks the box that has the focus
        QVERIFY(pair.kept->hasFocus() && shown(pair.kept) != shown(pair.fresh));
    }

    void buttonShowsItsCaption()
    {
        QWidget window;
        auto* button = new WrapButton("Play Again", &window);
        button->resize(80, 57);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage first = shown(button);
        QVERIFY(button->holdsPicture() && shown(button) == first);
        button->setText("Click to continue");
        WrapButton fresh("Click to continue", &window);
        fresh.resize(80, 57);
        fresh.show();
        QVERIFY(shown(button) != first && shown(button) == shown(&fresh));
    }
};

QTEST_MAIN(TestFinishedPictures)
#include "tst_finishedpictures.moc"
