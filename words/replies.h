#pragma once

#include "phrase.h"

// What the games write in reply, shared by their rules and their screens.
namespace sprout::words {

// The only two texts an answer ever writes into a quiz's result label.
inline constexpr Reply kCorrect{"correct", narrator("Correct!")};
inline constexpr Reply kSorry{"Sorry, try again ", narrator("Sorry, try again.")};

// No result yet: a new question, a game under way.
inline constexpr Reply kNoResult{""};

// Tic-Tac-Toe's outcomes.
inline constexpr Reply kYouWin{"You Win!", narrator("You win!")};
inline constexpr Reply kComputerWins{"The Computer Wins!", narrator("The computer wins!")};
inline constexpr Reply kYouTied{"You Tied", narrator("You tied!")};

} // namespace sprout::words
