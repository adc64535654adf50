#pragma once

#include <QFont>

namespace sprout {

// The screens are designed with Windows fonts. Each is drawn with a free font of
// like width from Debian: Liberation Sans has Arial's metrics exactly, and Cabin,
// a humanist sans like Trebuchet MS, keeps every designed caption on its lines.
QString fontFamilyFor(const char* designFamily);

// A design font: sizes in points at 96 dots per inch, so that text keeps its
// designed size relative to the twip layout whatever the screen reports; a screen
// shown larger multiplies the size by its scale, as px() does its positions.
QFont designFont(const char* family, double points, bool bold, double scale = 1.0);

} // namespace sprout
