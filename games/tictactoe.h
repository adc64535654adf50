#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sprout {

class TicTacToeView;

// The Tic-Tac-Toe rules and the computer opponent. The child is X and moves first;
// the computer is O and answers from a fixed list of rules, not by searching.
class TicTacToe {
public:
    // The cell images, numbered as in the screen's image list.
    enum Image { BlackX = 1, BlackO = 2, RedX = 3, RedO = 4, Blank = 5 };

    // Cell values. A line's sum tells its content: 3 is three X, 15 three O,
    // 2 two X and a free cell, 10 two O and a free cell.
    enum Mark { Empty = 0, X = 1, O = 5 };

    static constexpr int kPauseMilliseconds = 300;

    explicit TicTacToe(TicTacToeView& view);

    // From the screen's Form_Load: no game is on and the board is left as it was.
    void initialise();

    // From the start button: clears the board and begins a game, abandoning any other.
    void startGame();

    // From a click on cell 1 to 9: the child's move, then the computer's turn.
    // Ignored when no game is on, when the cell is taken, or for any other number.
    void cellClicked(int cell);

    bool gameOn() const { return m_gameOn; }
    bool gameWon() const { return m_gameWon; }
    bool cornerReplyDone() const { return m_cornerReplyDone; }

    // Empty, X or O for cells 1 to 9; Empty for any other number.
    int cellValue(int cell) const;

private:
    void ComputerMove();
    void CompleteLine(int line);
    void PlayerWins(int line);
    void ComputerWins(int line);
    void MarkWinningLine(int line, char mark);

    int lineSum(int line) const;
    void placeO(int cell);

    TicTacToeView& m_view;
    // Ten cells, numbered from 1 as a child counts them (element 0 is unused). Cell 10
    // is never played: it stops the scan for a free cell in the tie check.
    std::array<std::int16_t, 11> m_board{};
    bool m_gameOn = false;
    bool m_gameWon = false;
    bool m_cornerReplyDone = false;
};

} // namespace sprout
