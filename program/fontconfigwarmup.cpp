#include "fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>
#include <sched.h>

namespace sprout {

// FcInit loads the default configuration that Qt's font database asks for; a second
// call returns at once.
FontConfigWarmUp::FontConfigWarmUp()
    : m_reader([] {
          // Only in time the main thread and the display server leave free: connecting
          // to the display waits on both.
          const sched_param none{};
          sched_setscheduler(0, SCHED_IDLE, &none);
          FcInit();
      })
{
}

void FontConfigWarmUp::wait()
{
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace sprout
