#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

class QKeyEvent;

namespace sprout {

class ScreenRegistry;

// A classroom kiosk: the child cannot leave the program. Every entry of the screens'
// menu bars leads out of it ("Exit Program", the maker's web pages), so the bars are
// not shown; closing a screen's window and the keyboard's ways out (Alt+F4, the
// platform's keys to quit, close and leave full screen) do nothing. A grown-up
// leaves by holding Ctrl+Alt+Q. Install it before the first screen is built.
class KioskGuard : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kExitHold{2000};

    // Watches every event of the application; the registry's main menu comes back
    // should the last screen ever go.
    explicit KioskGuard(ScreenRegistry& registry, std::chrono::milliseconds exitHold = kExitHold);
    ~KioskGuard() override;

signals:
    // Ctrl+Alt+Q was held down for the whole hold time.
    void grownUpLeaves();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isWayOut(const QKeyEvent& key);
    static bool isExitGesture(const QKeyEvent& key);
    void followExitGesture(const QKeyEvent& key);
    void stopExitHold();

    const std::chrono::milliseconds m_exitHoldTime;
    QTimer m_exitHold;
    QTimer m_letGo;
};

} // namespace sprout
