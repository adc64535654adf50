// Writes the fuzzer's first inputs into the folder given: the good and the damaged
// bitmaps the check's own test reads.
#include "bitmapbytes.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace sprout::testing;

int main(int argc, char* argv[])
{
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QList<QPair<QString, QByteArray>> seeds;
    for (const GoodBitmap& good : goodBitmaps())
        seeds.append({good.name, good.bytes});
    for (const BadBitmap& bad : badBitmaps())
        seeds.append({bad.name, bad.bytes});
    for (const auto& [name, bytes] : seeds) {
        QFile file(QDir(QString::fromLocal8Bit(argv[1])).filePath(name + ".bmp"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    std::printf("%d seeds in %s\n", int(seeds.size()), argv[1]);
    return 0;
}
