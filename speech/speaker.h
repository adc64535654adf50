#pragma once

#include "phrase.h"

namespace sprout {

// Something that can say phrases aloud. The program plays the recorded voice
// files; tests put a recorder in its place.
class Speaker {
public:
    virtual ~Speaker() = default;
    // Starts saying the phrase, cutting off whatever is being said. Returns at
    // once: no click, navigation or frame ever waits for sound.
    virtual void say(const words::Phrase& phrase) = 0;
    // Says the phrase once what is being said, and what waits, has been said to its
    // end; at once if nothing is.
    virtual void sayAfter(const words::Phrase& phrase) = 0;
    // Silence now.
    virtual void stop() = 0;
    // Whether the phrase is being said now, or waits to be. A speaker that cannot
    // tell says no.
    virtual bool isSaying(const words::Phrase&) const { return false; }
};

} // namespace sprout
