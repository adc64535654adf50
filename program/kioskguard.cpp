#include "kioskguard.h"

#include "screenregistry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>

namespace sprout {

namespace {

// A held key repeats as a release and a press at the same moment; the press may
// come a little later when the system is busy.
constexpr std::chrono::milliseconds kRepeatGap{100};

} // namespace

KioskGuard::KioskGuard(ScreenRegistry& registry, std::chrono::milliseconds exitHold)
    : QObject(&registry), m_exitHoldTime(exitHold)
{
    m_exitHold.setSingleShot(true);
    m_letGo.setSingleShot(true);
    m_letGo.setInterval(kRepeatGap);
    connect(&m_letGo, &QTimer::timeout, &m_exitHold, &QTimer::stop);
    connect(&m_exitHold, &QTimer::timeout, this, [this] {
        if (m_letGo.isActive()) // a release or a repeat: the moment after tells
            m_exitHold.start(kRepeatGap);
        else
            emit grownUpLeaves();
    });
    connect(&registry, &ScreenRegistry::lastScreenClosed, this,
            [&registry] { registry.show(ScreenId::SproutMain); });
    QCoreApplication::instance()->installEventFilter(this);
}

KioskGuard::~KioskGuard()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool KioskGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Polish:
        // Before the window's size is worked out, so the screen is laid out without it.
        if (auto* window = qobject_cast<QMainWindow*>(watched); window && window->menuWidget())
            window->menuWidget()->hide();
        return false;
    case QEvent::Close:
        // Screens' windows only: message boxes, dialogs and pop-ups still close.
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->windowType() == Qt::Window) {
            event->ignore();
            return true;
        }
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        followExitGesture(key);
        if (!isWayOut(key) && !isExitGesture(key))
            return false;
        // An accepted override keeps the key from any shortcut; the press then ends here.
        event->accept();
        return true;
    }
    case QEvent::ApplicationStateChange:
        // Once another program has the keyboard, the keys' releases go there.
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive)
            stopExitHold();
        return false;
    default:
        return false;
    }
}

// The keys that close, quit or leave full screen on every desktop, and those the
// desktop in use adds.
bool KioskGuard::isWayOut(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_F4 && key.modifiers() & Qt::AltModifier)
           || (key.key() == Qt::Key_Q && key.modifiers() == Qt::ControlModifier) || key.key() == Qt::Key_F11
           || key.matches(QKeySequence::Quit) || key.matches(QKeySequence::Close)
           || key.matches(QKeySequence::FullScreen);
}

bool KioskGuard::isExitGesture(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Q && key.modifiers() == (Qt::ControlModifier | Qt::AltModifier);
}

// Held down, a key repeats as pairs of release and press, mostly marked as repeats:
// a release of Q ends the hold unless a press follows at once. Letting go of Ctrl or
// Alt, or pressing another key, ends it there and then.
void KioskGuard::followExitGesture(const QKeyEvent& key)
{
    if (key.type() == QEvent::ShortcutOverride || key.isAutoRepeat())
        return;
    const bool press = key.type() == QEvent::KeyPress;
    if (press && isExitGesture(key)) {
        m_letGo.stop();
        if (!m_exitHold.isActive())
            m_exitHold.start(m_exitHoldTime);
    } else if (!press && key.key() == Qt::Key_Q) {
        if (m_exitHold.isActive())
            m_letGo.start();
    } else if (press || key.key() == Qt::Key_Control || key.key() == Qt::Key_Alt) {
        stopExitHold();
    }
}

void KioskGuard::stopExitHold()
{
    m_exitHold.stop();
    m_letGo.stop();
}

} // namespace sprout
