#pragma once

#include "speaker.h"

#include <memory>

namespace sprout {

// The program's one voice, which every screen talks through. Muted, it says
// nothing. Before a speaker is installed the latest phrase waits, and is said when
// one comes within two seconds (the greeting comes before the player is ready).
//
// Words belong to what says them (a screen's window, a message): when it goes,
// what it was saying stops, but not what something else has said since.
class Speech {
public:
    static void say(const words::Phrase& phrase, const void* owner = nullptr);
    // Said once what was said before has ended, without cutting it off.
    static void sayAfter(const words::Phrase& phrase, const void* owner = nullptr);
    static void stop();
    // Stops the phrase said last if this owner said it.
    static void stopSaidBy(const void* owner);
    static bool isSaying(const words::Phrase& phrase);
    static void setMuted(bool muted);
    static bool isMuted();
    // Installs where phrases go (the player, or a test's recorder); null for none.
    static void setSpeaker(std::shared_ptr<Speaker> speaker);
};

} // namespace sprout
