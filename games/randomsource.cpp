#include "randomsource.h"

namespace sprout {

namespace {
constexpr std::uint32_t kMultiplier = 1140671485u;
constexpr std::uint32_t kIncrement = 12820163u;
constexpr std::uint32_t kModulusMask = 0xFFFFFFu; // mod 2^24
constexpr double kModulus = 16777216.0;
} // namespace

double RandomSource::next()
{
    // Unsigned 32-bit wrap-around keeps the low 24 bits exact.
    m_state = (kMultiplier * m_state + kIncrement) & kModulusMask;
    return m_state / kModulus;
}

int RandomSource::draw(int n)
{
    // In double precision r * n is exact for every n the program uses; in single
    // precision it could round up across an integer and return n itself.
    return static_cast<int>(next() * n);
}

RandomSource& RandomSource::program()
{
    static RandomSource source;
    return source;
}

} // namespace sprout
