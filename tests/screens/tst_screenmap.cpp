// Every way from one screen to another, taken by clicking the real control, with
// the show and hide in the order each edge is designed with; and the clicks,
// keys and closings on the lessons and the games menu that lead nowhere else.
#include "screenfactory.h"
#include "screentesting.h"


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

} // namespace

class TestScreenMap : public QObject {
    Q_OBJECT
private slots:
    // Each by a click, and by the keyboard: Tab to the control, then Enter or the space bar.
    void everyEdge_data()
    {
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("key"); // 0 for a click of the mouse
        for (const Edge& edge : kEdges)
            for (int key : {0, int(Qt::Key_Space), int(Qt::Key_Return)})
                QTest::newRow(qPrintable(QString("%1 %2 %3").arg(screenName(edge.from), edge.control,
                                                                 key ? QKeySequence(key).toString() : "click")))
                    << int(&edge - kEdges) << key;
    }
    void everyEdge()
    {
        QFETCH(int, edge);
        QFETCH(int, key);
        const auto [from, control, to, order] = kEdges[edge];
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        click(shown(registry, ScreenId::SproutMain), "Command1"); // the links lie under the cover until then
        Screen& screen = shown(registry, from);
        if (from != ScreenId::SproutMain)
            registry.hide(ScreenId::SproutMain);
        QWidget* widget = screen.control(control);
        const bool outside = !widget->geometry().intersects(screen.client()->rect());
        if (key) // the shapes screen's button, outside the window, is pressed by the keyboard only
            QVERIFY(tabTo(screen, control));
        WindowLog log;
        if (key)
            QTest::keyClick(widget, Qt::Key(key));
        else if (!outside)
            click(screen, control);
        else // out of the mouse's reach: the keyboard presses it where it is
            QTest::keyClick(widget, Qt::Key_Space);
        const QStringList showThenHide{"show " + QString(screenName(to)), "hide " + QString(screenName(from))};
        QCOMPARE(log.events, (order == Order::ShowThenHide ? showThenHide : QStringList{showThenHide[1], showThenHide[0]}));
        QVERIFY(registry.reference(to).isVisible());
        QVERIFY(!screen.isVisible());
        QVERIFY(screen.isLoaded());
        QVERIFY2(reports.messages.isEmpty(), qPrintable(reports.messages.join("; ")));
    }

    // A double click on a link is one click: the second press lands neither on the
    // screen the first brought up under the pointer nor anywhere else.
    void aDoubleClickedLinkOpensItsOwnScreen_data()
    {
        QTest::addColumn<int>("edge");
        for (const Edge& edge : kEdges)
            if (edge.from == S::SproutMain || edge.from == S::Games)
                QTest::newRow(qPrintable(QString("%1 %2").arg(screenName(edge.from), edge.control))) << int(&edge - kEdges);
    }
    void aDoubleClickedLinkOpensItsOwnScreen()
    {
        QFETCH(int, edge);
        const auto [from, control, to, order] = kEdges[edge];
        ScreenRegistry registry(createScreen);
        click(shown(registry, ScreenId::SproutMain), "Command1");
        Screen& screen = shown(registry, from);
        if (from != ScreenId::SproutMain)
            registry.hide(ScreenId::SproutMain);
        doubleClick(screen.control(control));
        for (int other = 0; other < kScreenCount; ++other)
            QVERIFY2(registry.reference(S(other)).isVisible() == (S(other) == to), screenName(S(other)));
    }

    // Names, swatches, pictures, titles, sentences and the empty board: a click on
    // any of them changes nothing.
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
            click(screen, name);
            ++clicked;
        }
        QVERIFY(clicked >= 2);
        QVERIFY(screen.isVisible());
        QCOMPARE(log.events, QStringList());
        for (int other = 0; other < kScreenCount; ++other)
            QVERIFY(ScreenId(other) == id || !registry.find(ScreenId(other)));
    }

    // The control that has the focus when a screen comes up (none where the design
    // gives the focus to no control), then each one the Tab key reaches, round to the
    // first again: the designed tab positions, then the links and choices from the
    // top down. The links under the main menu's cover are out of reach.
    void focusOnArrivalAndTabOrder_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<QStringList>("round");
        QStringList cells;
        for (int cell = 1; cell <= 9; ++cell)
            cells << QStringLiteral("Picture1(%1)").arg(cell);
        const QStringList colours{"Label12", "Label11", "Label10", "Label9", "Label8",
                                  "Label7",  "Label6",  "Label5",  "Label4", "Label3"};
        const QStringList shapes{"Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"};
        const QStringList sums{"Label9",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",  "Label8",
                               "Label10", "Label11", "Label12", "Label14", "Label15", "Label16", "Label17",
                               "Label18", "Label19", "Label21", "Label22", "Label23", "Label24"};
        const std::tuple<S, QString, QStringList> rows[] = {
            {S::SproutMain, "Text1", {"Text1", "Command1"}},
            {S::frmShapes, "Command1", {"Command1", "Label12", "Label11"}},
            {S::frmColors, "", {"Label25", "Label22"}},
            {S::frmLetters, "", {"Label11"}},
            {S::FrmNumbers, "", {"Label22"}},
            {S::measure, "", {"Label11"}},
            {S::Games, "", {"Label2", "Label3", "Label4", "Label5", "Label6", "Label11"}},
            {S::Form1, "Picture1(1)", cells + QStringList{"Cmdgamestart", "Text1", "Label11"}},
            {S::GuessColor, "Command2", QStringList{"Command2", "Text2", "Label13"} + colours},
            {S::Guessshape, "Text2", QStringList{"Text2", "Command2", "Label11"} + shapes},
            {S::MathTest, "Text2", QStringList{"Text2"} + sums + QStringList{"Command1", "Label13"}},
            {S::Spellword, "Text1", {"Text1", "Command1", "Label13", "Text2"}},
            {S::awardcolor, "Command1", {"Command1", "Command2", "Picture1"}},
            {S::awardshape, "Command1", {"Command1", "Command2", "Picture1"}},
            {S::awardword, "Command2", {"Command2", "Command1", "Picture1"}},
            {S::awardmath, "Command2", {"Command2", "Command1", "Picture1"}},
        };
        for (const auto& [id, arrival, round] : rows)
            QTest::newRow(screenName(id)) << id << arrival << round;
    }
    void focusOnArrivalAndTabOrder()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, arrival);
        QFETCH(QStringList, round);
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, id);
        auto focusName = [&] {
            QWidget* focus = screen.window()->focusWidget();
            return focus && focus != screen.client() && screen.client()->isAncestorOf(focus) ? focus->objectName()
                                                                                            : QString();
        };
        QCOMPARE(focusName(), arrival);
        QStringList reached;
        for (int press = 0; press <= round.size(); ++press) {
            QWidget* focus = screen.window()->focusWidget();
            QTest::keyClick(focus ? focus : screen.window(), Qt::Key_Tab);
            reached << focusName();
        }
        const int start = arrival.isEmpty() ? 0 : 1;
        QCOMPARE(reached, (round + round).mid(start, round.size() + 1));
    }

    // The first game link lies above the heading where they overlap.
    void theFirstGameLinkTakesTheClickOverTheHeading()
    {
        ScreenRegistry registry(createScreen);
        QCOMPARE(clickAt(shown(registry, ScreenId::Games), QPoint(2900, 1450))->objectName(), QString("Label2"));
        QVERIFY(registry.reference(ScreenId::Form1).isVisible());
    }

    // The shapes screen's button, outside the window, holds the focus each time the
    // screen comes up: Return and Enter go back, other keys stay (Tab and the arrows go on to the links).
    void shapesKeyboardWayBack()
    {
        ScreenRegistry registry(createScreen);
        Screen& main = shown(registry, ScreenId::SproutMain);
        click(main, "Command1");
        Screen& shapes = registry.reference(ScreenId::frmShapes);
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            if (!shapes.isVisible())
                click(main, "Label2");
            QTest::keyClick(shapes.window()->focusWidget(), key);
            QCOMPARE(main.isVisible(), key == Qt::Key_Return || key == Qt::Key_Enter);
        }
    }
};

QTEST_MAIN(TestScreenMap)
#include "tst_screenmap.moc"
