// Feeds the bitmap check any bytes at all. It must never crash or read outside the
// bytes, must always say why it refuses, and whatever it accepts the picture
// decoder must read whole, at the size the header claims.
#include "bitmapcheck.h"

#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const sprout::BitmapCheck check = sprout::checkBitmap(bytes);
    if (!check.ok()) {
        if (check.detail.isEmpty()) {
            std::fprintf(stderr, "refused without a reason\n");
            std::abort();
        }
        return 0;
    }
    const QImage decoded = QImage::fromData(bytes, "BMP");
    if (!check.detail.isEmpty() || qint64(check.width) * check.height > sprout::kMaxBitmapPixels
        || decoded.isNull() || decoded.width() != check.width || decoded.height() != check.height) {
        std::fprintf(stderr, "accepted %d x %d at %d bits (%s), decoded %d x %d%s\n", check.width, check.height,
                     check.bitsPerPixel, qPrintable(check.detail), decoded.width(), decoded.height(),
                     decoded.isNull() ? " (nothing)" : "");
        std::abort();
    }
    return 0;
}
