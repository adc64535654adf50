#include "firstframereporter.h"
#include "screenfactory.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sproutkin"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Navigation hides screens rather than closing them, so Qt's own rule would
    // never fire: the registry says when the last screen has gone.
    QApplication::setQuitOnLastWindowClosed(false);

    sprout::ScreenRegistry registry(sprout::createScreen);
    QObject::connect(&registry, &sprout::ScreenRegistry::lastScreenClosed, &app,
                     &QApplication::quit, Qt::QueuedConnection);
    // scripts/bench times start-up to the main menu's first frame.
    if (sprout::FirstFrameReporter::asked() && registry.load(sprout::ScreenId::SproutMain))
        sprout::FirstFrameReporter::watch(registry.find(sprout::ScreenId::SproutMain)->window());
    registry.show(sprout::ScreenId::SproutMain);
    return app.exec();
}
