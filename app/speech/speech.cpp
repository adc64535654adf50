#include "speaker.h"

namespace sprout {

namespace {
std::shared_ptr<Speaker> g_speaker;
bool g_muted = false;
} // namespace

void Speech::say(const words::Phrase& phrase)
{
    if (g_speaker && !g_muted)
        g_speaker->say(phrase);
}

void Speech::stop()
{
    if (g_speaker)
        g_speaker->stop();
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
}

} // namespace sprout
