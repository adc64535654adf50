#pragma once

class QWidget;

namespace sprout {

// Maps a shown window's pixels in one call before its first paint fills them, where
// the system can: at 3840 x 2160 they are 33 MB, and faulting their pages in one at a
// time as the paint first touches them took twice as long. Changes no pixel.
void mapWindowPixelsAhead(QWidget* window);

} // namespace sprout
