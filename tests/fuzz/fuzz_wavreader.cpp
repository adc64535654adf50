// Feeds the voice files' WAV reader any bytes at all. It must never crash or read
// outside the bytes, must always say why it refuses, and what it accepts must be a
// sound it could really have read from them.
#include "wavreader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const sprout::WavReading reading = sprout::parseWav(data, size);
    const sprout::Sound& sound = reading.sound;
    // Every sample takes two bytes of the file at least, after a 44-byte header.
    const bool possible = reading.ok() ? !sound.samples.empty() && sound.samples.size() * 2 + 44 <= size
                                             && sound.sampleRate >= 8000 && sound.sampleRate <= 192000
                                       : sound.samples.empty();
    if (!possible) {
        std::fprintf(stderr, "'%s': %zu samples at %d Hz from %zu bytes\n", reading.error.c_str(),
                     sound.samples.size(), sound.sampleRate, size);
        std::abort();
    }
    return 0;
}
