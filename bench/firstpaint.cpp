#include "firstpaint.h"

#include "benchapp.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace sprout::bench {

Opening FirstPaint::time(const std::function<void()>& show, const std::function<QWidget*()>& window)
{
    Opening opening;
    const long long start = monotonicNanoseconds();
    show();
    const long long shown = monotonicNanoseconds();
    opening.callMs = (shown - start) / 1e6;

    // Painting starts in the event loop, when the window system says the window is
    // exposed, so the filter is in place in time although the window is new.
    QWidget* target = window();
    if (!target)
        return opening;
    // A window covered by its pictures gets no paint event of its own, its controls do.
    FirstPaint waiter;
    waiter.m_target = target;
    QCoreApplication::instance()->installEventFilter(&waiter);
    const QDeadlineTimer deadline(5000);
    QTimer wakeUp; // so that a window that never paints cannot block the wait
    wakeUp.start(100);
    while (!waiter.m_frameDone && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::instance()->removeEventFilter(&waiter);
    opening.painted = waiter.m_painted;
    opening.paintedMs = ((waiter.m_frameDone ? waiter.m_frameDone : monotonicNanoseconds()) - start) / 1e6;
    return opening;
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_painted && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == m_target) {
        m_painted = true;
        // The window and its controls are painted and handed to the window system in
        // one go, the event being delivered now; what the program queues behind the
        // frame (the keyboard, pictures kept of text boxes) does not delay it, so the
        // clock stops as soon as that event is done.
        QMetaObject::invokeMethod(this, [this] { m_frameDone = monotonicNanoseconds(); },
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace sprout::bench
