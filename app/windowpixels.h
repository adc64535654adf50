#pragma once

class QWidget;

namespace sprout {

// Maps a shown window's pixels in one call before its first paint fills them (see
// art::mapPixels): at 3840 x 2160 they are 33 MB.
void mapWindowPixelsAhead(QWidget* window);

} // namespace sprout
