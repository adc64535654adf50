#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace sprout {

// Where the player's samples go: one mono 16-bit output stream. The audio server
// in the program, a fake in tests. Used from the player's own thread only.
class AudioSink {
public:
    virtual ~AudioSink() = default;
    // Connects; false with the reason when there is no server or device.
    virtual bool open(int sampleRate, std::string& error) = 0;
    // Blocks until the samples are taken; false when the server has gone away.
    virtual bool write(const std::int16_t* samples, std::size_t count, std::string& error) = 0;
    // Drops whatever was written and has not been heard yet.
    virtual void flush() = 0;
    // How long a sample written now takes to be heard, in ms; negative when unknown.
    virtual double latencyMs() = 0;
};

} // namespace sprout
