#pragma once

#include "statistics.h"

namespace sprout::bench {

// Figures in nanoseconds a call, each sample the mean of a long loop.
struct MicroResult {
    Samples figure;
    Samples baseline;
};

// One move of the child with the computer's answer (no pause), over whole games;
// baseline: starting a game, which draws nine blank cells through the same view.
MicroResult ticTacToeMove(int samples);

// The score rule told one result text; baseline: asking whether the award is due.
MicroResult scoreRule(int samples);

} // namespace sprout::bench
