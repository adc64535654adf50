#include "screenprobe.h"

#include "barewindow.h"
#include "benchapp.h"
#include "firstpaint.h"
#include "screenregistry.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace sprout::bench {

namespace {

ScreenId idOf(int index) { return static_cast<ScreenId>(index); }

Opening openScreen(ScreenRegistry& registry, ScreenId id)
{
    return FirstPaint::time([&] { registry.show(id); },
                            [&] { return static_cast<QWidget*>(registry.find(id)->window()); });
}

// Hidden and shown again, as when the child comes back to a screen.
Opening returnToScreen(ScreenRegistry& registry, ScreenId id)
{
    return FirstPaint::time([&] { registry.hide(id); registry.show(id); },
                            [&] { return static_cast<QWidget*>(registry.find(id)->window()); });
}

Opening openBare(std::unique_ptr<BareWindow>& window)
{
    return FirstPaint::time([&] { window = std::make_unique<BareWindow>(); window->show(); },
                            [&] { return static_cast<QWidget*>(window.get()); });
}

Opening returnToBare(BareWindow& window)
{
    return FirstPaint::time([&] { window.hide(); window.show(); },
                            [&] { return static_cast<QWidget*>(&window); });
}

void dropDeletedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int openOnce(const QString& name, bool first)
{
    ScreenRegistry registry(createScreen);
    if (!first)
        openScreen(registry, ScreenId::SproutMain);
    Opening opening;
    std::unique_ptr<BareWindow> bare;
    if (name == QLatin1String(kBareName)) {
        opening = openBare(bare);
    } else {
        const int index = screenNames().indexOf(name);
        if (index < 0)
            return 2;
        opening = openScreen(registry, idOf(index));
    }
    std::printf("open %.3f %.3f %d\n", opening.callMs, opening.paintedMs, opening.painted ? 1 : 0);
    return 0;
}

int warm(int rounds)
{
    const QStringList names = screenNames();
    for (int round = 0; round < rounds; ++round) {
        auto registry = std::make_unique<ScreenRegistry>(createScreen);
        for (int index = 0; index < names.size(); ++index) {
            const Opening opening = openScreen(*registry, idOf(index));
            const Opening back = returnToScreen(*registry, idOf(index));
            registry->hide(idOf(index));
            std::printf("warm %d %s %.3f %.3f %.3f %.3f\n", round, qPrintable(names[index]),
                        opening.callMs, opening.paintedMs, back.callMs, back.paintedMs);
        }
        std::unique_ptr<BareWindow> bare;
        const Opening opening = openBare(bare);
        const Opening back = returnToBare(*bare);
        std::printf("warm %d %s %.3f %.3f %.3f %.3f\n", round, kBareName, opening.callMs,
                    opening.paintedMs, back.callMs, back.paintedMs);
        bare.reset();
        registry.reset();
        dropDeletedWindows();
    }
    return 0;
}

int visitAll()
{
    ScreenRegistry registry(createScreen);
    openScreen(registry, ScreenId::SproutMain);
    std::printf("after %s %ld\n", screenName(ScreenId::SproutMain), peakResidentKilobytes());
    for (int index = 1; index < kScreenCount; ++index) {
        openScreen(registry, idOf(index));
        registry.hide(idOf(index - 1));
        std::printf("after %s %ld\n", screenName(idOf(index)), peakResidentKilobytes());
    }
    QCoreApplication::processEvents();
    std::printf("vmhwm-kb %ld\n", peakResidentKilobytes());
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
                         || std::strcmp(argv[1], "--visit-all") == 0);
}

int runProbe(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareLikeTheProgram(app);
    const QStringList arguments = QCoreApplication::arguments();
    int status = 2;
    if (arguments.value(1) == QLatin1String("--open"))
        status = openOnce(arguments.value(2), arguments.value(3) == QLatin1String("--first"));
    else if (arguments.value(1) == QLatin1String("--warm"))
        status = warm(qMax(1, arguments.value(2).toInt()));
    else if (arguments.value(1) == QLatin1String("--visit-all"))
        status = visitAll();
    std::fflush(stdout);
    return status;
}

} // namespace sprout::bench
