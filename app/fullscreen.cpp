#include "fullscreen.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace sprout {

FullScreen* FullScreen::instance()
{
    static FullScreen* const single = new FullScreen(QCoreApplication::instance());
    return single;
}

bool FullScreen::isOn()
{
    return instance()->m_on;
}

void FullScreen::setOn(bool on)
{
    FullScreen* single = instance();
    if (single->m_on == on)
        return;
    single->m_on = on;
    emit single->toggled(on);
}

void FullScreen::installKey()
{
    QCoreApplication::instance()->installEventFilter(instance());
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F11 || key->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    // Held down, the key would flip the screen back and forth.
    if (!key->isAutoRepeat())
        setOn(!isOn());
    return true;
}

} // namespace sprout
