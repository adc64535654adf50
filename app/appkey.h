#pragma once

#include <QCoreApplication>
#include <QKeyCombination>
#include <QObject>
#include <functional>

namespace sprout {

// A key that does the same on every window of the program (Ctrl+M, F11). Its press
// runs the action once, however long it is held, and goes no further.
class AppKey : public QObject {
public:
    AppKey(QKeyCombination combination, std::function<void()> pressed,
           QObject* owner = QCoreApplication::instance());

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QKeyCombination m_combination;
    std::function<void()> m_pressed;
};

} // namespace sprout
