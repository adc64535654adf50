#include "pictures.h"

#include <QGuiApplication>
#include <QHash>

static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures); // the resources live in a static library
}

namespace sprout {

QPixmap builtInPicture(const QString& name)
{
    // Seven screens share the board: decode each picture once and share it.
    static QHash<QString, QPixmap> decoded;
    static const bool initialised = (initPictureResources(), true);
    Q_UNUSED(initialised);
    // Qt does not choose a resource's "@2x" drawing by itself: on a screen that
    // magnifies, take it where the picture has one. It loads with a device pixel
    // ratio of 2, so it keeps the size of the picture it stands in for.
    const bool magnified = qGuiApp && qGuiApp->devicePixelRatio() > 1;
    const QString key = magnified ? name + QStringLiteral("@2x") : name;
    auto found = decoded.constFind(key);
    if (found != decoded.constEnd())
        return *found;
    QPixmap picture;
    if (magnified)
        picture.load(QStringLiteral(":/pictures/%1@2x.png").arg(name));
    if (picture.isNull())
        picture.load(QStringLiteral(":/pictures/%1.png").arg(name));
    decoded.insert(key, picture);
    return picture;
}

} // namespace sprout
