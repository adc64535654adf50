#pragma once

#include "phrase.h"

// What the games write in reply, shared by their rules and their screens.
namespace sprout::words {

// The only two texts an answer ever writes into a quiz's result label.
inline constexpr Reply kCorrect{"correct", narrator("Correct!")};
inline constexpr Reply kSorry{"Sorry, try again ", narrator("Sorry, try again.")};

// No result yet: a new question, a game under way.
inline constexpr Reply kNoResult{""};

// Tic-Tac-Toe's outcomes, said with how to play again.
inline constexpr Reply kYouWin{
    "You Win!",
    narrator("You win! To play again, press the button that says Click to start a new game.")};
inline constexpr Reply kComputerWins{
    "The Computer Wins!",
    narrator("The computer wins! To play again, press the button that says Click to start a new game.")};
inline constexpr Reply kYouTied{
    "You Tied",
    narrator("You tied! To play again, press the button that says Click to start a new game.")};

} // namespace sprout::words
