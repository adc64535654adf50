#include "benchapp.h"

#include <QApplication>
#include <ctime>

namespace sprout::bench {

void prepareLikeTheProgram(QApplication& app)
{
    Q_UNUSED(app);
    QApplication::setApplicationName(QStringLiteral("Sproutkin"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
}

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

} // namespace sprout::bench
