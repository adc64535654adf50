#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

namespace sprout {

// A picture that is part of a screen's design (board, backdrop, cells, ...),
// compiled into the program. Null when there is no such picture. On a screen that
// magnifies it is the copy drawn at twice the size, at a device pixel ratio of 2, so
// that it keeps its size on the screen and stays sharp.
QPixmap builtInPicture(const QString& name);
// Starts unpacking that picture on another core, for builtInPicture to take (waiting
// for it if need be): a screen is built meanwhile.
void unpackBuiltInPictureAhead(const QString& name);

// The same picture stretched to `shown` (device-independent pixels), made afresh and
// not kept: a stretched picture belongs to its screen, which lets it go while the
// screen is hidden long enough, and shares it with no other screen.
QPixmap builtInPictureNotKept(const QString& name, QSize shown);

// Starts making on another core a picture that will be shown at `shown`: drawn
// afresh, or unpacked from the program and made smaller.
void drawBuiltInPictureAhead(const QString& name, QSize shown);
// The drawing started ahead for `shown`, as a call that returns it, waiting for it if
// need be; empty when none was started. The call owns the drawing from then on.
std::function<QPixmap()> takeBuiltInPictureDrawnAhead(const QString& name, QSize shown);
// Lets go of the drawings started ahead and not taken.
void forgetPicturesDrawnAhead();

// The picture at its own size times a screen's scale (not kept); the picture itself at 1.
QPixmap builtInPicture(const QString& name, double scale);

// A picture's own size times a screen's scale, without decoding it; empty when the
// program has no such picture.
QSize builtInPictureSize(const QString& name, double scale);

// Whether the program holds a built-in picture of that name, without decoding it.
bool hasBuiltInPicture(const QString& name);

} // namespace sprout
