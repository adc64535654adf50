// Any bytes at all: the check never crashes, says why it refuses, and what it accepts
// the decoder reads whole, at the size the header claims.
#include "bitmapcheck.h"

#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const sprout::BitmapCheck check = sprout::checkBitmap(bytes);
    const QImage decoded = check.ok() ? QImage::fromData(bytes, "BMP") : QImage();
    const bool sound = check.ok() ? check.detail.isEmpty() && qint64(check.width) * check.height <= sprout::kMaxBitmapPixels
                                        && decoded.size() == QSize(check.width, check.height)
                                  : !check.detail.isEmpty();
    if (!sound) {
        std::fprintf(stderr, "%s %d x %d at %d bits (%s), decoded %d x %d\n", check.ok() ? "accepted" : "refused",
                     check.width, check.height, check.bitsPerPixel, qPrintable(check.detail), decoded.width(), decoded.height());
        std::abort();
    }
    return 0;
}
