#include "pictures.h"

#include "bitmapcheck.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QResource>
#include <cstring>

static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures); // the resources live in a static library
}

namespace sprout {

namespace {

qreal screenScale()
{
    static const bool initialised = (initPictureResources(), true);
    Q_UNUSED(initialised);
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// Drawings are bitmaps, the pictures designed as photographs JPEG. Qt does not choose a
// resource's "@2x" drawing by itself: on a screen that magnifies, take it where the
// picture has one.
QString resourceOf(const QString& name, bool magnified)
{
    const QStringList candidates = magnified ? QStringList{name + QStringLiteral("@2x"), name}
                                             : QStringList{name};
    for (const QString& candidate : candidates)
        for (const char* type : {".bmp", ".jpg"})
            if (const QString file = QStringLiteral(":/pictures/") + candidate + QLatin1String(type);
                QFile::exists(file))
                return file;
    return {};
}

// Seven screens share the board and five the backdrop: decode each once and share it.
QHash<QString, QPixmap>& decoded()
{
    static QHash<QString, QPixmap> pictures;
    return pictures;
}

// Drawings are the 24-bit bitmaps that assetgen writes, read by copying their rows
// from the resource's own bytes. The bytes go before the pixels are converted, so
// that no more than two copies of a picture are held at once.
QImage copyRows(const QString& file)
{
    const QByteArray bytes = QResource(file).uncompressedData();
    const BitmapCheck check = checkBitmap(bytes);
    if (!check.ok() || check.bitsPerPixel != 24)
        return QImage(file).convertToFormat(QImage::Format_RGB888);
    const qint64 stride = (qint64(check.width) * 3 + 3) / 4 * 4; // rows padded to 4 bytes
    QImage stored(check.width, check.height, QImage::Format_RGB888);
    for (int row = 0; row < check.height; ++row)
        std::memcpy(stored.scanLine(check.topRowFirst ? row : check.height - 1 - row),
                    bytes.constData() + check.pixelOffset + row * stride, size_t(check.width) * 3);
    stored.rgbSwap(); // a bitmap stores blue first
    return stored;
}

// Swapping red and blue at 24 bits and then converting is the quickest order (measured).
QImage readDrawing(const QString& file)
{
    return copyRows(file).convertToFormat(QImage::Format_RGB32);
}

// A photograph is decoded straight at the size shown, which JPEG does cheaply.
QImage read(const QString& file, QSize pixels)
{
    if (file.endsWith(QLatin1String(".bmp"))) {
        QImage picture = readDrawing(file);
        if (pixels.isEmpty() || picture.size() == pixels)
            return picture;
        return picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImageReader reader(file);
    if (!pixels.isEmpty())
        reader.setScaledSize(pixels);
    return reader.read();
}

} // namespace

QPixmap builtInPicture(const QString& name)
{
    const bool magnified = screenScale() > 1;
    const QString key = magnified ? name + QStringLiteral("@2x") : name;
    if (auto found = decoded().constFind(key); found != decoded().constEnd())
        return *found;
    const QString file = resourceOf(name, magnified);
    QPixmap picture = QPixmap::fromImage(read(file, {}));
    // The twice-size drawing keeps the size of the picture it stands in for.
    if (file.contains(QLatin1String("@2x.")))
        picture.setDevicePixelRatio(2);
    decoded().insert(key, picture);
    return picture;
}

QPixmap builtInPicture(const QString& name, QSize shown)
{
    const qreal scale = screenScale();
    const QSize pixels = (QSizeF(shown) * scale).toSize();
    const QString key = QStringLiteral("%1 %2x%3").arg(name).arg(pixels.width()).arg(pixels.height());
    if (auto found = decoded().constFind(key); found != decoded().constEnd())
        return *found;
    QPixmap picture = QPixmap::fromImage(read(resourceOf(name, scale > 1), pixels));
    picture.setDevicePixelRatio(scale);
    decoded().insert(key, picture);
    return picture;
}

bool hasBuiltInPicture(const QString& name)
{
    screenScale(); // makes the resources known
    return !resourceOf(name, false).isEmpty();
}

} // namespace sprout
