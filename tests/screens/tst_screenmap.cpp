// Every way from one screen to another, taken by clicking the real control, with
// the show and hide in the order each edge is designed with.
#include "screentesting.h"

Q_DECLARE_METATYPE(sprout::ScreenId)
Q_DECLARE_METATYPE(sprout::Order)

using namespace sprout;
using namespace sprout::testing;

namespace {

// Records the screens' windows as they are shown and hidden.
class WindowLog : public QObject {
public:
    QStringList events;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow() && qobject_cast<QMainWindow*>(widget)) {
            if (event->type() == QEvent::Show)
                events << "show " + widget->objectName();
            else if (event->type() == QEvent::Hide)
                events << "hide " + widget->objectName();
        }
        return false;
    }
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
            {S::SproutMain, "Label2", S::frmShapes, showHide},
            {S::SproutMain, "Label3", S::frmLetters, showHide},
            {S::SproutMain, "Label4", S::FrmNumbers, showHide},
            {S::SproutMain, "Label5", S::frmColors, showHide},
            {S::SproutMain, "Label6", S::Games, showHide},
            {S::SproutMain, "Label7", S::measure, showHide},
            {S::frmColors, "Label22", S::SproutMain, hideShow},
            {S::frmColors, "Label25", S::GuessColor, hideShow},
            {S::frmShapes, "Label11", S::SproutMain, hideShow},
            {S::frmShapes, "Command1", S::SproutMain, hideShow},
            {S::frmShapes, "Label12", S::Guessshape, hideShow},
            {S::frmLetters, "Label11", S::SproutMain, hideShow},
            {S::FrmNumbers, "Label22", S::SproutMain, hideShow},
            {S::measure, "Label11", S::SproutMain, showHide},
            {S::Games, "Label2", S::Form1, showHide},
            {S::Games, "Label3", S::GuessColor, showHide},
            {S::Games, "Label4", S::Guessshape, hideShow},
            {S::Games, "Label5", S::Spellword, hideShow},
            {S::Games, "Label6", S::MathTest, showHide},
            {S::Games, "Label11", S::SproutMain, hideShow},
            {S::Form1, "Label11", S::SproutMain, hideShow},
            {S::GuessColor, "Label13", S::Games, hideShow},
            {S::Guessshape, "Label11", S::Games, hideShow},
            {S::Spellword, "Label13", S::Games, showHide},
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
        registry.show(ScreenId::SproutMain);
        Screen& main = registry.reference(ScreenId::SproutMain);
        click(main, "Command1"); // the links lie under the cover until then
        // Targets that are already loaded come back without loading again.
        registry.load(to);
        QVERIFY2(registry.show(from), qPrintable(reports.messages.join("; ")));
        if (from != ScreenId::SproutMain)
            registry.hide(ScreenId::SproutMain);
        if (to != from && to != ScreenId::SproutMain)
            registry.hide(to);
        Screen& screen = registry.reference(from);
        QWidget* widget = screen.control(control);
        if (!widget)
            QSKIP("that screen's controls are not built yet");

        WindowLog log;
        qApp->installEventFilter(&log);
        if (widget->geometry().intersects(screen.client()->rect()))
            click(screen, control);
        else // a button outside the window is pressed from the keyboard
            QTest::keyClick(widget, Qt::Key_Space);
        qApp->removeEventFilter(&log);

        const QString shown = "show " + QString(screenName(to));
        const QString hidden = "hide " + QString(screenName(from));
        const QStringList expected = order == Order::ShowThenHide ? QStringList{shown, hidden}
                                                                  : QStringList{hidden, shown};
        QCOMPARE(log.events, expected);
        QVERIFY(registry.reference(to).isVisible());
        QVERIFY(!screen.isVisible());
        QVERIFY(screen.isLoaded());
        QVERIFY2(reports.messages.isEmpty(), qPrintable(reports.messages.join("; ")));
    }
};

QTEST_MAIN(TestScreenMap)
#include "tst_screenmap.moc"
