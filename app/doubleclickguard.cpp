#include "doubleclickguard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineF>
#include <QMouseEvent>
#include <QStyleHints>
#include <utility>

namespace sprout {

DoubleClickGuard::DoubleClickGuard(QObject* parent) : QObject(parent)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool DoubleClickGuard::eventFilter(QObject* watched, QEvent* event)
{
    // The window system hands every press to a window, which passes it on to the
    // control beneath the pointer: one look per press, before any control sees it.
    if (!watched->isWindowType())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const Press press{mouse->timestamp(), mouse->globalPosition(), int(mouse->button())};
        m_ignoring = followsLastPress(press);
        m_last = press;
        return m_ignoring;
    }
    case QEvent::MouseButtonDblClick: // what the toolkit makes of the same press
        return m_ignoring;
    case QEvent::MouseButtonRelease:
        return std::exchange(m_ignoring, false);
    default:
        return false;
    }
}

bool DoubleClickGuard::followsLastPress(const Press& press) const
{
    if (!m_last || press.button != m_last->button || press.time < m_last->time)
        return false;
    const QStyleHints* hints = QGuiApplication::styleHints();
    return press.time - m_last->time < quint64(hints->mouseDoubleClickInterval())
           && QLineF(press.where, m_last->where).length() < hints->mouseDoubleClickDistance();
}

} // namespace sprout
