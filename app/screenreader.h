#pragma once

namespace sprout {

// What screen readers are told of the screens: the controls of a client area and of
// its frames in the order the Tab key follows, the controls a child can click as
// buttons that can be pressed, what a square or picture shows after its name, and
// nothing of what a picture above hides.
class ScreenReader {
public:
    // Once for the application; later calls do nothing.
    static void install();
};

} // namespace sprout
