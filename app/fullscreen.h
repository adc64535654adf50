#pragma once

#include <QObject>

namespace sprout {

// Whether the classroom fills the screen. F11 on any screen turns it on and off;
// whoever shows the screens follows toggled().
class FullScreen : public QObject {
    Q_OBJECT
public:
    static FullScreen* instance();
    static bool isOn();
    static void setOn(bool on);

    // Watches every key pressed in the application for F11.
    static void installKey();

signals:
    void toggled(bool on);

private:
    using QObject::QObject;
    bool m_on = false;
};

} // namespace sprout
