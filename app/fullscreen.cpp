#include "fullscreen.h"

#include "appkey.h"

#include <QCoreApplication>

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
    new AppKey(Qt::Key_F11, [] { setOn(!isOn()); }, instance());
}

} // namespace sprout
