#include "builtinpictures.h"

#include "artwork.h"
#include "bitmapcheck.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QThreadPool>
#include <algorithm>
#include <future>
#include <map>
#include <memory>

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
// resource's "@2x" drawing by itself: shown larger than drawn, take the twice-size
// drawing where the picture has one.
QString resourceOf(const QString& name, qreal magnified)
{
    QStringList candidates;
    if (magnified > 1)
        candidates << name + QStringLiteral("@2x");
    candidates << name;
    for (const QString& candidate : candidates)
        for (const char* type : {".bmp", ".jpg"})
            if (const QString file = QStringLiteral(":/pictures/") + candidate + QLatin1String(type);
                QFile::exists(file))
                return file;
    return {};
}

// Seven screens share the board and four the award certificates: decode each once and
// share it.
QHash<QString, QPixmap>& decoded()
{
    static QHash<QString, QPixmap> pictures;
    return pictures;
}

// Drawings are the bitmaps that assetgen writes as the screen holds them (32 bits a
// pixel, top row first): the pixels are shown straight from the unpacked resource,
// with no conversion and no second copy, which at start-up saves time and memory.
QImage readDrawing(const QString& file)
{
    auto bytes = std::make_unique<QByteArray>(QResource(file).uncompressedData());
    const BitmapCheck check = checkBitmap(*bytes);
    if (!check.ok() || check.bitsPerPixel != 32 || !check.topRowFirst)
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    uchar* pixels = reinterpret_cast<uchar*>(bytes->data()) + check.pixelOffset;
    if (quintptr(pixels) % 16 != 0) // painting expects pixels aligned as Qt allocates them
        return QImage(pixels, check.width, check.height, QImage::Format_RGB32).copy();
    return QImage(pixels, check.width, check.height, qsizetype(check.width) * 4,
                  QImage::Format_RGB32, [](void* held) { delete static_cast<QByteArray*>(held); },
                  bytes.release());
}

// Made smaller by no more than half, a picture loses nothing to the painter's
// blending of neighbouring pixels, which is several times quicker than averaging
// every pixel it covers.
QImage shrunk(const QImage& picture, QSize pixels)
{
    if (2 * pixels.width() < picture.width() || 2 * pixels.height() < picture.height())
        return picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage smaller(pixels, QImage::Format_RGB32);
    QPainter painter(&smaller);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(smaller.rect(), picture);
    return smaller;
}

// A photograph is decoded straight at the size shown, which JPEG does cheaply.
QImage read(const QString& file, QSize pixels)
{
    if (file.endsWith(QLatin1String(".bmp"))) {
        QImage picture = readDrawing(file);
        if (pixels.isEmpty() || picture.size() == pixels)
            return picture;
        return shrunk(picture, pixels);
    }
    QImageReader reader(file);
    if (!pixels.isEmpty())
        reader.setScaledSize(pixels);
    return reader.read();
}

// The size of a picture as compiled in, from the list beside the pictures: finding it
// in the picture itself would mean unpacking the whole picture.
QSize ownSize(const QString& name)
{
    static const QHash<QString, QSize> sizes = [] {
        screenScale(); // makes the resources known
        QHash<QString, QSize> listed;
        const QByteArray list = QResource(QStringLiteral(":/pictures/sizes")).uncompressedData();
        for (const QByteArray& line : list.split('\n'))
            if (const QList<QByteArray> fields = line.split(' '); fields.size() == 3)
                listed.insert(QString::fromLatin1(fields[0]), QSize(fields[1].toInt(), fields[2].toInt()));
        return listed;
    }();
    return sizes.value(name);
}

// Unpacking a picture costs for every pixel stored, drawing it for every pixel shown:
// the ruler, stored at five times the width it is shown at, is drawn quicker than it
// is unpacked.
bool farLarger(QSize stored, QSize shown)
{
    return qint64(stored.width()) * stored.height() > 8 * qint64(shown.width()) * shown.height();
}

// How a picture comes to be at the size shown.
enum class Making { Read, ReadTwiceSize, Shrunk, Drawn };

Making makingOf(const QString& name, QSize pixels)
{
    const QSize own = ownSize(name);
    if (own.isEmpty() || pixels.isEmpty())
        return Making::Read;
    if (pixels == own * 2 && resourceOf(name, 2).contains(QLatin1String("@2x.")))
        return Making::ReadTwiceSize;
    if (pixels.width() <= own.width() && pixels.height() <= own.height() && !farLarger(own, pixels))
        return Making::Shrunk; // made smaller, a drawing stays sharp
    return Making::Drawn; // sharper than enlarged, quicker than unpacked
}

// The picture at `pixels`; touches nothing of the program's, so any thread may make it.
QImage pictureAt(const QString& name, QSize pixels)
{
    const QSize own = ownSize(name);
    QImage image;
    switch (makingOf(name, pixels)) {
    case Making::Read:
    case Making::Shrunk:
        image = read(resourceOf(name, 1), pixels);
        break;
    case Making::ReadTwiceSize:
        image = read(resourceOf(name, 2), {});
        break;
    case Making::Drawn:
        image = art::drawBuiltInPicture(name, pixels, std::max(qreal(pixels.width()) / own.width(),
                                                               qreal(pixels.height()) / own.height()));
        break;
    }
    if (!pixels.isEmpty() && image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QSize pixelsOf(QSize shown)
{
    return (QSizeF(shown) * screenScale()).toSize();
}

// Drawings started on another core, by name and size, until taken.
std::map<QString, std::future<QImage>>& drawnAhead()
{
    static std::map<QString, std::future<QImage>> drawings;
    return drawings;
}

// Drawings ahead have a pool of their own: a painter spreads a large fill over Qt's
// global pool and waits for it, which would be for ever if that pool's threads were
// drawing pictures that wait for the one that painter is making.
QThreadPool& drawingPool()
{
    static QThreadPool pool;
    static const bool waitedForAtExit = (qAddPostRoutine([] { pool.waitForDone(); }), true);
    Q_UNUSED(waitedForAtExit);
    return pool;
}

// A picture made at the screen's pixels, shown at its size in device-independent ones.
QPixmap onScreen(QImage image)
{
    QPixmap picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(screenScale());
    return picture;
}

QString drawingKey(const QString& name, QSize pixels)
{
    return QStringLiteral("%1 %2x%3").arg(name).arg(pixels.width()).arg(pixels.height());
}

// Makes a picture on the drawing pool.
std::future<QImage> onPool(std::function<QImage()> make)
{
    auto made = std::make_shared<std::promise<QImage>>();
    drawingPool().start([made, make = std::move(make)] { made->set_value(make()); });
    return made->get_future();
}

// The shared pictures' key and file: on a screen that magnifies, the twice-size drawing.
QString sharedKey(const QString& name)
{
    return screenScale() > 1 ? name + QStringLiteral("@2x") : name;
}

QString sharedFile(const QString& name)
{
    return resourceOf(name, screenScale() > 1 ? 2 : 1);
}

// Shared pictures being unpacked on another core, by key, until taken.
std::map<QString, std::future<QImage>>& unpackedAhead()
{
    static std::map<QString, std::future<QImage>> pictures;
    return pictures;
}

} // namespace

QPixmap builtInPicture(const QString& name)
{
    const QString key = sharedKey(name);
    if (auto found = decoded().constFind(key); found != decoded().constEnd())
        return *found;
    const QString file = sharedFile(name);
    auto ahead = unpackedAhead().extract(key);
    QPixmap picture = QPixmap::fromImage(ahead ? ahead.mapped().get() : read(file, {}));
    // The twice-size drawing keeps the size of the picture it stands in for.
    if (file.contains(QLatin1String("@2x.")))
        picture.setDevicePixelRatio(2);
    decoded().insert(key, picture);
    return picture;
}

void unpackBuiltInPictureAhead(const QString& name)
{
    const QString key = sharedKey(name);
    if (decoded().contains(key) || unpackedAhead().count(key))
        return;
    if (const QString file = sharedFile(name); !file.isEmpty())
        unpackedAhead().emplace(key, onPool([file] { return read(file, {}); }));
}

QPixmap builtInPictureNotKept(const QString& name, QSize shown)
{
    return onScreen(pictureAt(name, pixelsOf(shown)));
}

void drawBuiltInPictureAhead(const QString& name, QSize shown)
{
    const QSize pixels = pixelsOf(shown);
    const QString key = drawingKey(name, pixels);
    if (!drawnAhead().count(key))
        drawnAhead().emplace(key, onPool([name, pixels] { return pictureAt(name, pixels); }));
}

std::function<QPixmap()> takeBuiltInPictureDrawnAhead(const QString& name, QSize shown)
{
    const auto ahead = drawnAhead().find(drawingKey(name, pixelsOf(shown)));
    if (ahead == drawnAhead().end())
        return {};
    auto drawing = std::make_shared<std::future<QImage>>(std::move(ahead->second));
    drawnAhead().erase(ahead);
    return [drawing] { return onScreen(drawing->get()); };
}

void forgetPicturesDrawnAhead()
{
    drawnAhead().clear();
}

QPixmap builtInPicture(const QString& name, double scale)
{
    return scale == 1.0 ? builtInPicture(name) : builtInPictureNotKept(name, builtInPictureSize(name, scale));
}

QSize builtInPictureSize(const QString& name, double scale)
{
    return (QSizeF(ownSize(name)) * scale).toSize();
}

bool hasBuiltInPicture(const QString& name)
{
    screenScale(); // makes the resources known
    return !resourceOf(name, 1).isEmpty();
}

} // namespace sprout
