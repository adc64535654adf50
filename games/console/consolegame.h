#pragma once

#include "tictactoe.h"
#include "tictactoeview.h"

#include <array>
#include <iosfwd>
#include <string>

namespace sprout {

// Tic-Tac-Toe in a terminal: the same rules and the same random source as the
// screen, with cell numbers typed instead of clicked.
class ConsoleGame : public TicTacToeView {
public:
    ConsoleGame(std::istream& in, std::ostream& out, bool pauses);

    // Plays games until the player quits or the input ends; returns the exit status.
    int run();

    void showImage(int cell, int image) override;
    void setResult(const words::Reply& result) override;
    void pause(int milliseconds) override;
    double nextRandom() override;

private:
    enum class Answer { Move, Quit, EndOfInput };

    // Asks until the player names a free cell, quits, or the input ends.
    Answer askForMove(int& cell);
    // True for another game; false when the player quits or the input ends.
    bool askForAnotherGame();
    bool readLine(const char* prompt, std::string& line);
    void printBoard();

    std::istream& m_in;
    std::ostream& m_out;
    bool m_pauses;
    TicTacToe m_game;
    std::array<int, 10> m_images{}; // what each cell shows, from 1
    std::string m_resultText;
    int m_computerCell = 0; // where the computer put its O this turn, 0 for nowhere
};

} // namespace sprout
