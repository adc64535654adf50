#pragma once

// WAV files made in memory: tones of known pitch and length for the voice tests,
// the fuzzer's seeds and the benchmark, so none depends on the recorded voice.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace sprout::test {

struct WavLayout {
    int sampleRate = 16000;
    int channels = 1;
    int bits = 16;
    int formatTag = 1;
    // Header sizes put wrong on purpose; -1 for the true ones.
    long long dataSizeField = -1;
    long long formatSizeField = -1;
    bool listChunkFirst = false;
};

inline void putLe(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

inline void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(tag[i]));
}

// Interleaved samples, written as 16-bit whatever the layout's bits claim.
inline std::vector<std::uint8_t> wavBytes(const std::vector<std::int16_t>& samples, WavLayout layout = {})
{
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    putLe(out, 0, 4); // filled in below
    putTag(out, "WAVE");
    if (layout.listChunkFirst) {
        putTag(out, "LIST");
        putLe(out, 5, 4);
        putTag(out, "INFO");
        out.push_back('x');
        out.push_back(0); // pad byte of the odd-sized chunk
    }
    const int blockAlign = layout.channels * layout.bits / 8;
    putTag(out, "fmt ");
    putLe(out, layout.formatSizeField < 0 ? 16 : layout.formatSizeField, 4);
    putLe(out, layout.formatTag, 2);
    putLe(out, layout.channels, 2);
    putLe(out, layout.sampleRate, 4);
    putLe(out, std::uint64_t(layout.sampleRate) * blockAlign, 4);
    putLe(out, blockAlign, 2);
    putLe(out, layout.bits, 2);
    putTag(out, "data");
    putLe(out, layout.dataSizeField < 0 ? samples.size() * 2 : layout.dataSizeField, 4);
    for (std::int16_t sample : samples)
        putLe(out, std::uint16_t(sample), 2);
    const std::uint64_t riffSize = out.size() - 8;
    for (int i = 0; i < 4; ++i)
        out[4 + i] = std::uint8_t(riffSize >> (8 * i));
    return out;
}

// A sine tone; a constant level when hz is 0.
inline std::vector<std::int16_t> tone(double hz, int ms, int sampleRate = 16000, int amplitude = 8000)
{
    std::vector<std::int16_t> samples(std::size_t(sampleRate) * ms / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = hz == 0 ? std::int16_t(amplitude)
                             : std::int16_t(amplitude * std::sin(2 * M_PI * hz * double(i) / sampleRate));
    return samples;
}

inline bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

} // namespace sprout::test
