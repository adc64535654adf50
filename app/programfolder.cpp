#include "programfolder.h"

#include <QCoreApplication>

namespace sprout {

QString programFolder()
{
    // Resolves symlinks, so a link to the program elsewhere still finds its pictures.
    QString folder = QCoreApplication::applicationDirPath();
    // Only the root folder ends with a separator; the name constant brings its own.
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString programFilePath(const QString& nameConstant)
{
    return programFilePath(programFolder(), nameConstant);
}

QString programFilePath(const QString& folder, const QString& nameConstant)
{
    // Qt's separator is '/' on every platform and is translated where needed.
    if (nameConstant.startsWith(QLatin1Char('\\')))
        return folder + QLatin1Char('/') + nameConstant.mid(1);
    return folder + nameConstant;
}

} // namespace sprout
