// Any bytes at all: the WAV reader never crashes, and what it accepts could come from them.
#include "wavreader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const sprout::WavReading reading = sprout::parseWav(data, size);
    const std::size_t samples = reading.sound.samples.size();
    const int rate = reading.sound.sampleRate;
    // Every sample takes two bytes of the file at least, after a 44-byte header.
    if (reading.ok() ? samples == 0 || samples * 2 + 44 > size || rate < 8000 || rate > 192000 : samples != 0)
        std::abort();
    return 0;
}
