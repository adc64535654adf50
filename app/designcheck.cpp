#include "designcheck.h"

#include "builtinpictures.h"

#include <cstring>

namespace sprout {

bool DesignCheck::hasControl(std::span<const Control> design, const QString& name)
{
    for (const Control& row : design)
        if (name == QLatin1String(row.name))
            return true;
    return false;
}

bool DesignCheck::hasMenuEntry(const WindowDesign& window, const QString& name)
{
    for (const MenuEntry& entry : window.menu)
        if (name == QLatin1String(entry.name))
            return true;
    return false;
}

bool DesignCheck::isFrame(std::span<const Control> design, const char* name)
{
    for (const Control& row : design)
        if (row.kind == Kind::Frame && std::strcmp(row.name, name) == 0)
            return true;
    return false;
}

void DesignCheck::checkPictures(const WindowDesign& window, std::span<const Control> design,
                                QStringList& problems)
{
    if (window.icon && !hasBuiltInPicture(QStringLiteral("icon")))
        problems << QStringLiteral("window: no built-in picture \"icon\"");
    for (const Control& row : design) {
        const bool showsPicture = row.kind == Kind::Image || row.kind == Kind::PictureBox;
        if (showsPicture && row.text && !hasBuiltInPicture(QString::fromLatin1(row.text)))
            problems << QStringLiteral("%1: no built-in picture \"%2\"")
                            .arg(QLatin1String(row.name), QLatin1String(row.text));
    }
}

QStringList DesignCheck::problems(const WindowDesign& window, std::span<const Control> design,
                                  const QStringList& handledNames)
{
    QStringList problems;
    for (const QString& name : handledNames)
        if (!hasControl(design, name) && !hasMenuEntry(window, name))
            problems << QStringLiteral("%1: a handler for a control the table lacks").arg(name);
    for (const Control& row : design)
        if (row.parent && !isFrame(design, row.parent))
            problems << QStringLiteral("%1: no frame \"%2\" to lie in")
                            .arg(QLatin1String(row.name), QLatin1String(row.parent));
    checkPictures(window, design, problems);
    return problems;
}

} // namespace sprout
