#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QtEndian>

// Builds the bytes of a Windows bitmap by hand, so that tests can write any
// header, sensible or not.
namespace sprout::testing {

struct BitmapHeader {
    qint32 width = 4;
    qint32 height = 3;
    quint16 planes = 1;
    quint16 bits = 24;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
    quint32 headerSize = 40;
    qint64 pixelOffset = -1; // -1: right after the header and palette
};

inline void put16(QByteArray& bytes, int at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }
inline void put32(QByteArray& bytes, int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); }

// Header, palette (for 8 bits or fewer) and, unless pixelBytes says otherwise, all
// pixel rows, filled with a pattern.
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
    put32(bytes, 2, quint32(bytes.size()));
    put32(bytes, 10, quint32(offset));
    put32(bytes, 14, h.headerSize);
    put32(bytes, 18, quint32(h.width));
    put32(bytes, 22, quint32(h.height));
    put16(bytes, 26, h.planes);
    put16(bytes, 28, h.bits);
    put32(bytes, 30, h.compression);
    put32(bytes, 46, h.coloursUsed);
    for (qint64 i = 14 + h.headerSize; i < bytes.size(); ++i)
        bytes[int(i)] = char(i * (i < pixelsAt ? 7 : 13));
    return bytes;
}

// A picture as the picture library writes it.
inline QByteArray savedBitmap(QImage::Format format, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40, y * 30, (x + y) % 2 ? 255 : 0));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(format).save(&buffer, "BMP");
    return buffer.data();
}

struct GoodBitmap {
    const char* name;
    QByteArray bytes;
    int width, height;
};

// One of every kind of bitmap the check reads.
inline QList<GoodBitmap> goodBitmaps()
{
    // The oldest header has 16-bit sizes and 3-byte palette entries.
    QByteArray core(14 + 12 + 2 * 8, '\0');
    core[0] = 'B';
    core[1] = 'M';
    put32(core, 10, 26);
    put32(core, 14, 12);
    put16(core, 18, 2);
    put16(core, 20, 2);
    put16(core, 22, 1);
    put16(core, 24, 24);
    return {
        {"rgb24", bitmapBytes({}), 4, 3},
        {"rgb24-padded-rows", bitmapBytes({.width = 5, .height = 2}), 5, 2},
        {"top-row-first", bitmapBytes({.width = 3, .height = -7}), 3, 7},
        {"rgb32", bitmapBytes({.bits = 32}), 4, 3},
        {"rgb16", bitmapBytes({.width = 3, .bits = 16}), 3, 3},
        {"indexed8-short-palette", bitmapBytes({.bits = 8, .coloursUsed = 5}), 4, 3},
        {"indexed4", bitmapBytes({.width = 9, .bits = 4}), 9, 3},
        {"mono", bitmapBytes({.width = 33, .bits = 1}), 33, 3},
        {"v5-header", bitmapBytes({.headerSize = 124}), 4, 3},
        {"oldest-header", core, 2, 2},
        {"bytes-after-the-pixels", bitmapBytes({}) + "trailing", 4, 3},
        {"saved-rgb888", savedBitmap(QImage::Format_RGB888, 9, 7), 9, 7},
        {"saved-argb32", savedBitmap(QImage::Format_ARGB32, 6, 3), 6, 3},
        {"saved-indexed8", savedBitmap(QImage::Format_Indexed8, 7, 5), 7, 5},
        {"saved-mono", savedBitmap(QImage::Format_Mono, 17, 3), 17, 3},
    };
}

} // namespace sprout::testing
