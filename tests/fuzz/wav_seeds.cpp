// Writes the WAV reader's first inputs into the folder given: good files of every
// kind it reads, and damaged ones.
#include "wavbytes.h"

#include <cstdio>
#include <filesystem>

using namespace sprout::test;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::vector<std::int16_t> word = tone(440, 20);
    const std::pair<const char*, std::vector<std::uint8_t>> seeds[] = {
        {"mono16k", wavBytes(word)},
        {"stereo48k", wavBytes(tone(440, 10, 48000), {.sampleRate = 48000, .channels = 2})},
        {"list-first", wavBytes(word, {.sampleRate = 22050, .listChunkFirst = true})},
        {"extensible", wavBytes(word, {.formatTag = 0xFFFE, .formatSizeField = 16})},
        {"float", wavBytes(word, {.formatTag = 3})},
        {"8bit", wavBytes(word, {.bits = 8})},
        {"huge-data", wavBytes(word, {.dataSizeField = 0xFFFFFFFF})},
        {"short-format", wavBytes(word, {.formatSizeField = 14})},
        {"no-samples", wavBytes({})},
    };
    for (const auto& [name, bytes] : seeds)
        if (!writeFile((folder / (std::string(name) + ".wav")).string(), bytes))
            return 1;
    std::printf("%zu seeds in %s\n", std::size(seeds), folder.c_str());
    return 0;
}
