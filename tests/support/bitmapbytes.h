#pragma once

#include <QByteArray>
#include <QtEndian>

// Builds the bytes of an uncompressed Windows bitmap by hand, so that tests can
// write any header, sensible or not.
namespace sprout::test {

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

inline void put16(QByteArray& bytes, int at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

inline void put32(QByteArray& bytes, int at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

inline qint64 rowStride(qint64 width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

// Header, palette (for 8 bits or fewer) and, unless pixelBytes says otherwise, all
// pixel rows, filled with a pattern.
inline QByteArray bitmapBytes(const BitmapHeader& h, qint64 pixelBytes = -1)
{
    const int palette = h.bits <= 8 ? (h.coloursUsed ? int(h.coloursUsed) : 1 << h.bits) * 4 : 0;
    const qint64 headerEnd = 14 + h.headerSize + palette;
    const qint64 offset = h.pixelOffset >= 0 ? h.pixelOffset : headerEnd;
    if (pixelBytes < 0)
        pixelBytes = rowStride(h.width, h.bits) * qAbs(qint64(h.height));
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
    for (int i = 14 + int(h.headerSize); i < 14 + int(h.headerSize) + palette; ++i)
        bytes[i] = char(i * 7);
    for (qint64 i = pixelsAt; i < bytes.size(); ++i)
        bytes[int(i)] = char(i * 13);
    return bytes;
}

} // namespace sprout::test
