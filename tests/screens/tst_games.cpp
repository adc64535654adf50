#include "screentesting.h"

#include <QLabel>

using namespace sprout;
using namespace sprout::testing;

Q_DECLARE_METATYPE(sprout::ScreenId)
Q_DECLARE_METATYPE(sprout::Order)

namespace {

// Notes, at the moment a screen's window comes on show, whether the games menu was
// still visible: that tells the two orders of a navigation apart.
class ShowWatcher : public QObject {
public:
    ShowWatcher(const char* target, Screen& games) : m_target(target), m_games(games)
    {
        qApp->installEventFilter(this);
    }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }

    int shows = 0;
    bool gamesVisibleAtShow = false;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && object->isWidgetType()
            && static_cast<QWidget*>(object)->isWindow() && object->objectName() == m_target) {
            ++shows;
            gamesVisibleAtShow = m_games.isVisible();
        }
        return false;
    }

private:
    QString m_target;
    Screen& m_games;
};

// Every screen that has been created besides the games menu.
QStringList otherScreens(const ScreenRegistry& registry)
{
    QStringList created;
    for (int i = 0; i < kScreenCount; ++i)
        if (ScreenId(i) != ScreenId::Games && registry.find(ScreenId(i)))
            created << screenName(ScreenId(i));
    return created;
}

} // namespace

class TestGames : public QObject {
    Q_OBJECT
private slots:
    void everyLinkOpensItsScreen_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<ScreenId>("target");
        QTest::addColumn<Order>("order");

        QTest::newRow("Tic Tac Toe") << "Label2" << "- Tic Tac Toe" << ScreenId::Form1 << Order::ShowThenHide;
        QTest::newRow("color") << "Label3" << "- Guess the color." << ScreenId::GuessColor << Order::ShowThenHide;
        QTest::newRow("shape") << "Label4" << "- Guess the shape." << ScreenId::Guessshape << Order::HideThenShow;
        QTest::newRow("word") << "Label5" << "- Spell the word." << ScreenId::Spellword << Order::HideThenShow;
        QTest::newRow("math") << "Label6" << "- Practice your math skills." << ScreenId::MathTest << Order::ShowThenHide;
        QTest::newRow("back") << "Label11" << "Back to Main" << ScreenId::SproutMain << Order::HideThenShow;
    }

    void everyLinkOpensItsScreen()
    {
        QFETCH(QString, link);
        QFETCH(QString, caption);
        QFETCH(ScreenId, target);
        QFETCH(Order, order);

        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY(registry.show(ScreenId::Games));
        Screen& games = registry.reference(ScreenId::Games);
        QCOMPARE(games.control<QLabel>(link)->text(), caption);

        ShowWatcher watcher(screenName(target), games);
        click(games, link);

        QVERIFY2(reports.messages.isEmpty(), qPrintable(reports.messages.join("; ")));
        Screen* opened = registry.find(target);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QVERIFY(!games.isVisible());
        QVERIFY(games.isLoaded());
        QCOMPARE(watcher.shows, 1);
        QCOMPARE(watcher.gamesVisibleAtShow, order == Order::ShowThenHide);
        QCOMPARE(otherScreens(registry), QStringList{screenName(target)});
    }

    void theFirstLinkTakesClicksWhereTheHeadingOverlapsIt()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::Games);
        Screen& games = registry.reference(ScreenId::Games);

        // Inside both rectangles: left 2400 to 3255, top 1320 to 1575.
        QWidget* hit = clickAt(games, QPoint(2900, 1450));
        QCOMPARE(hit->objectName(), QString("Label2"));
        QVERIFY(registry.find(ScreenId::Form1) && registry.find(ScreenId::Form1)->isVisible());
        QVERIFY(!games.isVisible());
    }

    void theHeadingAndTheBoardDoNothing()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::Games);
        Screen& games = registry.reference(ScreenId::Games);

        click(games, "Label1");
        // Empty board: beside the links, below the back link, and beyond the
        // picture's edge at the right.
        for (QPoint point : {QPoint(6500, 2200), QPoint(3000, 4600), QPoint(300, 300), QPoint(8770, 2000)})
            clickAt(games, point);

        QVERIFY(games.isVisible());
        QCOMPARE(otherScreens(registry), QStringList());
    }

    void stackingMatchesTheDesign()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::Games);
        Screen& games = registry.reference(ScreenId::Games);

        // Children are painted in list order: later lies above.
        QStringList fromTop;
        const QObjectList children = games.client()->children();
        for (auto it = children.crbegin(); it != children.crend(); ++it)
            if ((*it)->isWidgetType() && !(*it)->objectName().isEmpty())
                fromTop << (*it)->objectName();
        QCOMPARE(fromTop, (QStringList{"Label6", "Label5", "Label4", "Label3", "Label11", "Label2",
                                        "Label1", "Image1"}));
        QCOMPARE(games.control("Image1")->size(), QSize(586, 368));
        for (QWidget* child : games.client()->findChildren<QWidget*>())
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }

    void exitUnloadsOnlyTheMenu()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::SproutMain);
        registry.show(ScreenId::Games);
        chooseMenu(registry.reference(ScreenId::Games), "mnuExit");
        settle();
        QVERIFY(!registry.reference(ScreenId::Games).isLoaded());
        QVERIFY(registry.reference(ScreenId::SproutMain).isVisible());
    }
};

QTEST_MAIN(TestGames)
#include "tst_games.moc"
