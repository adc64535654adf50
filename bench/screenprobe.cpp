#include "screenprobe.h"

#include "barewindow.h"
#include "applicationsetup.h"
#include "firstframereporter.h"
#include "firstpaint.h"
#include "fullscreen.h"
#include "stage.h"
#include "programfolder.h"
#include "screenfactory.h"
#include "speech.h"
#include "voiceplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>
#include <memory>

namespace sprout::bench {

namespace {

ScreenId idOf(int index) { return static_cast<ScreenId>(index); }

Opening openScreen(ScreenRegistry& registry, ScreenId id)
{
    return timeFirstFrame([&] { registry.show(id); },
                            [&] { return static_cast<QWidget*>(registry.find(id)->window()->window()); });
}

// From one screen to another, as a link does it: the target shown, the one left hidden.
Opening navigate(ScreenRegistry& registry, ScreenId from, ScreenId to)
{
    return timeFirstFrame([&] { registry.show(to); registry.hide(from); },
                            [&] { return static_cast<QWidget*>(registry.find(to)->window()->window()); });
}

// A child takes far longer than this between two clicks: let the window system and
// the program finish with the last screen before the next is timed.
void settle()
{
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 150)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

Opening swapBare(BareWindow& from, BareWindow& to)
{
    return timeFirstFrame([&] { to.show(); from.hide(); }, [&] { return static_cast<QWidget*>(&to); });
}

void dropDeletedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// One screen opened in a fresh process: as the first window, or from the main menu as
// a child's click does, once the menu is up.
int openOnce(const QString& name, bool first)
{
    ScreenRegistry registry(createScreen);
    if (!first) {
        openScreen(registry, ScreenId::SproutMain);
        settle();
    }
    auto leaveMenu = [&] {
        if (!first)
            registry.hide(ScreenId::SproutMain);
    };
    Opening opening;
    std::unique_ptr<BareWindow> bare;
    if (name == QLatin1String(kBareName)) {
        opening = timeFirstFrame([&] { bare = std::make_unique<BareWindow>(); bare->show(); leaveMenu(); },
                                   [&] { return static_cast<QWidget*>(bare.get()); });
    } else {
        const int index = screenNames().indexOf(name);
        if (index < 0)
            return 2;
        const ScreenId id = idOf(index);
        opening = timeFirstFrame([&] { registry.show(id); leaveMenu(); },
                                   [&] { return static_cast<QWidget*>(registry.find(id)->window()->window()); });
    }
    std::printf("open %.3f %.3f %d\n", opening.callMs, opening.paintedMs, opening.painted ? 1 : 0);
    return 0;
}

void printWarm(int round, const char* name, const Opening& opening, const Opening& back)
{
    std::printf("warm %d %s %.3f %.3f %.3f %.3f\n", round, name, opening.callMs, opening.paintedMs,
                back.callMs, back.paintedMs);
}

// Every screen opened from the main menu in a process that has shown it before, then
// left for the main menu and come back to: the return a child makes most.
void warmRound(int round)
{
    ScreenRegistry registry(createScreen);
    const Opening menu = openScreen(registry, ScreenId::SproutMain);
    settle();
    for (int index = 1; index < kScreenCount; ++index) {
        const ScreenId id = idOf(index);
        const Opening opening = navigate(registry, ScreenId::SproutMain, id);
        settle();
        const Opening toMenu = navigate(registry, id, ScreenId::SproutMain);
        settle();
        const Opening back = navigate(registry, ScreenId::SproutMain, id);
        settle();
        navigate(registry, id, ScreenId::SproutMain);
        settle();
        if (index == 1)
            printWarm(round, screenName(ScreenId::SproutMain), menu, toMenu);
        printWarm(round, screenName(id), opening, back);
    }
    // The colours lesson was left many screens ago: its window let its pixels go.
    const Opening stale = navigate(registry, ScreenId::SproutMain, ScreenId::frmColors);
    std::printf("stale %d %.3f %.3f\n", round, stale.callMs, stale.paintedMs);
}

void bareRound(int round)
{
    BareWindow menu;
    menu.show();
    settle();
    std::unique_ptr<BareWindow> other;
    const Opening opening = timeFirstFrame([&] { other = std::make_unique<BareWindow>(); other->show(); menu.hide(); },
                                             [&] { return static_cast<QWidget*>(other.get()); });
    settle();
    swapBare(*other, menu);
    settle();
    const Opening back = swapBare(menu, *other);
    printWarm(round, kBareName, opening, back);
}

int warm(int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        warmRound(round);
        bareRound(round);
        dropDeletedWindows();
    }
    return 0;
}

// F11 from the main menu in its window to the full-screen stage and back, each until
// the first frame of what shows next: "toggle <on ms> <off ms>" per round.
int toggle(int rounds)
{
    ScreenRegistry registry(createScreen);
    openScreen(registry, ScreenId::SproutMain);
    settle();
    for (int round = 0; round < rounds; ++round) {
        const Opening on = timeFirstFrame([] { FullScreen::setOn(true); },
                                            [&] { return static_cast<QWidget*>(registry.stage()); });
        settle();
        const Opening off = timeFirstFrame([] { FullScreen::setOn(false); }, [&] {
            return static_cast<QWidget*>(registry.find(ScreenId::SproutMain)->window());
        });
        settle();
        std::printf("toggle %.3f %.3f\n", on.paintedMs, off.paintedMs);
    }
    return 0;
}

int visitAll(bool voice)
{
    // With the voice on, as a child has it, each screen says its words as it opens.
    auto player = std::make_shared<VoicePlayer>(programFolder().toStdString());
    if (voice) {
        Speech::setSpeaker(player);
        player->start();
    }
    ScreenRegistry registry(createScreen);
    openScreen(registry, ScreenId::SproutMain);
    settle();
    std::printf("after %s %ld\n", screenName(ScreenId::SproutMain), FirstFrameReporter::peakResidentKilobytes());
    for (int index = 1; index < kScreenCount; ++index) {
        openScreen(registry, idOf(index));
        registry.hide(idOf(index - 1));
        settle();
        std::printf("after %s %ld\n", screenName(idOf(index)), FirstFrameReporter::peakResidentKilobytes());
    }
    QCoreApplication::processEvents();
    std::printf("vmhwm-kb %ld phrases-started %d\n", FirstFrameReporter::peakResidentKilobytes(),
                player->timing().phrasesStarted);
    Speech::setSpeaker(nullptr);
    return 0;
}

} // namespace

QStringList screenNames()
{
    QStringList names;
    for (int index = 0; index < kScreenCount; ++index)
        names << QString::fromLatin1(screenName(idOf(index)));
    return names;
}

bool isProbe(int argc, char* argv[])
{
    return argc >= 2 && (std::strcmp(argv[1], "--open") == 0 || std::strcmp(argv[1], "--warm") == 0
                         || std::strcmp(argv[1], "--visit-all") == 0
                         || std::strcmp(argv[1], "--toggle") == 0);
}

int runProbe(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    const QStringList arguments = QCoreApplication::arguments();
    // The full-screen rows run the same probes on the full-screen stage.
    if (qEnvironmentVariableIntValue("SPROUTKIN_FULLSCREEN") == 1)
        FullScreen::setOn(true);
    int status = 2;
    if (arguments.value(1) == QLatin1String("--open"))
        status = openOnce(arguments.value(2), arguments.value(3) == QLatin1String("--first"));
    else if (arguments.value(1) == QLatin1String("--warm"))
        status = warm(qMax(1, arguments.value(2).toInt()));
    else if (arguments.value(1) == QLatin1String("--toggle"))
        status = toggle(qMax(1, arguments.value(2).toInt()));
    else if (arguments.value(1) == QLatin1String("--visit-all"))
        status = visitAll(arguments.value(2) != QLatin1String("--silent"));
    std::fflush(stdout);
    return status;
}

} // namespace sprout::bench
