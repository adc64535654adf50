#include "bitmapfile.h"

#include "bitmapcheck.h"
#include "errorreporter.h"
#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace sprout {

namespace {

// Any bitmap the check accepts fits in this, with room for headers and a palette.
constexpr qint64 kMaxFileSize = kMaxBitmapPixels * 4 + 64 * 1024;

QString quoted(const QString& path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

BitmapFile::Loaded failure(const QString& what)
{
    BitmapFile::Loaded result;
    result.problem = what + QStringLiteral("\n\nReinstalling the program puts the file back.");
    return result;
}

BitmapFile::Loaded refusal(const QString& path, const BitmapCheck& check)
{
    using enum BitmapCheck::Problem;
    const QString file = quoted(path);
    switch (check.problem) {
    case Empty:
        return failure(QStringLiteral("The picture file %1 is empty (0 bytes), so it holds no picture.")
                           .arg(file));
    case NotABitmap:
        return failure(QStringLiteral("The file %1 is not a picture: %2.").arg(file, check.detail));
    case Unsupported:
        return failure(QStringLiteral("The picture file %1 cannot be shown: %2.").arg(file, check.detail));
    case TooLarge:
        return failure(QStringLiteral("The picture file %1 is damaged or not one of the program's "
                                      "pictures: %2.")
                           .arg(file, check.detail));
    case Damaged:
    case None:
        break;
    }
    return failure(QStringLiteral("The picture file %1 is damaged: %2.").arg(file, check.detail));
}

// The program's pictures are 24-bit bitmaps. Once checked, their rows are copied as
// they are, some ten times quicker than the general decoder, and they stay at 24 bits
// a pixel where it would widen them to 32: a quiz holds all of its pictures.
QImage readChecked24(QByteArrayView bytes, const BitmapCheck& check)
{
    QImage image(check.width, check.height, QImage::Format_RGB888);
    if (image.isNull())
        return image;
    const qint64 stride = (qint64(check.width) * 3 + 3) / 4 * 4; // rows padded to 4 bytes
    for (int row = 0; row < check.height; ++row) {
        const int line = check.topRowFirst ? row : check.height - 1 - row;
        std::memcpy(image.scanLine(line), bytes.data() + check.pixelOffset + row * stride,
                    size_t(check.width) * 3);
    }
    image.rgbSwap(); // a bitmap stores blue first
    return image;
}

} // namespace

BitmapFile::Loaded BitmapFile::load(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(QStringLiteral("In place of the picture file %1 there is a folder.").arg(quoted(path)));
    if (!info.exists()) {
        return failure(QStringLiteral("The picture file %1 is missing from the program's folder.")
                           .arg(quoted(path)));
    }
    if (info.size() > kMaxFileSize) {
        return failure(QStringLiteral("The picture file %1 is damaged or not one of the program's "
                                      "pictures: it is %2 MB, far larger than any of them.")
                           .arg(quoted(path))
                           .arg(info.size() / (1024 * 1024)));
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(QStringLiteral("The picture file %1 cannot be read (%2).")
                           .arg(quoted(path), file.errorString()));
    }
    // Asking for the largest size the check allows would hold that much memory for
    // every picture, however small; one byte past the file's size shows it grew.
    const QByteArray bytes = file.read(qMin(file.size(), kMaxFileSize) + 1);
    if (file.error() != QFileDevice::NoError) {
        return failure(QStringLiteral("The picture file %1 cannot be read (%2).")
                           .arg(quoted(path), file.errorString()));
    }
    file.close();
    if (bytes.size() > kMaxFileSize) { // grew since its size was asked
        return failure(QStringLiteral("The picture file %1 is damaged or not one of the program's "
                                      "pictures: it is far larger than any of them.")
                           .arg(quoted(path)));
    }

    const BitmapCheck check = checkBitmap(bytes);
    if (!check.ok())
        return refusal(path, check);

    Loaded result;
    result.picture = check.bitsPerPixel == 24 ? readChecked24(bytes, check) : QImage::fromData(bytes, "BMP");
    if (result.picture.isNull() || result.picture.width() != check.width
        || result.picture.height() != check.height) {
        return failure(QStringLiteral("The picture file %1 is damaged: its pixels cannot be read.")
                           .arg(quoted(path)));
    }
    return result;
}

bool BitmapFile::loadTable(const QStringList& nameConstants, QList<QImage>& pics)
{
    return loadTable(programFolder(), nameConstants, pics);
}

bool BitmapFile::loadTable(const QString& folder, const QStringList& nameConstants,
                            QList<QImage>& pics)
{
    QList<QImage> table;
    table.reserve(nameConstants.size());
    for (const QString& name : nameConstants) {
        if (name.isEmpty()) {
            table.append(QImage());
            continue;
        }
        Loaded loaded = load(programFilePath(folder, name));
        if (!loaded.ok()) {
            ErrorReporter::report(reportTitle(),
                                  loaded.problem
                                      + QStringLiteral(" Until then this game cannot open; "
                                                       "everything else goes on working."));
            return false;
        }
        table.append(std::move(loaded.picture));
    }
    pics = std::move(table);
    return true;
}

QString BitmapFile::reportTitle()
{
    return QStringLiteral("A picture cannot be read");
}

} // namespace sprout
