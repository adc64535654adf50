#include "bitmapcheck.h"

#include <cstdlib>

namespace sprout {

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12; // the oldest header, with 16-bit sizes
constexpr quint32 kInfoHeaderSize = 40;
constexpr quint32 kRgb = 0;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
constexpr quint32 kBitFields = 3;

// Little-endian reads; the caller has made sure the bytes are there.
quint16 read16(QByteArrayView bytes, qint64 at)
{
    return quint16(quint8(bytes[at])) | quint16(quint8(bytes[at + 1])) << 8;
}

quint32 read32(QByteArrayView bytes, qint64 at)
{
    return quint32(read16(bytes, at)) | quint32(read16(bytes, at + 2)) << 16;
}

BitmapCheck problem(BitmapCheck::Problem kind, const QString& detail)
{
    BitmapCheck result;
    result.problem = kind;
    result.detail = detail;
    return result;
}

QString byteCount(qint64 count)
{
    return count == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(count);
}

} // namespace

BitmapCheck checkBitmap(QByteArrayView bytes)
{
    using enum BitmapCheck::Problem;
    const qint64 size = bytes.size();
    if (size == 0)
        return problem(Empty, QStringLiteral("the file is empty (0 bytes)"));
    if (size < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return problem(NotABitmap, QStringLiteral("it does not hold a Windows bitmap picture"));
    if (size < kFileHeaderSize + 4)
        return problem(Damaged, QStringLiteral("the file ends inside its header"));

    const quint32 pixelOffset = read32(bytes, 10);
    const quint32 headerSize = read32(bytes, 14);
    const bool core = headerSize == kCoreHeaderSize;
    if (!core && headerSize != kInfoHeaderSize && headerSize != 52 && headerSize != 56
        && headerSize != 108 && headerSize != 124) {
        return problem(Damaged, QStringLiteral("its header is of no known kind (%1 bytes long)")
                                    .arg(headerSize));
    }
    if (headerSize == 52 || headerSize == 56) {
        // Rare headers that only add colour masks; the picture decoder reads neither.
        return problem(Unsupported, QStringLiteral("its header is of a kind the program does not "
                                                   "read (%1 bytes long)")
                                        .arg(headerSize));
    }
    if (size < kFileHeaderSize + qint64(headerSize))
        return problem(Damaged, QStringLiteral("the file ends inside its header"));

    // Wide enough that no header value can overflow the sums below.
    qint64 width;
    qint64 height;
    quint16 planes;
    quint16 bits;
    quint32 compression = kRgb;
    quint32 coloursUsed = 0;
    const qint64 at = kFileHeaderSize + 4;
    if (core) {
        width = read16(bytes, at);
        height = read16(bytes, at + 2);
        planes = read16(bytes, at + 4);
        bits = read16(bytes, at + 6);
    } else {
        width = qint32(read32(bytes, at));
        height = qint32(read32(bytes, at + 4));
        planes = read16(bytes, at + 8);
        bits = read16(bytes, at + 10);
        compression = read32(bytes, at + 12);
        coloursUsed = read32(bytes, at + 28);
    }
    const bool topRowFirst = height < 0;
    height = std::llabs(height);

    if (width <= 0 || height <= 0) {
        return problem(Damaged, QStringLiteral("its header gives an impossible size of %1 x %2 pixels")
                                    .arg(width).arg(height));
    }
    if (width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels) {
        return problem(TooLarge, QStringLiteral("its header claims %1 x %2 pixels, far more than any "
                                                "picture of this program")
                                     .arg(width).arg(height));
    }
    if (planes != 1)
        return problem(Damaged, QStringLiteral("its header gives %1 colour planes").arg(planes));
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return problem(Damaged, QStringLiteral("its header gives %1 bits a pixel").arg(bits));
    if (compression == kRle8 || compression == kRle4) {
        return problem(Unsupported,
                       QStringLiteral("its pixels are compressed; only uncompressed bitmaps are read"));
    }
    if (compression != kRgb && !(compression == kBitFields && (bits == 16 || bits == 32))) {
        return problem(Unsupported, QStringLiteral("its pixels are stored in an unknown way (%1)")
                                        .arg(compression));
    }

    qint64 headerEnd = kFileHeaderSize + headerSize;
    if (compression == kBitFields && headerSize == kInfoHeaderSize)
        headerEnd += 12; // the three colour masks follow the short header
    if (bits <= 8) {
        const qint64 paletteMax = qint64(1) << bits;
        if (coloursUsed > paletteMax) {
            return problem(Damaged, QStringLiteral("its header lists %1 colours for %2 bits a pixel")
                                        .arg(coloursUsed).arg(bits));
        }
        headerEnd += (coloursUsed ? coloursUsed : paletteMax) * (core ? 3 : 4);
    }
    if (pixelOffset < headerEnd)
        return problem(Damaged, QStringLiteral("its pixels would begin inside its header"));
    if (pixelOffset > size)
        return problem(Damaged, QStringLiteral("its pixels would begin after the end of the file"));

    if (compression == kBitFields) {
        // The colour masks follow the first 40 bytes of the header, in it or just
        // after it; the offset checks above made sure they are there. A mask of all
        // 32 bits leaves no room to scale a colour, and the decoder gives up on it.
        const qint64 masksAt = kFileHeaderSize + kInfoHeaderSize;
        const int masks = headerSize >= 108 ? 4 : 3;
        for (int mask = 0; mask < masks; ++mask) {
            if (read32(bytes, masksAt + 4 * mask) == 0xFFFFFFFFu)
                return problem(Damaged, QStringLiteral("its colour masks are impossible"));
        }
    }

    // Each row is padded to a multiple of four bytes.
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 needed = qint64(pixelOffset) + stride * height;
    if (size < needed) {
        return problem(Damaged, QStringLiteral("the file is cut short: its %1 x %2 pixels need %3, but "
                                               "the file holds %4")
                                    .arg(width).arg(height).arg(byteCount(needed)).arg(byteCount(size)));
    }

    BitmapCheck good;
    good.width = int(width);
    good.height = int(height);
    good.bitsPerPixel = bits;
    good.pixelOffset = pixelOffset;
    good.topRowFirst = topRowFirst;
    return good;
}

} // namespace sprout
