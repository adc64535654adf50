#include "fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

namespace sprout {

// FcInit loads the default configuration that Qt's font database asks for; a second
// call returns at once.
FontConfigWarmUp::FontConfigWarmUp() : m_reader([] { FcInit(); }) {}

void FontConfigWarmUp::wait()
{
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace sprout
