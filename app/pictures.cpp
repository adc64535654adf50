#include "pictures.h"

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
    auto found = decoded.constFind(name);
    if (found != decoded.constEnd())
        return *found;
    QPixmap picture(QStringLiteral(":/pictures/%1.png").arg(name));
    decoded.insert(name, picture);
    return picture;
}

} // namespace sprout
