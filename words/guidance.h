#pragma once

// What the program says to guide a child who cannot read yet: what a screen is
// when it opens, what to press when a click did nothing, how to play again, and
// the messages for the grown-up beside the child.

#include "phrase.h"

#include <optional>
#include <vector>

namespace sprout {
struct ScreenDesign;
}

namespace sprout::words {

// Said when the screen comes into view; nothing where the screen's own words
// already say it (a quiz asks its question, Mr. Pim greets).
std::optional<Phrase> arrivalGuidance(const ScreenDesign& screen);

// Tic-Tac-Toe's board took a click and did nothing with it.
Phrase pressStartFirst();  // no game started yet
Phrase pressToPlayAgain(); // the game is over

// Read aloud while the message is up.
Phrase noPrinterMessage(); // as the message says it
Phrase notPrintedMessage(); // any other reason the award was not printed
Phrase awardSavedMessage();

// Every phrase above, each once.
std::vector<Phrase> allGuidance();

} // namespace sprout::words
