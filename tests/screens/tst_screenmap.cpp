// Every way from one screen to another, taken by clicking the real control, with
// the show and hide in the order each edge is designed with; and the clicks,
// keys and closings on the lessons and the games menu that lead nowhere else.
#include "screenfactory.h"
#include "screentesting.h"

Q_DECLARE_METATYPE(sprout::ScreenId)
Q_DECLARE_METATYPE(sprout::Order)

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

QStringList createdBesides(const ScreenRegistry& registry, ScreenId id)
{
    QStringList created;
    for (int i = 0; i < kScreenCount; ++i)
        if (ScreenId(i) != id && registry.find(ScreenId(i)))
            created << screenName(ScreenId(i));
    return created;
}

struct Links {
    ScreenId id;
    QStringList links;
};
const Links kStaticScreens[] = {
    {ScreenId::frmColors, {"Label22", "Label25"}},
    {ScreenId::frmShapes, {"Label11", "Label12", "Command1"}},
    {ScreenId::frmLetters, {"Label11"}},
    {ScreenId::FrmNumbers, {"Label22"}},
    {ScreenId::measure, {"Label11"}},
    {ScreenId::Games, {"Label2", "Label3", "Label4", "Label5", "Label6", "Label11"}},
};

} // namespace

class TestScreenMap : public QObject {
    Q_OBJECT
private slots:
    void everyEdge_data()
    {
        QTest::addColumn<ScreenId>("from");
        QTest::addColumn<QString>("control");
        QTest::addColumn<ScreenId>("to");
        QTest::addColumn<Order>("order");
        using S = ScreenId;
        const auto showHide = Order::ShowThenHide;
        const auto hideShow = Order::HideThenShow;
        struct Edge { S from; const char* control; S to; Order order; };
        const Edge edges[] = {
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
        for (const Edge& edge : edges)
            QTest::newRow(qPrintable(QString("%1 %2").arg(screenName(edge.from), edge.control)))
                << edge.from << QString(edge.control) << edge.to << edge.order;
    }
    void everyEdge()
    {
        QFETCH(ScreenId, from);
        QFETCH(QString, control);
        QFETCH(ScreenId, to);
        QFETCH(Order, order);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY(registry.show(ScreenId::SproutMain));
        click(registry.reference(ScreenId::SproutMain), "Command1"); // the links lie under the cover until then
        QVERIFY2(registry.show(from), qPrintable(reports.messages.join("; ")));
        if (from != ScreenId::SproutMain)
            registry.hide(ScreenId::SproutMain);
        Screen& screen = registry.reference(from);
        QWidget* widget = screen.control(control);

        WindowLog log;
        if (widget->geometry().intersects(screen.client()->rect()))
            click(screen, control);
        else // the shapes screen's button lies outside the window: the keyboard presses it
            QTest::keyClick(widget, Qt::Key_Space);

        const QString shown = "show " + QString(screenName(to));
        const QString hidden = "hide " + QString(screenName(from));
        const QStringList expected = order == Order::ShowThenHide ? QStringList{shown, hidden} : QStringList{hidden, shown};
        QCOMPARE(log.events, expected);
        QVERIFY(registry.reference(to).isVisible());
        QVERIFY(!screen.isVisible() && screen.isLoaded());
        QVERIFY2(reports.messages.isEmpty(), qPrintable(reports.messages.join("; ")));
    }

    // Names, swatches, pictures, titles, sentences and the empty board: a click on
    // any of them changes nothing.
    void clicksOffTheLinksDoNothing_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QStringList>("links");
        for (const Links& screen : kStaticScreens)
            QTest::newRow(screenName(screen.id)) << screen.id << screen.links;
    }
    void clicksOffTheLinksDoNothing()
    {
        QFETCH(ScreenId, id);
        QFETCH(QStringList, links);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        WindowLog log;
        int clicked = 0;
        for (QWidget* widget : screen.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = widget->objectName();
            // The link over the games heading takes the click where they overlap.
            if (links.contains(name) || name.isEmpty() || !widget->geometry().intersects(screen.client()->rect()))
                continue;
            click(screen, name);
            ++clicked;
        }
        QVERIFY(clicked >= 2);
        QVERIFY(screen.isVisible());
        QCOMPARE(log.events, QStringList());
        QCOMPARE(createdBesides(registry, id), QStringList());
    }

    // The control that has the focus when a screen comes up, then each one the Tab
    // key reaches, round to the first again; empty where nothing takes the focus.
    void focusOnArrivalAndTabOrder_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QStringList>("order");
        using S = ScreenId;
        QStringList cells;
        for (int cell = 1; cell <= 9; ++cell)
            cells << QStringLiteral("Picture1(%1)").arg(cell);
        const std::pair<S, QStringList> rows[] = {
            {S::SproutMain, {"Text1", "Command1"}}, {S::frmShapes, {"Command1"}}, {S::frmColors, {}},
            {S::frmLetters, {}}, {S::FrmNumbers, {}}, {S::measure, {}}, {S::Games, {}},
            {S::Form1, cells + QStringList{"Cmdgamestart", "Text1"}}, {S::GuessColor, {"Command2", "Text2"}},
            {S::Guessshape, {"Text2", "Command2"}}, {S::MathTest, {"Text2", "Command1"}},
            {S::Spellword, {"Text2", "Text1", "Command1"}}, {S::awardcolor, {"Command1", "Command2", "Picture1"}},
            {S::awardshape, {"Command1", "Command2", "Picture1"}}, {S::awardword, {"Command2", "Command1", "Picture1"}},
            {S::awardmath, {"Command2", "Command1", "Picture1"}},
        };
        for (const auto& [id, order] : rows)
            QTest::newRow(screenName(id)) << id << order;
    }
    void focusOnArrivalAndTabOrder()
    {
        QFETCH(ScreenId, id);
        QFETCH(QStringList, order);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        QStringList reached;
        for (int press = 0; press <= order.size(); ++press) {
            QWidget* focus = screen.window()->focusWidget();
            reached << (focus && screen.client()->isAncestorOf(focus) ? focus->objectName() : QString());
            QTest::keyClick(focus ? focus : screen.window(), Qt::Key_Tab);
        }
        QCOMPARE(reached, order.isEmpty() ? QStringList{QString()} : order + order.mid(0, 1));
    }

    // The first game link lies above the heading where they overlap.
    void theFirstGameLinkTakesTheClickOverTheHeading()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Games));
        QCOMPARE(clickAt(registry.reference(ScreenId::Games), QPoint(2900, 1450))->objectName(), QString("Label2"));
        QVERIFY(registry.reference(ScreenId::Form1).isVisible());
    }

    // The shapes screen's button, outside the window, holds the focus each time the
    // screen comes up: Enter goes back, other keys stay.
    void shapesKeyboardWayBack()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::SproutMain));
        Screen& main = registry.reference(ScreenId::SproutMain);
        click(main, "Command1");
        Screen& shapes = registry.reference(ScreenId::frmShapes);
        for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
            click(main, "Label2");
            for (int other : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Down})
                QTest::keyClick(shapes.window()->focusWidget(), Qt::Key(other));
            QVERIFY(shapes.isVisible());
            QTest::keyClick(shapes.window()->focusWidget(), Qt::Key(key));
            QVERIFY(main.isVisible() && !shapes.isVisible());
        }
    }
};

QTEST_MAIN(TestScreenMap)
#include "tst_screenmap.moc"
