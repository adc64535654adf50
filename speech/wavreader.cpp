#include "wavreader.h"

#include <cstring>
#include <fstream>

namespace sprout {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t le32(const std::uint8_t* at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16
           | std::uint32_t(at[3]) << 24;
}

std::uint16_t le16(const std::uint8_t* at)
{
    return std::uint16_t(at[0] | at[1] << 8);
}

struct Format {
    int channels = 0;
    int sampleRate = 0;
};

WavReading failure(std::string why)
{
    WavReading reading;
    reading.error = std::move(why);
    return reading;
}

// The fmt chunk's body; an extensible header counts as PCM when its sub-format is.
std::string checkFormat(const std::uint8_t* body, std::uint32_t size, Format& format)
{
    if (size < 16)
        return "the format chunk is too short";
    std::uint16_t tag = le16(body);
    if (tag == kFormatExtensible && size >= 40)
        tag = le16(body + 24);
    const std::uint16_t channels = le16(body + 2);
    const std::uint32_t rate = le32(body + 4);
    const std::uint32_t byteRate = le32(body + 8);
    const std::uint16_t blockAlign = le16(body + 12);
    const std::uint16_t bits = le16(body + 14);
    if (tag != kFormatPcm)
        return "not uncompressed PCM (format " + std::to_string(tag) + ")";
    if (bits != 16)
        return std::to_string(bits) + "-bit samples, not 16-bit";
    if (channels != 1 && channels != 2)
        return std::to_string(channels) + " channels, not one or two";
    if (rate < 8000 || rate > 192000)
        return "a sample rate of " + std::to_string(rate) + " Hz";
    if (blockAlign != channels * 2u || byteRate != rate * blockAlign)
        return "a header whose sizes disagree";
    format = {channels, int(rate)};
    return {};
}

Sound mixDown(const std::uint8_t* data, std::size_t frames, const Format& format)
{
    Sound sound;
    sound.sampleRate = format.sampleRate;
    sound.samples.resize(frames);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const std::uint8_t* at = data + frame * format.channels * 2;
        int value = std::int16_t(le16(at));
        if (format.channels == 2)
            value = (value + std::int16_t(le16(at + 2))) / 2;
        sound.samples[frame] = std::int16_t(value);
    }
    return sound;
}

} // namespace

WavReading parseWav(const std::uint8_t* bytes, std::size_t size)
{
    if (size > kMaxWavBytes)
        return failure("larger than " + std::to_string(kMaxWavBytes >> 20) + " MiB");
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return failure("not a WAV file (no RIFF WAVE header)");
    Format format;
    std::size_t at = 12;
    // Chunks are walked within the bytes really there, whatever the RIFF size says.
    while (at + 8 <= size) {
        const std::uint8_t* header = bytes + at;
        const std::uint32_t chunkSize = le32(header + 4);
        const std::size_t room = size - at - 8;
        if (chunkSize > room)
            return failure("a chunk claims " + std::to_string(chunkSize) + " bytes where "
                           + std::to_string(room) + " are left");
        const std::uint8_t* body = header + 8;
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (std::string why = checkFormat(body, chunkSize, format); !why.empty())
                return failure(why);
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (format.channels == 0)
                return failure("sound data before its format");
            const std::size_t frames = chunkSize / (format.channels * 2u);
            if (frames == 0)
                return failure("no sound in it");
            WavReading reading;
            reading.sound = mixDown(body, frames, format);
            return reading;
        }
        at += 8 + std::size_t(chunkSize) + (chunkSize & 1); // chunks are padded to even sizes
    }
    return failure(format.channels == 0 ? "no format chunk" : "no sound data");
}

WavReading readWavFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    WavReading reading;
    if (!file) {
        reading = failure("cannot be opened");
    } else {
        const std::streamoff size = file.tellg();
        if (size < 0 || std::uint64_t(size) > kMaxWavBytes) {
            reading = failure("larger than " + std::to_string(kMaxWavBytes >> 20) + " MiB");
        } else {
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
            file.seekg(0);
            if (!file.read(reinterpret_cast<char*>(bytes.data()), size))
                reading = failure("cannot be read");
            else
                reading = parseWav(bytes.data(), bytes.size());
        }
    }
    if (!reading.ok())
        reading.error = path + ": " + reading.error;
    return reading;
}

} // namespace sprout
