#pragma once

class QWidget;

namespace sprout {

// For scripts/bench: reports the first frame painted in a window and quits, so that
// start-up can be timed from outside. Asked for with SPROUTKIN_BENCH_FIRST_FRAME=1;
// the program never looks at it otherwise.
class FirstFrameReporter {
public:
    static bool asked();

    // Prints one line once the window's first frame is painted, then quits:
    //   first-frame-ms <since process start> monotonic-ns <clock> vmhwm-kb <peak memory>
    // The milliseconds come from /proc in steps of a clock tick; a parent that read
    // CLOCK_MONOTONIC before starting the program gets the exact time from the clock.
    static void watch(QWidget* window);

    // Peak resident memory of this process so far, in kilobytes (VmHWM).
    static long peakResidentKilobytes();

private:
    static void report();
};

} // namespace sprout
