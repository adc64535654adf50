#include "fonts.h"

#include <QString>
#include <cmath>

namespace sprout {

QString fontFamilyFor(const char* designFamily)
{
    const QString family = QString::fromLatin1(designFamily);
    if (family == QLatin1String("Trebuchet MS"))
        return QStringLiteral("Cabin");
    // Arial and MS Sans Serif.
    return QStringLiteral("Liberation Sans");
}

QFont designFont(const char* family, double points, bool bold, double scale)
{
    QFont font(fontFamilyFor(family));
    // Design sizes come in steps of 0.75 pt, a whole number of pixels at 96 dpi.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0 * scale)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace sprout
