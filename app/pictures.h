#pragma once

#include <QPixmap>
#include <QString>

namespace sprout {

// A picture that is part of a screen's design (board, backdrop, cells, ...),
// compiled into the program. Null when there is no such picture.
QPixmap builtInPicture(const QString& name);

} // namespace sprout
