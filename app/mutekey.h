#pragma once

#include <QObject>

namespace sprout {

// Ctrl+M on any screen turns the voice off and on, so a parent can silence it
// wherever the child is; turning it on says so.
class MuteKey : public QObject {
    Q_OBJECT
public:
    // Watches every key pressed in the application.
    static MuteKey* install();

signals:
    void toggled(bool muted);

private:
    using QObject::QObject;
    void toggle();
};

} // namespace sprout
