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

// A screen that counts its loads and can be told to fail them; Label1 leads from
// the main menu to the games menu and back.
class ProbeScreen : public Screen {
public:
    ProbeScreen(ScreenRegistry& registry, ScreenId id)
        : Screen(registry, id, kScreenDesign)
    {
        onClick("Label1", [this, id] {
            navigate(id == ScreenId::SproutMain ? ScreenId::Games : ScreenId::SproutMain, Order::HideThenShow);
        });
    }
    int loads = 0;
    bool filesReadable = true;

protected:
    bool readPictureFiles() override { return filesReadable; }
    void Form_Load() override { ++loads; }

private:
    static constexpr WindowDesign kWindowDesign{"Probe", 4500, 3000, Placement::Centre, false, false, kExitOnly};
    static constexpr ScreenDesign kScreenDesign{kWindowDesign, kDesign};
};

QString state(const Screen& screen)
{
    return screen.isVisible() ? "shown" : screen.isLoaded() ? "hidden" : "unloaded";
}

} // namespace

class TestScreenRegistry : public QObject {
    Q_OBJECT
private slots:
    // Exit and the close box unload only their own screen, which comes back fresh; a
    // hidden screen keeps what it holds, and does not keep the program going.
    void screensComeAndGoAndTheLastOneEndsTheProgram()
    {
        int created = 0;
        ScreenRegistry registry([&created](ScreenId id, ScreenRegistry& registry) {
            ++created;
            return std::make_unique<ProbeScreen>(registry, id);
        });
        auto& main = registry.reference<ProbeScreen>(ScreenId::SproutMain);
        auto& games = registry.reference<ProbeScreen>(ScreenId::Games);
        auto states = [&] { return QString("main %1, games %2").arg(state(main), state(games)); };
        QSignalSpy ended(&registry, &ScreenRegistry::lastScreenClosed);
        QVERIFY(registry.show(ScreenId::SproutMain));
        games.filesReadable = false;
        click(main, "Label1");
        QCOMPARE(states(), QString("main shown, games unloaded"));
        QCOMPARE(games.loads, 0);

        games.filesReadable = true;
        click(main, "Label1");
        QCOMPARE(states(), QString("main hidden, games shown"));
        games.control<QLineEdit>("Text1")->setText("typed by the child");
        click(games, "Label1");
        click(main, "Label1");
        QCOMPARE(games.loads, 1);
        QCOMPARE(games.control<QLineEdit>("Text1")->text(), QString("typed by the child"));

        QVERIFY(registry.show(ScreenId::SproutMain));
        const QPointer<QWidget> window = games.window();
        chooseMenu(games, "mnuExit");
        settle();
        QCOMPARE(states(), QString("main shown, games unloaded"));
        QVERIFY(window.isNull());
        QVERIFY(registry.show(ScreenId::Games));
        QCOMPARE(games.loads, 2);
        QCOMPARE(created, 2);
        QCOMPARE(games.control<QLineEdit>("Text1")->text(), QString("design text"));
        games.window()->close();
        QCOMPARE(states(), QString("main shown, games unloaded"));

        click(main, "Label1");
        QCOMPARE(states(), QString("main hidden, games shown"));
        QCOMPARE(ended.count(), 0);
        chooseMenu(games, "mnuExit");
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestScreenRegistry)
#include "tst_screenregistry.moc"
