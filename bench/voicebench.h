#pragma once

#include "statistics.h"

namespace sprout::bench {

// How soon a phrase's first sound leaves the program: from say() to the first
// samples taken by the audio server, beside the server's own latency for them.
struct VoiceLatency {
    Samples sayToFirstWriteMs;
    Samples serverLatencyMs;
    // The very first phrase, which also opens the stream.
    Samples firstPhraseMs;
};

// Plays short tones through the program's voice player to whatever audio server
// the environment names (scripts/bench starts a private one); empty without one.
VoiceLatency voiceLatency(int phrases);

} // namespace sprout::bench
