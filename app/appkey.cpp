#include "appkey.h"

#include <QKeyEvent>

namespace sprout {

AppKey::AppKey(QKeyCombination combination, std::function<void()> pressed, QObject* owner)
    : QObject(owner), m_combination(combination), m_pressed(std::move(pressed))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool AppKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->keyCombination() != m_combination)
        return QObject::eventFilter(watched, event);
    // Held down, the key would flip what it switches back and forth.
    if (!key->isAutoRepeat())
        m_pressed();
    return true;
}

} // namespace sprout
