#pragma once

#include <functional>

class QWidget;

namespace sprout::bench {

// How long a window took to come up: the call that showed it, and until its first
// frame was painted (its controls included) and handed to the window system.
struct Opening {
    double callMs = 0;
    double paintedMs = 0;
    bool painted = false;
};

// Runs `show`, which must make `window()` visible, and waits for the window's next
// frame. The window may not exist before `show` runs (a screen builds it on load).
Opening timeFirstFrame(const std::function<void()>& show, const std::function<QWidget*()>& window);

} // namespace sprout::bench
