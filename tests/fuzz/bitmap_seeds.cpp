// Writes the bitmap check's good and damaged test bitmaps as the fuzzer's seeds.
#include "bitmapbytes.h"

#include <QDir>
#include <QFile>

using namespace sprout::testing;

int main(int argc, char* argv[])
{
    const QDir folder(QString::fromLocal8Bit(argc == 2 ? argv[1] : ""));
    if (argc != 2 || !folder.mkpath("."))
        return 2;
    const auto write = [&folder](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(QString::fromLatin1(name) + ".bmp"));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    for (const GoodBitmap& good : goodBitmaps())
        if (!write(good.name, good.bytes))
            return 1;
    for (const BadBitmap& bad : badBitmaps())
        if (!write(bad.name, bad.bytes))
            return 1;
    return 0;
}
