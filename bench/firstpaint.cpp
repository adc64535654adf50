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
    while (!waiter.m_painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::instance()->removeEventFilter(&waiter);
    // The window's controls are painted in the same sync as the first of them; the
    // processEvents call that delivered it returned only after all of them.
    opening.painted = waiter.m_painted;
    opening.paintedMs = (monotonicNanoseconds() - start) / 1e6;
    return opening;
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == m_target)
        m_painted = true;
    return QObject::eventFilter(watched, event);
}

} // namespace sprout::bench
