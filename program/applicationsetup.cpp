#include "applicationsetup.h"

#include "classroomstyle.h"

#include <QApplication>
#include <QPalette>
#include <malloc.h>

namespace sprout {

void setUpApplication()
{
    // A full-screen picture is tens of megabytes, let go when its screen is left. Left
    // to itself the allocator raises its threshold for mapping such blocks after the
    // first is freed, and later pictures then stay with the process once let go.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    // Pictures are made on the drawing pool's threads and let go on the main one: with
    // an allocator arena for each thread, the memory freed stayed spread over all of
    // them (1.3 MiB more at the peak after all sixteen screens in windows).
    mallopt(M_ARENA_MAX, 1);
    QApplication::setApplicationName(QStringLiteral("Sproutkin"));
    QApplication::setStyle(new ClassroomStyle);
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
