#include "screentesting.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace sprout;
using namespace sprout::testing;

namespace {

constexpr Control kDesign[] = {
    {Kind::TextBox, "Text1", "design text", 0, 0, 3000, 300, {}, nullptr, 1},
    {Kind::Label, "Label1", "Go", 0, 600, 1500, 300},
};

// A screen that counts its loads and can be told to fail them.
class ProbeScreen : public Screen {
public:
    ProbeScreen(ScreenRegistry& registry, ScreenId id, ScreenId next)
        : Screen(registry, id, kWindowDesign, kDesign)
    {
        onClick("Label1", [this, next] { navigate(next, Order::HideThenShow); });
    }
    int loads = 0;
    int ownVariable = 0;
    bool filesReadable = true;

protected:
    bool readPictureFiles() override { return filesReadable; }
    void Form_Load() override { ++loads; }

private:
    static constexpr WindowDesign kWindowDesign{"Probe", 4500, 3000, Placement::Centre, false,
                                                false, kExitOnly};
};

struct Fixture {
    ScreenRegistry registry{[](ScreenId id, ScreenRegistry& registry) {
        ++created;
        const ScreenId next = id == ScreenId::SproutMain ? ScreenId::Games : ScreenId::SproutMain;
        return std::make_unique<ProbeScreen>(registry, id, next);
    }};
    static inline int created = 0;
    ProbeScreen& probe(ScreenId id) { return registry.reference<ProbeScreen>(id); }
};

} // namespace

class TestScreenRegistry : public QObject {
    Q_OBJECT
private slots:
    void init() { Fixture::created = 0; }

    void referenceCreatesOnceAndDoesNotLoad()
    {
        Fixture f;
        QVERIFY(!f.registry.find(ScreenId::Games));
        Screen& first = f.registry.reference(ScreenId::Games);
        QCOMPARE(&f.registry.reference(ScreenId::Games), &first);
        QCOMPARE(Fixture::created, 1);
        QVERIFY(!first.isLoaded());
        QCOMPARE(f.probe(ScreenId::Games).loads, 0);
    }

    void showLoadsOnceAndHideKeepsEverything()
    {
        Fixture f;
        QVERIFY(f.registry.show(ScreenId::Games));
        ProbeScreen& games = f.probe(ScreenId::Games);
        QVERIFY(games.isVisible());
        games.control<QLineEdit>("Text1")->setText("typed by the child");
        f.registry.hide(ScreenId::Games);
        QVERIFY(!games.isVisible());
        QVERIFY(games.isLoaded());
        f.registry.show(ScreenId::Games);
        QCOMPARE(games.loads, 1);
        QCOMPARE(games.control<QLineEdit>("Text1")->text(), QString("typed by the child"));
    }

    void unloadDestroysControlsButKeepsTheScreenAndItsVariables()
    {
        Fixture f;
        f.registry.show(ScreenId::Games);
        ProbeScreen& games = f.probe(ScreenId::Games);
        games.ownVariable = 42;
        games.control<QLineEdit>("Text1")->setText("changed");
        QPointer<QWidget> window = games.window();
        f.registry.unload(ScreenId::Games);
        settle();
        QVERIFY(window.isNull());
        QVERIFY(!games.isLoaded());
        QVERIFY(!games.control("Text1"));

        f.registry.show(ScreenId::Games);
        QCOMPARE(&f.probe(ScreenId::Games), &games);
        QCOMPARE(games.loads, 2);
        QCOMPARE(games.ownVariable, 42);
        QCOMPARE(games.control<QLineEdit>("Text1")->text(), QString("design text"));
        QCOMPARE(Fixture::created, 1);
    }

    void exitAndCloseBoxUnloadOnlyTheirOwnScreen()
    {
        Fixture f;
        f.registry.show(ScreenId::SproutMain);
        f.registry.show(ScreenId::Games);
        chooseMenu(f.probe(ScreenId::Games), "mnuExit");
        QVERIFY(!f.probe(ScreenId::Games).isLoaded());
        QVERIFY(f.probe(ScreenId::SproutMain).isVisible());

        f.registry.show(ScreenId::Games);
        f.probe(ScreenId::Games).window()->close();
        QVERIFY(!f.probe(ScreenId::Games).isLoaded());
        QVERIFY(f.probe(ScreenId::SproutMain).isVisible());
    }

    void lastScreenClosedOnlyWhenNothingIsVisible()
    {
        Fixture f;
        QSignalSpy ended(&f.registry, &ScreenRegistry::lastScreenClosed);
        f.registry.show(ScreenId::SproutMain);
        f.registry.show(ScreenId::Games);
        f.registry.unload(ScreenId::Games);
        QCOMPARE(ended.count(), 0);

        // Navigation hides the main menu; closing the screen now on show leaves
        // nothing to look at, though the main menu is still loaded.
        click(f.probe(ScreenId::SproutMain), "Label1");
        QVERIFY(f.probe(ScreenId::Games).isVisible());
        QVERIFY(!f.probe(ScreenId::SproutMain).isVisible());
        chooseMenu(f.probe(ScreenId::Games), "mnuExit");
        QCOMPARE(ended.count(), 1);
    }

    void aScreenThatCannotComeUpLeavesTheChildWhereItWas()
    {
        Fixture f;
        f.registry.show(ScreenId::SproutMain);
        f.registry.reference<ProbeScreen>(ScreenId::Games).filesReadable = false;
        click(f.probe(ScreenId::SproutMain), "Label1");
        QVERIFY(f.probe(ScreenId::SproutMain).isVisible());
        QVERIFY(!f.probe(ScreenId::Games).isLoaded());
        QCOMPARE(f.probe(ScreenId::Games).loads, 0);

        f.probe(ScreenId::Games).filesReadable = true;
        click(f.probe(ScreenId::SproutMain), "Label1");
        QVERIFY(f.probe(ScreenId::Games).isVisible());
        QVERIFY(!f.probe(ScreenId::SproutMain).isVisible());
    }
};

QTEST_MAIN(TestScreenRegistry)
#include "tst_screenregistry.moc"
