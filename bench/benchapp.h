#pragma once

class QApplication;

namespace sprout::bench {

// The application settings the program makes before its first window, so that
// every measured window starts the same way.
void prepareLikeTheProgram(QApplication& app);

// CLOCK_MONOTONIC in nanoseconds: comparable between processes.
long long monotonicNanoseconds();

} // namespace sprout::bench
