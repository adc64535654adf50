#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace sprout::bench {

// How long a window took to come up: the call that showed it, and until its first
// frame was painted (its controls included).
struct Opening {
    double callMs = 0;
    double paintedMs = 0;
    bool painted = false;
};

// Runs `show`, which must make `window()` visible, and waits for the window's next
// frame. The window may not exist before `show` runs (a screen builds it on load).
class FirstPaint : public QObject {
    Q_OBJECT
public:
    static Opening time(const std::function<void()>& show, const std::function<QWidget*()>& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_target = nullptr;
    bool m_painted = false;
    long long m_frameDone = 0;
};

} // namespace sprout::bench
