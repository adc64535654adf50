#include "screenwindow.h"

#include <QCloseEvent>

namespace sprout {

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    // The window is destroyed by the unload that follows, not by Qt.
    event->ignore();
    emit closeRequested();
}

} // namespace sprout
