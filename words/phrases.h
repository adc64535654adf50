#pragma once

#include "phrase.h"

#include <optional>
#include <vector>

namespace sprout::words {

// A letter as typed or pointed at, either case; nothing for what is not a letter.
std::optional<Phrase> letter(char c);
// A whole number from 0 to 20.
std::optional<Phrase> number(int n);
Phrase voiceOn();

// Every phrase the program can say, each once: what the voice maker records.
std::vector<Phrase> allPhrases();

} // namespace sprout::words
