#include "afterfirstframe.h"

#include <QEvent>
#include <QWidget>

namespace sprout {

void AfterFirstFrame::run(QWidget* window, std::function<void()> action)
{
    if (window)
        window->installEventFilter(new AfterFirstFrame(window, std::move(action)));
    else
        action();
}

AfterFirstFrame::AfterFirstFrame(QWidget* window, std::function<void()> action)
    : QObject(window), m_action(std::move(action))
{
}

bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && m_action) {
        watched->removeEventFilter(this);
        // The window's controls are painted after it in the same event: wait for
        // the whole frame.
        QMetaObject::invokeMethod(this, [this] {
            std::exchange(m_action, nullptr)();
            deleteLater();
        }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace sprout
