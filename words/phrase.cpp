#include "phrase.h"

#include <cstdint>
#include <cstdio>

namespace sprout::words {

std::string voiceFileName(const Phrase& phrase)
{
    // FNV-1a over the voice and the words: stable across builds and machines.
    std::uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    mix(phrase.voice == Voice::Teacher ? 'T' : 'N');
    for (char c : phrase.text)
        mix(static_cast<unsigned char>(c));
    char name[32];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
    return "voice/" + std::string(name) + ".wav";
}

} // namespace sprout::words
