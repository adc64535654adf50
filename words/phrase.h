#pragma once

#include <string>
#include <string_view>

namespace sprout::words {

// Who says a phrase: Mr. Pim's own lines are his, everything else the narrator's.
enum class Voice { Teacher, Narrator };

// Something the program says aloud, written as it is meant to be heard (no
// "Mr. Pim Says:" prefix, no list hyphens, misspellings put right).
struct Phrase {
    Voice voice = Voice::Narrator;
    std::string_view text;

    friend bool operator==(const Phrase&, const Phrase&) = default;
};

constexpr Phrase narrator(std::string_view text) { return {Voice::Narrator, text}; }
constexpr Phrase teacher(std::string_view text) { return {Voice::Teacher, text}; }

// Something a screen writes in reply (a verdict, a game's outcome, Mr. Pim's
// words), exactly as shown, and how it is said; an empty phrase says the text as
// it stands.
struct Reply {
    std::string_view shown;
    Phrase said = {};

    constexpr Phrase spoken() const { return said.text.empty() ? narrator(shown) : said; }
};

// Where a phrase's recording lies, relative to the program's folder
// ("voice/3f2a....wav"). Both the build-time voice maker and the player use it, so
// a changed phrase simply gets a new file.
std::string voiceFileName(const Phrase& phrase);

} // namespace sprout::words
