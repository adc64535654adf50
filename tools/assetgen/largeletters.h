#pragma once

#include <functional>

class QPainter;

namespace sprout::LargeLetters {

// Letters larger than Qt keeps as pictures (64 pixels) it draws from their outlines,
// a whole line of text as one shape; on the 3840 x 2160 classroom that was most of a
// lesson's first opening (13 ms for one line of 84 px letters). The same outlines
// filled one letter at a time take a tenth of that.

// Whether text in the painter's font is drawn from outlines.
bool drawnFromOutlines(const QPainter& painter);

// Runs `layDown`, which draws text (and lines) onto the painter it is given: straight
// onto `painter` where its letters are kept by Qt, else onto a recording that is then
// drawn onto `painter` with the letters filled one at a time.
void draw(QPainter& painter, const std::function<void(QPainter&)>& layDown);

} // namespace sprout::LargeLetters
