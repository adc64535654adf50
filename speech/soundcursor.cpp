#include "soundcursor.h"

namespace sprout {

SoundCursor::SoundCursor(std::shared_ptr<const Sound> sound, int outputRate)
    : m_sound(std::move(sound)),
      m_step((std::uint64_t(m_sound->sampleRate) << 32) / std::uint64_t(outputRate))
{
}

bool SoundCursor::done() const
{
    return (m_position >> 32) >= m_sound->samples.size();
}

std::size_t SoundCursor::read(std::int16_t* out, std::size_t count)
{
    const std::vector<std::int16_t>& samples = m_sound->samples;
    std::size_t written = 0;
    // Straight-line interpolation: speech loses nothing a child could hear by it.
    for (; written < count && !done(); ++written, m_position += m_step) {
        const std::size_t index = m_position >> 32;
        const std::int64_t here = samples[index];
        const std::int64_t next = index + 1 < samples.size() ? samples[index + 1] : here;
        const std::int64_t fraction = std::int64_t(m_position & 0xFFFFFFFFu);
        out[written] = std::int16_t(here + (((next - here) * fraction) >> 32));
    }
    return written;
}

} // namespace sprout
