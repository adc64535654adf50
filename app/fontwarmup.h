#pragma once

class QWidget;

namespace sprout {

// Opens every font the screens are designed with and lays down each of its letters
// once, a font at a time in the idle moments after the first screen is up. Without
// it a screen's first opening waits while Qt opens each new font size and renders
// its letters, which is more than half of what the lessons and quizzes cost to open.
namespace FontWarmUp {

// `window` is the first screen's. Once a process: the fonts stay open for the rest of
// it. For the screens in windows only: shown larger, letters are several times the
// work and the memory, and the largest are drawn from their outlines, never kept.
void start(QWidget* window);

} // namespace FontWarmUp

} // namespace sprout
