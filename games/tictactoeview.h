#pragma once

#include "phrase.h"

namespace sprout {

// Whoever shows a Tic-Tac-Toe game: the screen, the console driver or a test.
// The rules call it in the order a player must see the changes.
class TicTacToeView {
public:
    virtual ~TicTacToeView() = default;

    // Put cell image `image` (1 to 5, see TicTacToe::Image) into cell `cell` (1 to 9).
    virtual void showImage(int cell, int image) = 0;

    // The game's outcome, shown and said; empty while it is played.
    virtual void setResult(const words::Reply& result) = 0;

    // Hold everything still for this many milliseconds before the computer's turn.
    virtual void pause(int milliseconds) = 0;

    // The next number r with 0 <= r < 1. The program answers from
    // RandomSource::program(), so the game shares its chances with the quizzes.
    virtual double nextRandom() = 0;
};

} // namespace sprout
