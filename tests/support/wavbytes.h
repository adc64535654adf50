#pragma once

// WAV files made in memory, so no test, benchmark or seed depends on the recorded voice.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace sprout::test {

using Bytes = std::vector<std::uint8_t>;

struct WavLayout {
    int sampleRate = 16000, channels = 1, bits = 16, formatTag = 1;
    // Header sizes put wrong on purpose; -1 for the true ones.
    long long dataSizeField = -1, formatSizeField = -1;
    bool listChunkFirst = false;
};

// Interleaved samples, written as 16-bit whatever the layout's bits claim.
inline Bytes wavBytes(const std::vector<std::int16_t>& samples, WavLayout layout = {})
{
    Bytes out;
    const auto put = [&out](std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(std::uint8_t(value >> (8 * i)));
    };
    const auto tag = [&put](const char* name) { put(name[0] | name[1] << 8 | name[2] << 16 | name[3] << 24, 4); };
    tag("RIFF");
    put(36 + (layout.listChunkFirst ? 14 : 0) + samples.size() * 2, 4); // the size of what follows
    tag("WAVE");
    if (layout.listChunkFirst) // odd sized, so followed by a pad byte
        out.insert(out.end(), {'L', 'I', 'S', 'T', 5, 0, 0, 0, 'I', 'N', 'F', 'O', 'x', 0});
    const int blockAlign = layout.channels * layout.bits / 8;
    tag("fmt ");
    put(layout.formatSizeField < 0 ? 16 : layout.formatSizeField, 4);
    put(layout.formatTag, 2);
    put(layout.channels, 2);
    put(layout.sampleRate, 4);
    put(std::uint64_t(layout.sampleRate) * blockAlign, 4);
    put(blockAlign, 2);
    put(layout.bits, 2);
    tag("data");
    put(layout.dataSizeField < 0 ? samples.size() * 2 : layout.dataSizeField, 4);
    for (std::int16_t sample : samples)
        put(std::uint16_t(sample), 2);
    return out;
}

inline std::vector<std::int16_t> tone(double hz, int ms)
{
    std::vector<std::int16_t> samples(std::size_t(16 * ms));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::int16_t(8000 * std::sin(2 * M_PI * hz * double(i) / 16000));
    return samples;
}

inline bool writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

// Read as samples (at rate, mixed down to one channel), or refused for the reason given.
struct WavCase {
    const char* name;
    Bytes bytes;
    const char* refusal = nullptr;
    std::vector<std::int16_t> samples = {};
    int rate = 16000;
};

inline std::vector<WavCase> wavCases()
{
    const auto edited = [](Bytes bytes, std::size_t at, const Bytes& with) {
        std::copy(with.begin(), with.end(), bytes.begin() + std::ptrdiff_t(at));
        return bytes;
    };
    const Bytes good = wavBytes(tone(440, 10));
    return {
        {"mono", wavBytes({1, -2, 32767, -32768}), nullptr, {1, -2, 32767, -32768}},
        {"stereo mixed down", wavBytes({100, 300, -32768, -32768, 32767, -32767}, {.sampleRate = 48000, .channels = 2}),
         nullptr, {200, -32768, 0}, 48000},
        {"other chunk first", wavBytes({5, 6}, {.sampleRate = 22050, .listChunkFirst = true}), nullptr, {5, 6}, 22050},
        {"data shorter than the file", wavBytes({7, 8, 9}, {.dataSizeField = 4}), nullptr, {7, 8}},
        {"part of a frame only", wavBytes({7, 8}, {.channels = 2, .dataSizeField = 3}), "no sound in it"},
        {"empty", {}, "not a WAV file (no RIFF WAVE header)"},
        {"not RIFF", Bytes(good.size(), 'x'), "not a WAV file (no RIFF WAVE header)"},
        {"header only", Bytes(good.begin(), good.begin() + 12), "no format chunk"},
        {"no data chunk", Bytes(good.begin(), good.begin() + 36), "no sound data"},
        {"cut in the data", Bytes(good.begin(), good.end() - 1), "a chunk claims 320 bytes where 319 are left"},
        {"huge data size", wavBytes({1}, {.dataSizeField = 0xFFFFFFFF}), "a chunk claims 4294967295 bytes where 2 are left"},
        {"format too short", wavBytes({1}, {.formatSizeField = 12}), "the format chunk is too short"},
        {"compressed", wavBytes({1}, {.formatTag = 3}), "not uncompressed PCM (format 3)"},
        {"8-bit", wavBytes({1}, {.bits = 8}), "8-bit samples, not 16-bit"},
        {"six channels", wavBytes({1, 2, 3, 4, 5, 6}, {.channels = 6}), "6 channels, not one or two"},
        {"rate zero", wavBytes({1}, {.sampleRate = 0}), "a sample rate of 0 Hz"},
        {"rate absurd", wavBytes({1}, {.sampleRate = 1000000}), "a sample rate of 1000000 Hz"},
        {"block size disagrees", edited(wavBytes({1, 2}), 32, {4}), "a header whose sizes disagree"},
        {"data before format", edited(wavBytes({1, 2}), 12, {'d', 'a', 't', 'a'}), "sound data before its format"},
        {"too large", edited(Bytes((16u << 20) + 1), 0, good), "larger than 16 MiB"},
    };
}

} // namespace sprout::test
