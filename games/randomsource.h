#pragma once

#include <cstdint>

namespace sprout {

// The program's one source of chance. It is never seeded, so every start of the
// program yields the same sequence: a 24-bit linear congruential generator.
class RandomSource {
public:
    // The next number r with 0 <= r < 1.
    double next();

    // A draw of n: the whole part of r * n, from 0 to n - 1.
    int draw(int n);

    // The instance shared by every screen, in the order their handlers run.
    static RandomSource& program();

private:
    std::uint32_t m_state = 327680;
};

} // namespace sprout
