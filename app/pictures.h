#pragma once

#include <QPixmap>
#include <QString>

namespace sprout {

// A picture that is part of a screen's design (board, backdrop, cells, ...),
// compiled into the program. Null when there is no such picture. On a screen that
// magnifies it is the copy drawn at twice the size, at a device pixel ratio of 2, so
// that it keeps its size on the screen and stays sharp.
QPixmap builtInPicture(const QString& name);

} // namespace sprout
