#include "screentesting.h"

#include <QBackingStore>
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

struct Fixture {
    int created = 0;
    ScreenRegistry registry{[this](ScreenId id, ScreenRegistry& registry) {
        ++created;
        return std::make_unique<ProbeScreen>(registry, id);
    }};
    ProbeScreen& main = registry.reference<ProbeScreen>(ScreenId::SproutMain);
    ProbeScreen& games = registry.reference<ProbeScreen>(ScreenId::Games);
};

} // namespace

class TestScreenRegistry : public QObject {
    Q_OBJECT
private slots:
    // A hidden screen shown again is loaded once (what it keeps is tst_quizzes' and
    // tst_tictactoescreen's); an unloaded one lets its window go and is loaded afresh.
    void hiddenScreensStayLoadedAndUnloadedOnesComeBackFresh()
    {
        Fixture f;
        QVERIFY(!f.games.isLoaded() && f.registry.show(ScreenId::Games));
        f.games.control<QLineEdit>("Text1")->setText("typed by the child");
        f.registry.hide(ScreenId::Games);
        QVERIFY(f.registry.show(ScreenId::Games) && f.games.loads == 1);
        QPointer<QWidget> window = f.games.window();
        f.registry.unload(ScreenId::Games);
        settle();
        QVERIFY(window.isNull() && !f.games.control("Text1"));
        f.registry.show(ScreenId::Games);
        QVERIFY(f.games.loads == 2 && f.created == 2 && f.games.control<QLineEdit>("Text1")->text() == "design text");
    }

    // Only the screens left last keep their window's pixels; one left earlier is
    // painted afresh, whole, when the child comes back to it.
    void screensLeftLongAgoLetTheirPixelsGo()
    {
        Fixture f;
        const ScreenId order[] = {ScreenId::SproutMain, ScreenId::Games, ScreenId::frmColors, ScreenId::frmShapes};
        for (ScreenId id : order) {
            QVERIFY(f.registry.show(id));
            settle(); // painted, so the window holds its pixels
        }
        for (ScreenId id : order)
            if (id != ScreenId::frmShapes)
                f.registry.hide(id);
        auto pixels = [&](ScreenId id) { return f.registry.find(id)->window()->backingStore()->size(); };
        QCOMPARE(pixels(ScreenId::SproutMain), QSize(0, 0));
        QVERIFY(!pixels(ScreenId::Games).isEmpty() && !pixels(ScreenId::frmColors).isEmpty());

        f.registry.show(ScreenId::SproutMain);
        settle();
        QVERIFY(pixels(ScreenId::SproutMain) == f.main.window()->size() && f.main.loads == 1);
    }

    // Exit and the close box unload only their own screen; the program ends once no
    // screen is on show, though hidden ones are still loaded.
    void exitUnloadsItsScreenAndTheLastOneEndsTheProgram()
    {
        Fixture f;
        QSignalSpy ended(&f.registry, &ScreenRegistry::lastScreenClosed);
        f.registry.show(ScreenId::SproutMain);
        f.registry.show(ScreenId::Games);
        chooseMenu(f.games, "mnuExit");
        QVERIFY(!f.games.isLoaded() && f.main.isVisible());
        f.registry.show(ScreenId::Games);
        f.games.window()->close();
        QVERIFY(!f.games.isLoaded() && f.main.isVisible() && ended.isEmpty());
        click(f.main, "Label1");
        QVERIFY(f.games.isVisible() && !f.main.isVisible() && f.main.isLoaded());
        chooseMenu(f.games, "mnuExit");
        QCOMPARE(ended.count(), 1);
    }

    void aScreenThatCannotComeUpLeavesTheChildWhereItWas()
    {
        Fixture f;
        f.registry.show(ScreenId::SproutMain);
        f.games.filesReadable = false;
        click(f.main, "Label1");
        QVERIFY(f.main.isVisible() && !f.games.isLoaded() && f.games.loads == 0);
        f.games.filesReadable = true;
        click(f.main, "Label1");
        QVERIFY(f.games.isVisible() && !f.main.isVisible());
    }
};

QTEST_MAIN(TestScreenRegistry)
#include "tst_screenregistry.moc"
