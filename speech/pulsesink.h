#pragma once

#include "audiosink.h"

struct pa_simple;

namespace sprout {

// One playback stream to the PulseAudio server (or PipeWire's stand-in for it),
// through libpulse's blocking API: the player's thread is the only caller.
class PulseSink : public AudioSink {
public:
    PulseSink() = default;
    ~PulseSink() override;
    PulseSink(const PulseSink&) = delete;
    PulseSink& operator=(const PulseSink&) = delete;

    bool open(int sampleRate, std::string& error) override;
    bool write(const std::int16_t* samples, std::size_t count, std::string& error) override;
    void flush() override;
    double latencyMs() override;

private:
    pa_simple* m_stream = nullptr;
};

} // namespace sprout
