#include "speech.h"

#include <chrono>
#include <optional>
#include <utility>

namespace sprout {

namespace {

using Clock = std::chrono::steady_clock;

// What was said before any speaker was there: the player comes only after the
// main menu's first frame, and the greeting must not be lost meanwhile. Said once
// the speaker comes, if it is still fresh enough to answer what is on show.
struct Waiting {
    words::Phrase phrase;
    Clock::time_point since;
};
constexpr auto kFreshFor = std::chrono::seconds(2);

std::shared_ptr<Speaker> g_speaker;
std::optional<Waiting> g_waiting;
bool g_muted = false;
const void* g_owner = nullptr; // of the phrase said last

} // namespace

void Speech::say(const words::Phrase& phrase, const void* owner)
{
    if (g_muted)
        return;
    g_owner = owner;
    if (g_speaker)
        g_speaker->say(phrase);
    else
        g_waiting = Waiting{phrase, Clock::now()};
}

void Speech::sayAfter(const words::Phrase& phrase, const void* owner)
{
    if (g_muted)
        return;
    if (!g_speaker)
        return say(phrase, owner);
    g_owner = owner;
    g_speaker->sayAfter(phrase);
}

void Speech::stop()
{
    g_owner = nullptr;
    g_waiting.reset();
    if (g_speaker)
        g_speaker->stop();
}

void Speech::stopSaidBy(const void* owner)
{
    if (owner && owner == g_owner)
        stop();
}

bool Speech::isSaying(const words::Phrase& phrase)
{
    if (g_waiting)
        return g_waiting->phrase == phrase;
    return g_speaker && g_speaker->isSaying(phrase);
}

void Speech::setMuted(bool muted)
{
    if (muted)
        stop();
    g_muted = muted;
}

bool Speech::isMuted()
{
    return g_muted;
}

void Speech::setSpeaker(std::shared_ptr<Speaker> speaker)
{
    if (g_speaker)
        g_speaker->stop();
    g_speaker = std::move(speaker);
    const std::optional<Waiting> waiting = std::exchange(g_waiting, std::nullopt);
    if (g_speaker && waiting && Clock::now() - waiting->since < kFreshFor)
        g_speaker->say(waiting->phrase);
}

} // namespace sprout
