#pragma once

#include <QMainWindow>
#include <functional>

namespace sprout {

// A screen's top-level window. Its close box unloads the screen, which the
// screen's owner does when told.
class ScreenWindow : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace sprout
