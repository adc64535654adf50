#include "applicationsetup.h"

#include <QApplication>
#include <QPalette>

namespace sprout {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Sproutkin"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // One screen is on show at a time; were its colours to change when it is no longer
    // the active window, every control would be painted twice each time one opens.
    QPalette colours = QApplication::palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        colours.setBrush(QPalette::Inactive, QPalette::ColorRole(role),
                         colours.brush(QPalette::Active, QPalette::ColorRole(role)));
    QApplication::setPalette(colours);
    // Navigation hides screens rather than closing them, so Qt's own rule would
    // never fire: the registry says when the last screen has gone.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace sprout
