#include "windowpixels.h"

#include "artwork.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>

namespace sprout {

void mapWindowPixelsAhead(QWidget* window)
{
    // Only X11 keeps a window's pixels from the moment it has a size: a Wayland window
    // has none before its first paint, and Qt 6.4 crashes when asked for them then.
    QBackingStore* store = window->backingStore();
    if (!store || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    store->resize(window->size()); // as the first paint would
    if (const auto* pixels = dynamic_cast<const QImage*>(store->paintDevice()))
        art::mapPixels(*pixels);
}

} // namespace sprout
