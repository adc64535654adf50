// Writes the readers' test files as the fuzzers' seeds: "write_seeds bitmap FOLDER" the good and
// damaged bitmaps, "write_seeds wav FOLDER" the WAV files but those too large for the fuzzer.
#include "bitmapbytes.h"
#include "wavbytes.h"

#include <QDir>
#include <QFile>

int main(int argc, char* argv[])
{
    const QDir folder(QString::fromLocal8Bit(argc == 3 ? argv[2] : ""));
    if (argc != 3 || !folder.mkpath("."))
        return 2;
    const auto write = [&folder](const char* name, QByteArrayView bytes) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size();
    };
    bool written = true;
    if (QByteArrayView(argv[1]) == "bitmap") {
        for (const auto& good : sprout::testing::goodBitmaps())
            written &= write((good.name + std::string(".bmp")).c_str(), good.bytes);
        for (const auto& bad : sprout::testing::badBitmaps())
            written &= write((bad.name + std::string(".bmp")).c_str(), bad.bytes);
    } else {
        for (const auto& wav : sprout::test::wavCases())
            if (wav.bytes.size() <= 65536)
                written &= write((wav.name + std::string(".wav")).c_str(), QByteArrayView(wav.bytes.data(), qsizetype(wav.bytes.size())));
    }
    return written ? 0 : 1;
}
