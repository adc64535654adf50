#pragma once

#include <QByteArrayView>
#include <QString>

namespace sprout {

// What the header of a Windows bitmap promises, checked against the bytes that are
// really there. A picture decoder fills the rows a cut-off file lacks with nothing and
// calls the picture good, and it trusts sizes in the header before allocating; this
// check runs first so that neither a damaged nor a hostile file gets that far.
// It looks at bytes only, so it can be fed any input.
struct BitmapCheck {
    enum class Problem {
        None,
        Empty,       // no bytes at all
        NotABitmap,  // does not begin like a Windows bitmap
        Damaged,     // header or pixel data cut short or contradicting itself
        Unsupported, // a kind of bitmap the program does not read
        TooLarge,    // claims a size far beyond any picture of the program
    };

    Problem problem = Problem::None;
    QString detail; // plain words for the person at the computer, empty when good
    int width = 0;
    int height = 0; // always positive, also for pictures stored top row first
    int bitsPerPixel = 0;
    qint64 pixelOffset = 0;   // where the rows begin, from the start of the file
    bool topRowFirst = false; // most bitmaps store the bottom row first

    bool ok() const { return problem == Problem::None; }
};

// Largest picture accepted: far beyond the program's own pictures, small enough
// that decoding it cannot exhaust memory.
inline constexpr int kMaxBitmapSide = 8192;
inline constexpr qint64 kMaxBitmapPixels = qint64(8192) * 4096;

BitmapCheck checkBitmap(QByteArrayView bytes);

} // namespace sprout
