#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace sprout {

// Runs something once a window's next frame is painted and handed to the window
// system (its first, when it has just been shown), so that work the child does not
// see yet (opening the sound stream, taking the keyboard) never delays that frame.
// The program, its start-up report and the benchmark all wait for a frame this way.
// Of several actions waiting for one frame, the one asked for last runs first.
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
