#pragma once

namespace sprout::bench {

// The full-screen rows: the classroom on the full-screen stage beside a bare window
// filling the same screen, on whatever screen the virtual X server has. Prints one
// table; scripts/bench runs it at 1920 x 1080 and 3840 x 2160.
int measureFullScreen(int runs);

} // namespace sprout::bench
