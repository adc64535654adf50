#pragma once

#include <QWidget>

namespace sprout {

// The client area of a screen's window, on which its controls lie. Screen readers
// read what lies on it in the order the Tab key follows (see ScreenReader).
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent = nullptr);

protected:
    // The area itself holds the focus on a screen whose design gives it to no
    // control: from there Tab goes to the first control of the round, Shift+Tab to
    // the last, wherever Qt's chain happens to enter the round.
    bool focusNextPrevChild(bool next) override;
};

} // namespace sprout
