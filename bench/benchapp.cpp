#include "benchapp.h"

#include <QApplication>
#include <QPalette>
#include <ctime>

namespace sprout::bench {

void prepareLikeTheProgram(QApplication& app)
{
    Q_UNUSED(app);
    QApplication::setApplicationName(QStringLiteral("Sproutkin"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette colours = QApplication::palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        colours.setBrush(QPalette::Inactive, QPalette::ColorRole(role),
                         colours.brush(QPalette::Active, QPalette::ColorRole(role)));
    QApplication::setPalette(colours);
    QApplication::setQuitOnLastWindowClosed(false);
}

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

} // namespace sprout::bench
