#include "pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>

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

// Drawings are PNG, the pictures designed as photographs JPEG. Qt does not choose a
// resource's "@2x" drawing by itself: on a screen that magnifies, take it where the
// picture has one.
QString resourceOf(const QString& name, bool magnified)
{
    const QStringList candidates = magnified ? QStringList{name + QStringLiteral("@2x"), name}
                                             : QStringList{name};
    for (const QString& candidate : candidates)
        for (const char* type : {".png", ".jpg"})
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

} // namespace

QPixmap builtInPicture(const QString& name)
{
    const bool magnified = screenScale() > 1;
    const QString key = magnified ? name + QStringLiteral("@2x") : name;
    if (auto found = decoded().constFind(key); found != decoded().constEnd())
        return *found;
    const QString file = resourceOf(name, magnified);
    QPixmap picture(file);
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
    QImageReader reader(resourceOf(name, scale > 1));
    if (!pixels.isEmpty())
        reader.setScaledSize(pixels);
    QPixmap picture = QPixmap::fromImage(reader.read());
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
