#include "afterfirstframe.h"
#include "applicationsetup.h"
#include "commandline.h"
#include "firstframereporter.h"
#include "fontconfigwarmup.h"
#include "mutekey.h"
#include "programfolder.h"
#include "screenfactory.h"
#include "voiceplayer.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Before the application object, which would need a display.
    const sprout::CommandLine options = sprout::CommandLine::parse(argc, argv, SPROUTKIN_VERSION);
    if (options.finished)
        return options.exitCode;

    sprout::FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    sprout::setUpApplication();

    // The player takes phrases from the start (the greeting comes with the main
    // menu) but plays nothing before the menu's first frame is on the screen.
    auto player = std::make_shared<sprout::VoicePlayer>(sprout::programFolder().toStdString());
    sprout::Speech::setMuted(options.mute);
    sprout::Speech::setSpeaker(player);
    sprout::MuteKey::install();

    fontConfig.wait(); // the main menu's captions come next
    sprout::ScreenRegistry registry(sprout::createScreen);
    QObject::connect(&registry, &sprout::ScreenRegistry::lastScreenClosed, &app,
                     &QApplication::quit, Qt::QueuedConnection);
    // scripts/bench times start-up to the main menu's first frame.
    if (sprout::FirstFrameReporter::asked() && registry.load(sprout::ScreenId::SproutMain))
        sprout::FirstFrameReporter::watch(registry.find(sprout::ScreenId::SproutMain)->window());
    sprout::Screen* menu = registry.load(sprout::ScreenId::SproutMain)
                               ? registry.find(sprout::ScreenId::SproutMain) : nullptr;
    sprout::AfterFirstFrame::run(menu ? menu->window() : nullptr, [player] { player->start(); });
    registry.show(sprout::ScreenId::SproutMain);
    const int exitCode = app.exec();
    sprout::Speech::setSpeaker(nullptr);
    return exitCode;
}
