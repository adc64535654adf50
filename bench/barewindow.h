#pragma once

#include <QMainWindow>

namespace sprout::bench {

// What every screen costs at the least: a main window with the main menu's three
// menu entries and client size, built the way the screens build theirs, and nothing
// else in it.
class BareWindow : public QMainWindow {
    Q_OBJECT
public:
    BareWindow();
};

} // namespace sprout::bench
