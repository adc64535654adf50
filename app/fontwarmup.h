#pragma once

#include <functional>

class QWidget;

namespace sprout {

struct WindowDesign;

// Opens every font the screens are designed with and lays down each of its letters
// once, a font at a time in the idle moments after the first screen is up. Without
// it a screen's first opening waits while Qt opens each new font size and renders
// its letters, which is more than half of what the lessons and quizzes cost to open.
namespace FontWarmUp {

// `window` is the first screen's, `scaleOf` gives the scale each screen is shown at.
// Once a process: the fonts stay open for the rest of it.
void start(QWidget* window, std::function<double(const WindowDesign&)> scaleOf);

} // namespace FontWarmUp

} // namespace sprout
