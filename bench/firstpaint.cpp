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
    FirstPaint waiter;
    target->installEventFilter(&waiter);
    const QDeadlineTimer deadline(5000);
    QTimer wakeUp; // so that a window that never paints cannot block the wait
    wakeUp.start(100);
    while (!waiter.m_painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    target->removeEventFilter(&waiter);
    // The window's paint event comes first and its controls' in the same sync; the
    // processEvents call that delivered it returned only after all of them.
    opening.painted = waiter.m_painted;
    opening.paintedMs = (monotonicNanoseconds() - start) / 1e6;
    return opening;
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        m_painted = true;
    return QObject::eventFilter(watched, event);
}

} // namespace sprout::bench
