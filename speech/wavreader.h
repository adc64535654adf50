#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sprout {

// A recording as the player uses it: one channel of 16-bit samples.
struct Sound {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// What reading a WAV file gave: the sound, or why there is none.
struct WavReading {
    Sound sound;
    std::string error;
    bool ok() const { return error.empty(); }
};

// Voice files are a few seconds of speech; anything far larger is not one.
constexpr std::size_t kMaxWavBytes = 16u << 20;

// Reads uncompressed 16-bit PCM WAV, mono or stereo (mixed down to one channel), at
// 8 to 192 kHz. Every size in the header is checked against the bytes before
// anything is allocated; the error says what is wrong, without a file name.
WavReading parseWav(const std::uint8_t* bytes, std::size_t size);

// Reads the file and parses it; an error names the file.
WavReading readWavFile(const std::string& path);

} // namespace sprout
