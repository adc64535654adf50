#include "windowpixels.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <sys/mman.h>
#include <unistd.h>

namespace sprout {

void mapWindowPixelsAhead(QWidget* window)
{
#ifdef MADV_POPULATE_WRITE
    QBackingStore* store = window->backingStore();
    if (!store)
        return;
    store->resize(window->size()); // as the first paint would
    const auto* pixels = dynamic_cast<const QImage*>(store->paintDevice());
    if (!pixels || pixels->isNull())
        return;
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const auto first = quintptr(pixels->constBits()) & ~(page - 1);
    const auto end = quintptr(pixels->constBits()) + quintptr(pixels->sizeInBytes());
    // An older kernel refuses, and the pages fault in as before.
    madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(window);
#endif
}

} // namespace sprout
