#pragma once

#include "bitmapcheck.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

// Windows bitmaps built byte by byte, so that a test can write any header, sensible or not.
namespace sprout::testing {

struct BitmapHeader {
    qint32 width = 4, height = 3;
    quint16 planes = 1, bits = 24;
    quint32 compression = 0, coloursUsed = 0, headerSize = 40;
    qint64 pixelOffset = -1; // -1: right after the header and palette
};

inline void put16(QByteArray& bytes, int at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }
inline void put32(QByteArray& bytes, int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); }

// Header, palette (8 bits or fewer) and, unless pixelBytes says otherwise, rows of a pattern.
inline QByteArray bitmapBytes(const BitmapHeader& h, qint64 pixelBytes = -1)
{
    const int palette = h.bits <= 8 ? (h.coloursUsed ? int(h.coloursUsed) : 1 << h.bits) * 4 : 0;
    const qint64 headerEnd = 14 + h.headerSize + palette;
    const qint64 offset = h.pixelOffset >= 0 ? h.pixelOffset : headerEnd;
    if (pixelBytes < 0)
        pixelBytes = (qint64(h.width) * h.bits + 31) / 32 * 4 * qAbs(qint64(h.height));
    // An offset that points outside any sensible file is written, not honoured.
    const qint64 pixelsAt = offset > headerEnd && offset < (1 << 20) ? offset : headerEnd;
    QByteArray bytes(int(pixelsAt + pixelBytes), '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    for (const auto& [at, value] : {std::pair{2, quint32(bytes.size())}, {10, quint32(offset)}, {14, h.headerSize},
                                    {18, quint32(h.width)}, {22, quint32(h.height)}, {30, h.compression}, {46, h.coloursUsed}})
        put32(bytes, at, value);
    put16(bytes, 26, h.planes);
    put16(bytes, 28, h.bits);
    for (qint64 i = 14 + h.headerSize; i < bytes.size(); ++i)
        bytes[int(i)] = char(i * (i < pixelsAt ? 7 : 13));
    return bytes;
}

struct GoodBitmap {
    const char* name;
    QByteArray bytes;
    int width, height;
};

// One of every kind of bitmap the check reads.
inline QList<GoodBitmap> goodBitmaps()
{
    return {
        {"rgb24-padded-rows", bitmapBytes({.width = 5, .height = 2}), 5, 2},
        {"top-row-first", bitmapBytes({.width = 3, .height = -7}), 3, 7},
        {"rgb32", bitmapBytes({.bits = 32}), 4, 3},
        {"rgb16", bitmapBytes({.width = 3, .bits = 16}), 3, 3},
        {"indexed8", bitmapBytes({.bits = 8}), 4, 3},
        {"indexed8-short-palette", bitmapBytes({.bits = 8, .coloursUsed = 5}), 4, 3},
        {"indexed4", bitmapBytes({.width = 9, .bits = 4}), 9, 3},
        {"mono", bitmapBytes({.width = 33, .bits = 1}), 33, 3},
        {"v5-header", bitmapBytes({.headerSize = 124}), 4, 3},
        {"bytes-after-the-pixels", bitmapBytes({}) + "trailing", 4, 3},
        {"largest-side", bitmapBytes({.width = kMaxBitmapSide, .height = 1, .bits = 1}), kMaxBitmapSide, 1},
    };
}

struct BadBitmap {
    const char* name;
    QByteArray bytes;
    BitmapCheck::Problem problem;
    const char* detail; // part of the reason given
};

// Headers that lie, one of each way the check refuses.
inline QList<BadBitmap> badBitmaps()
{
    using P = BitmapCheck::Problem;
    // Masks of all 32 bits leave the decoder no way to scale a colour.
    QByteArray fullRed = bitmapBytes({.width = 3, .bits = 16, .compression = 3, .pixelOffset = 66});
    for (const auto& [at, mask] : {std::pair{54, 0xFFFFFFFFu}, {58, 0x03e0u}, {62, 0x001fu}})
        put32(fullRed, at, mask);
    QByteArray fullAlpha = bitmapBytes({.bits = 32, .compression = 3, .headerSize = 108});
    for (const auto& [at, mask] : {std::pair{54, 0x00ff0000u}, {58, 0x0000ff00u}, {62, 0x000000ffu}, {66, 0xFFFFFFFFu}})
        put32(fullAlpha, at, mask);
    return {
        {"empty", {}, P::Empty, "empty"},
        {"text", "Chair\nTable\n", P::NotABitmap, "not hold"},
        {"only-the-signature", "BM", P::Damaged, "header"},
        {"unknown-header-size", bitmapBytes({.headerSize = 64}), P::Damaged, "no known kind"},
        {"one-side-too-long", bitmapBytes({.width = kMaxBitmapSide + 1, .height = 1}, 0), P::TooLarge, "8193 x 1"},
        {"too-many-pixels", bitmapBytes({.width = 8000, .height = 8000}, 0), P::TooLarge, "8000 x 8000"},
        {"most-negative-height", bitmapBytes({.height = std::numeric_limits<qint32>::min()}, 0), P::TooLarge, "far more"},
        {"zero-width", bitmapBytes({.width = 0}), P::Damaged, "0 x 3"},
        {"no-planes", bitmapBytes({.planes = 0}), P::Damaged, "planes"},
        {"7-bits", bitmapBytes({.bits = 7}), P::Damaged, "7 bits"},
        {"rle8", bitmapBytes({.bits = 8, .compression = 1}), P::Unsupported, "compressed"},
        {"bitfields-on-24-bits", bitmapBytes({.compression = 3}), P::Unsupported, "unknown way"},
        {"palette-too-large", bitmapBytes({.bits = 4, .coloursUsed = 17}), P::Damaged, "17 colours"},
        {"offset-in-header", bitmapBytes({.pixelOffset = 20}), P::Damaged, "inside its header"},
        {"offset-beyond-the-end", bitmapBytes({.pixelOffset = 0xFFFFFFFFu}, 0), P::Damaged, "after the end"},
        {"cut-short", bitmapBytes({}).chopped(1), P::Damaged, "need 90 bytes, but the file holds 89 bytes"},
        {"short-header-red-mask-of-all-bits", fullRed, P::Damaged, "masks"},
        {"v4-alpha-mask-of-all-bits", fullAlpha, P::Damaged, "masks"},
        {"56-byte-header", bitmapBytes({.width = 5, .headerSize = 56}), P::Unsupported, "56 bytes"},
    };
}

} // namespace sprout::testing
