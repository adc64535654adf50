#pragma once

namespace sprout {

// How quickly the last phrase got going, for scripts/bench.
struct SpeechTiming {
    int phrasesStarted = 0;
    // From say() to the phrase's first samples taken by the audio server.
    double sayToFirstWriteMs = -1;
    // How long the server then keeps those samples before they are heard.
    double serverLatencyMs = -1;
};

} // namespace sprout
