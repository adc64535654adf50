#include "windowpixels.h"

#include "artwork.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>

namespace sprout {

void mapWindowPixelsAhead(QWidget* window)
{
    QBackingStore* store = window->backingStore();
    if (!store)
        return;
    store->resize(window->size()); // as the first paint would
    if (const auto* pixels = dynamic_cast<const QImage*>(store->paintDevice()))
        art::mapPixels(*pixels);
}

} // namespace sprout
