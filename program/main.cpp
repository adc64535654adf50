#include "afterfirstframe.h"
#include "applicationsetup.h"
#include "commandline.h"
#include "firstframereporter.h"
#include "fontconfigwarmup.h"
#include "fullscreen.h"
#include "kioskguard.h"
#include "mutekey.h"
#include "programfolder.h"
#include "screenfactory.h"
#include "settings.h"
#include "singleinstance.h"
#include "speech.h"
#include "voiceplayer.h"

#include <QApplication>
#include <cstdio>

namespace {

// Raised in the registry's order, so that an award comes to lie above its quiz.
void bringToFront(const sprout::ScreenRegistry& registry, const QString& activationToken)
{
    QWidget* front = nullptr;
    for (int id = 0; id < sprout::kScreenCount; ++id)
        if (const sprout::Screen* screen = registry.find(sprout::ScreenId(id)); screen && screen->isVisible()) {
            front = screen->window();
            front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
            front->raise();
        }
    if (!front)
        return;
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    front->activateWindow();
    // Where the desktop does not let a window take the keyboard, it asks for attention.
    QApplication::alert(front);
}

} // namespace

int main(int argc, char* argv[])
{
    // Before the application object, which would need a display.
    const sprout::CommandLine options = sprout::CommandLine::parse(argc, argv, SPROUTKIN_VERSION);
    if (options.finished)
        return options.exitCode;

    sprout::FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    sprout::setUpApplication();

    // A second start shows the first one and ends before it shows or says anything.
    sprout::SingleInstance instance;
    if (!instance.claim()) {
        std::fputs("sproutkin: already running, brought to the front\n", stderr);
        return 0;
    }
    sprout::Settings settings = sprout::Settings::fromEnvironment();
    const sprout::Choices choices = settings.startWith(options);

    // The player takes phrases from the start (the greeting comes with the main
    // menu) but plays nothing before the menu's first frame is on the screen.
    auto player = std::make_shared<sprout::VoicePlayer>(sprout::programFolder().toStdString());
    sprout::Speech::setMuted(choices.mute);
    sprout::Speech::setSpeaker(player);
    QObject::connect(sprout::MuteKey::install(), &sprout::MuteKey::toggled,
                     [&settings](bool muted) { settings.rememberMute(muted); });
    sprout::FullScreen::installKey();
    sprout::FullScreen::setOn(choices.fullScreen);
    // Connected after the start's own setting, so that an option is not remembered.
    QObject::connect(sprout::FullScreen::instance(), &sprout::FullScreen::toggled,
                     [&settings](bool on) { settings.rememberFullScreen(on); });

    fontConfig.wait(); // the main menu's captions come next
    sprout::ScreenRegistry registry(sprout::createScreen);
    if (choices.kiosk)
        QObject::connect(new sprout::KioskGuard(registry), &sprout::KioskGuard::grownUpLeaves, &app,
                         [] { QCoreApplication::exit(0); });
    else
        QObject::connect(&registry, &sprout::ScreenRegistry::lastScreenClosed, &app,
                         &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(&instance, &sprout::SingleInstance::secondStart, &registry,
                     [&registry](const QString& token) { bringToFront(registry, token); });
    sprout::Screen* menu = registry.load(sprout::ScreenId::SproutMain)
                               ? registry.find(sprout::ScreenId::SproutMain) : nullptr;
    QWidget* menuWindow = menu ? menu->window()->window() : nullptr;
    sprout::AfterFirstFrame::run(menuWindow, [player] { player->start(); });
    registry.show(sprout::ScreenId::SproutMain);
    // scripts/bench times start-up to the main menu's first frame. Watched last, the
    // report comes before what the program queues behind that frame (taking the
    // keyboard waits on the display server), as the benchmark's openings do.
    if (sprout::FirstFrameReporter::asked() && menuWindow)
        sprout::FirstFrameReporter::watch(menuWindow);
    const int exitCode = app.exec();
    sprout::Speech::setSpeaker(nullptr);
    return exitCode;
}
