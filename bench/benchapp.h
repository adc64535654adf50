#pragma once

class QApplication;

namespace sprout::bench {

// The application settings the program makes before its first window, so that
// every measured window starts the same way.
void prepareLikeTheProgram(QApplication& app);

// Peak resident memory of this process so far, in kilobytes (VmHWM).
long peakResidentKilobytes();

// CLOCK_MONOTONIC in nanoseconds: comparable between processes.
long long monotonicNanoseconds();

} // namespace sprout::bench
