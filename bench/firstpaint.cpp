#include "firstpaint.h"

#include "afterfirstframe.h"
#include "clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <memory>

namespace sprout::bench {

Opening timeFirstFrame(const std::function<void()>& show, const std::function<QWidget*()>& window)
{
    Opening opening;
    const long long start = monotonicNanoseconds();
    show();
    opening.callMs = (monotonicNanoseconds() - start) / 1e6;

    // Painting starts in the event loop, when the window system says the window is
    // exposed, so the watcher is in place in time although the window is new. What
    // the program queues behind the frame does not delay what the child sees.
    QWidget* target = window();
    if (!target)
        return opening;
    auto frameDone = std::make_shared<long long>(0);
    AfterFirstFrame::run(target, [frameDone] { *frameDone = monotonicNanoseconds(); });
    const QDeadlineTimer deadline(5000);
    QTimer wakeUp; // so that a window that never paints cannot block the wait
    wakeUp.start(100);
    while (!*frameDone && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    opening.painted = *frameDone != 0;
    opening.paintedMs = ((opening.painted ? *frameDone : monotonicNanoseconds()) - start) / 1e6;
    return opening;
}

} // namespace sprout::bench
