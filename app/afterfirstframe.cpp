#include "afterfirstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace sprout {

void AfterFirstFrame::run(QWidget* window, std::function<void()> action)
{
    // A window whose pictures cover it is never painted itself, only its controls:
    // watch every paint and take the first that belongs to the window.
    if (window)
        QCoreApplication::instance()->installEventFilter(new AfterFirstFrame(window, std::move(action)));
    else
        action();
}

AfterFirstFrame::AfterFirstFrame(QWidget* window, std::function<void()> action)
    : QObject(window), m_action(std::move(action))
{
}

bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && m_action && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == parent()) {
        QCoreApplication::instance()->removeEventFilter(this);
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
