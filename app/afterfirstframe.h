#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace sprout {

// Runs something once a window's next frame is painted (its first, when it has just
// been shown), so that work the child does not see yet (opening the sound stream,
// taking the keyboard) never delays that frame.
class AfterFirstFrame : public QObject {
    Q_OBJECT
public:
    static void run(QWidget* window, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstFrame(QWidget* window, std::function<void()> action);

    std::function<void()> m_action;
};

} // namespace sprout
