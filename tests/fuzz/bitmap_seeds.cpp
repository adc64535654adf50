// Writes the fuzzer's first inputs into the folder given: good bitmaps of every kind
// the check reads, as written by hand and by the picture library, and damaged ones.
#include "bitmapbytes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

using namespace sprout::test;

namespace {

bool write(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name + ".bmp"));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray saved(QImage::Format format, int width, int height)
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

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        return 1;

    QList<QPair<QString, QByteArray>> seeds = {
        {"rgb24", bitmapBytes({})},
        {"rgb24-padded", bitmapBytes({.width = 5, .height = 2})},
        {"top-down", bitmapBytes({.width = 3, .height = -7})},
        {"rgb32", bitmapBytes({.bits = 32})},
        {"rgb16", bitmapBytes({.width = 3, .bits = 16})},
        {"bitfields16", bitmapBytes({.width = 3, .bits = 16, .compression = 3})},
        {"bitfields32-v5", bitmapBytes({.bits = 32, .compression = 3, .headerSize = 124})},
        {"indexed8", bitmapBytes({.bits = 8})},
        {"indexed8-short-palette", bitmapBytes({.bits = 8, .coloursUsed = 5})},
        {"indexed4", bitmapBytes({.width = 9, .bits = 4})},
        {"mono", bitmapBytes({.width = 33, .bits = 1})},
        {"v4", bitmapBytes({.headerSize = 108})},
        {"v5", bitmapBytes({.headerSize = 124})},
        {"cut-short", bitmapBytes({.width = 20, .height = 20}, 600)},
        {"rle8", bitmapBytes({.bits = 8, .compression = 1})},
        {"huge", bitmapBytes({.width = 100000, .height = 100000}, 0)},
        {"offset-in-header", bitmapBytes({.pixelOffset = 20})},
        {"palette-too-large", bitmapBytes({.bits = 4, .coloursUsed = 17})},
        {"saved-rgb888", saved(QImage::Format_RGB888, 9, 7)},
        {"saved-rgb32", saved(QImage::Format_RGB32, 5, 4)},
        {"saved-argb32", saved(QImage::Format_ARGB32, 6, 3)},
        {"saved-indexed8", saved(QImage::Format_Indexed8, 7, 5)},
        {"saved-mono", saved(QImage::Format_Mono, 17, 3)},
    };
    // The oldest header, with 16-bit sizes and 3-byte palette entries.
    QByteArray core(14 + 12 + 2 * 8, '\0');
    core[0] = 'B';
    core[1] = 'M';
    put32(core, 10, 26);
    put32(core, 14, 12);
    put16(core, 18, 2);
    put16(core, 20, 2);
    put16(core, 22, 1);
    put16(core, 24, 24);
    seeds.append({"core", core});

    for (const auto& [name, bytes] : seeds)
        if (!write(folder, name, bytes))
            return 1;
    std::printf("%d seeds in %s\n", int(seeds.size()), qPrintable(folder.path()));
    return 0;
}
