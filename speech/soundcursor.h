#pragma once

#include "wavreader.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace sprout {

// Reads a sound out at the output stream's rate, a chunk at a time, so that every
// voice file plays through the one stream whatever rate it was recorded at.
class SoundCursor {
public:
    SoundCursor(std::shared_ptr<const Sound> sound, int outputRate);

    // Fills up to count samples and returns how many it wrote: 0 once all is read.
    std::size_t read(std::int16_t* out, std::size_t count);
    bool done() const;

private:
    std::shared_ptr<const Sound> m_sound;
    // Position in the recording's samples, 32.32 fixed point: exact over any length.
    std::uint64_t m_position = 0;
    std::uint64_t m_step = 0;
};

} // namespace sprout
