#pragma once

#include "speaker.h"

#include <memory>

namespace sprout {

// The program's one voice, which every screen talks through. Muted, it says
// nothing. Before a speaker is installed the latest phrase waits, and is said when
// one comes within two seconds (the greeting comes before the player is ready).
class Speech {
public:
    static void say(const words::Phrase& phrase);
    static void stop();
    static void setMuted(bool muted);
    static bool isMuted();
    // Installs where phrases go (the player, or a test's recorder); null for none.
    static void setSpeaker(std::shared_ptr<Speaker> speaker);
};

} // namespace sprout
