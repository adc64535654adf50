#include "artwork.h"

#include <sys/mman.h>
#include <unistd.h>

namespace sprout::art {

void mapPixels(const QImage& picture)
{
#ifdef MADV_POPULATE_WRITE
    if (picture.isNull())
        return;
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const auto first = quintptr(picture.constBits()) & ~(page - 1);
    const auto end = quintptr(picture.constBits()) + quintptr(picture.sizeInBytes());
    // An older kernel refuses, and the pages fault in as before.
    madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(picture);
#endif
}

} // namespace sprout::art
