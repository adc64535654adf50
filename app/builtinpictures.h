#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace sprout {

// A picture that is part of a screen's design (board, backdrop, cells, ...),
// compiled into the program. Null when there is no such picture. On a screen that
// magnifies it is the copy drawn at twice the size, at a device pixel ratio of 2, so
// that it keeps its size on the screen and stays sharp.
QPixmap builtInPicture(const QString& name);

// The same picture stretched to `shown` (device-independent pixels). It is scaled
// once, while it is decoded, and only the scaled copy is kept: a stretching label
// would keep the picture at its own size plus a second copy to scale from, which for
// the ruler alone is 14 MiB, and would scale again on every first paint.
QPixmap builtInPicture(const QString& name, QSize shown);

// The same, drawn afresh and not kept: for a screen shown larger, whose pictures at its
// own scale no other screen shares.
QPixmap builtInPictureNotKept(const QString& name, QSize shown);

// The picture at its own size times a screen's scale (not kept); the picture itself at 1.
QPixmap builtInPicture(const QString& name, double scale);

// Whether the program holds a built-in picture of that name, without decoding it.
bool hasBuiltInPicture(const QString& name);

} // namespace sprout
