// Writes the fuzzer's first inputs into the folder given: good bitmaps of every kind
// the check reads, and damaged ones.
#include "bitmapbytes.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace sprout::testing;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path()))
        return 1;
    QList<QPair<QString, QByteArray>> seeds = {
        {"bitfields16", bitmapBytes({.width = 3, .bits = 16, .compression = 3})},
        {"bitfields32-v5", bitmapBytes({.bits = 32, .compression = 3, .headerSize = 124})},
        {"cut-short", bitmapBytes({.width = 20, .height = 20}, 600)},
        {"rle8", bitmapBytes({.bits = 8, .compression = 1})},
        {"huge", bitmapBytes({.width = 100000, .height = 100000}, 0)},
        {"offset-in-header", bitmapBytes({.pixelOffset = 20})},
        {"palette-too-large", bitmapBytes({.bits = 4, .coloursUsed = 17})},
    };
    for (const GoodBitmap& good : goodBitmaps())
        seeds.append({good.name, good.bytes});
    for (const auto& [name, bytes] : seeds) {
        QFile file(folder.filePath(name + ".bmp"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    std::printf("%d seeds in %s\n", int(seeds.size()), qPrintable(folder.path()));
    return 0;
}
