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
    // Silence now.
    virtual void stop() = 0;
};

} // namespace sprout
