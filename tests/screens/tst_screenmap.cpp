// Every way from one screen to another, in the designed order of show and hide; and the
// clicks and keys on the lessons and the games menu that lead nowhere else.
#include "screenfactory.h"
#include "screentesting.h"

#include <QAccessibleActionInterface>

using namespace sprout;
using namespace sprout::testing;

namespace {

// Records the screens' windows as they are shown and hidden.
class WindowLog : public QObject {
public:
    WindowLog() { qApp->installEventFilter(this); }
    ~WindowLog() override { qApp->removeEventFilter(this); }
    QStringList events;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (qobject_cast<QMainWindow*>(watched) && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            events << (event->type() == QEvent::Show ? "show " : "hide ") + watched->objectName();
        return false;
    }
};

using S = ScreenId;
struct Edge {
    S from;
    const char* control;
    S to;
    Order order;
};
constexpr Order showHide = Order::ShowThenHide, hideShow = Order::HideThenShow;
const Edge kEdges[] = {
    {S::SproutMain, "Label2", S::frmShapes, showHide}, {S::SproutMain, "Label3", S::frmLetters, showHide},
    {S::SproutMain, "Label4", S::FrmNumbers, showHide}, {S::SproutMain, "Label5", S::frmColors, showHide},
    {S::SproutMain, "Label6", S::Games, showHide}, {S::SproutMain, "Label7", S::measure, showHide},
    {S::frmColors, "Label22", S::SproutMain, hideShow}, {S::frmColors, "Label25", S::GuessColor, hideShow},
    {S::frmShapes, "Label11", S::SproutMain, hideShow}, {S::frmShapes, "Command1", S::SproutMain, hideShow},
    {S::frmShapes, "Label12", S::Guessshape, hideShow}, {S::frmLetters, "Label11", S::SproutMain, hideShow},
    {S::FrmNumbers, "Label22", S::SproutMain, hideShow}, {S::measure, "Label11", S::SproutMain, showHide},
    {S::Games, "Label2", S::Form1, showHide}, {S::Games, "Label3", S::GuessColor, showHide},
    {S::Games, "Label4", S::Guessshape, hideShow}, {S::Games, "Label5", S::Spellword, hideShow},
    {S::Games, "Label6", S::MathTest, showHide}, {S::Games, "Label11", S::SproutMain, hideShow},
    {S::Form1, "Label11", S::SproutMain, hideShow}, {S::GuessColor, "Label13", S::Games, hideShow},
    {S::Guessshape, "Label11", S::Games, hideShow}, {S::Spellword, "Label13", S::Games, showHide},
    {S::MathTest, "Label13", S::Games, hideShow},
};

constexpr int kClick = 0, kDoubleClick = 1, kReader = 2; // else the key pressed
const std::pair<int, const char*> kWays[] = {
    {kClick, "click"}, {kDoubleClick, "double click"}, {kReader, "screen reader"}, {Qt::Key_Space, "Space"},
    {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}};

} // namespace

class TestScreenMap : public QObject {
    Q_OBJECT
private slots:
    // By a click, Tab and Return, Enter or Space, and a screen reader's press. A double click on a
    // link is one click: its second press lands nowhere, not on the screen brought up.
    void everyEdge_data()
    {
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("way");
        for (const Edge& edge : kEdges)
            for (auto [way, name] : kWays)
                if ((way != kDoubleClick || edge.from == S::SproutMain || edge.from == S::Games)
                    && (way != kReader || QByteArray(edge.control).startsWith("Label")))
                    QTest::newRow(qPrintable(QString("%1 %2 %3").arg(screenName(edge.from), edge.control, name)))
                        << int(&edge - kEdges) << way;
    }
    void everyEdge()
    {
        QFETCH(int, edge);
        QFETCH(int, way);
        const auto [from, control, to, order] = kEdges[edge];
        ScreenRegistry registry(createScreen);
        click(shown(registry, ScreenId::SproutMain), "Command1"); // the links lie under the cover until then
        Screen& screen = shown(registry, from);
        if (from != ScreenId::SproutMain)
            registry.hide(ScreenId::SproutMain);
        QWidget* widget = screen.control(control);
        const bool key = way != kClick && way != kDoubleClick && way != kReader;
        if (key)
            QVERIFY(tabTo(screen, control));
        WindowLog log;
        if (key)
            QTest::keyClick(widget, Qt::Key(way));
        else if (way == kDoubleClick)
            doubleClick(widget);
        else if (way == kReader) {
            QAccessibleInterface* reader = readerOf(widget);
            QCOMPARE(reader->role(), QAccessible::Button);
            reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        else if (widget->geometry().intersects(screen.client()->rect()))
            click(screen, control);
        else // the shapes screen's button, outside the window, is pressed by the keyboard only
            QTest::keyClick(widget, Qt::Key_Space);
        const QStringList showThenHide{"show " + QString(screenName(to)), "hide " + QString(screenName(from))};
        QCOMPARE(log.events, (order == Order::ShowThenHide ? showThenHide : QStringList{showThenHide[1], showThenHide[0]}));
    }

    // Names, swatches, pictures, titles, sentences and the empty board: a click on any
    // of them changes nothing, and a screen reader does not call them buttons.
    void clicksOffTheLinksDoNothing_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (S id : {S::frmColors, S::frmShapes, S::frmLetters, S::FrmNumbers, S::measure, S::Games})
            QTest::newRow(screenName(id)) << id;
    }
    void clicksOffTheLinksDoNothing()
    {
        QFETCH(ScreenId, id);
        QStringList links;
        for (const Edge& edge : kEdges)
            if (edge.from == id)
                links << edge.control;
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, id);
        WindowLog log;
        int clicked = 0;
        for (QWidget* widget : screen.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = widget->objectName();
            // The link over the games heading takes the click where they overlap.
            if (links.contains(name) || !screen.control(name) || !widget->geometry().intersects(screen.client()->rect()))
                continue;
            QVERIFY2(readerOf(widget)->role() != QAccessible::Button, qPrintable(name));
            click(screen, name);
            ++clicked;
        }
        QVERIFY(clicked >= 2);
        QCOMPARE(log.events, QStringList());
    }

    // The first game link lies above the heading where they overlap.
    void theFirstGameLinkTakesTheClickOverTheHeading()
    {
        ScreenRegistry registry(createScreen);
        Screen& games = shown(registry, ScreenId::Games);
        QCOMPARE(clickAt(games, QPoint(2900, 1450) / kTwipsPerPixel)->objectName(), QString("Label2"));
    }

};

QTEST_MAIN(TestScreenMap)
#include "tst_screenmap.moc"
