#include "tictactoe.h"

#include "replies.h"
#include "tictactoeview.h"

namespace sprout {

namespace {

struct Line {
    int cells[3];
    int stride; // the step from one cell of the line to the next
};

// Lines, numbered from 1; every scan runs from line 1 to line 8 and takes the first
// that qualifies, so the computer's choices depend on this order.
constexpr Line Lines[9] = {
    {{0, 0, 0}, 0}, // unused: lines are numbered from 1
    {{1, 2, 3}, 1}, // top row
    {{4, 5, 6}, 1}, // middle row
    {{7, 8, 9}, 1}, // bottom row
    {{1, 4, 7}, 3}, // left column
    {{2, 5, 8}, 3}, // middle column
    {{3, 6, 9}, 3}, // right column
    {{1, 5, 9}, 4}, // diagonal from the top left
    {{3, 5, 7}, 2}, // diagonal from the top right
};
constexpr int kFirstLine = 1;
constexpr int kLastLine = 8;
constexpr int kTieScanEnd = 10;

constexpr int kTwoOAndAFreeCell = 10;
constexpr int kTwoXAndAFreeCell = 2;
constexpr int kThreeX = 3;
constexpr int kThreeO = 15;

constexpr int kCentre = 5;
constexpr int kCornerByDraw[5] = {0, 1, 3, 7, 9};

// The opposite-corner set-ups, each answered with an O in cell 4.
struct CornerSetUp {
    int xCells[2];
    int emptyCells[3];
};
constexpr CornerSetUp kCornerSetUps[] = {
    {{1, 9}, {7, 4, 8}},
    {{1, 9}, {3, 4, 8}},
    {{3, 7}, {9, 6, 8}},
    {{3, 7}, {1, 6, 8}},
};
constexpr int kCornerSetUpAnswer = 4;

} // namespace

TicTacToe::TicTacToe(TicTacToeView& view)
    : m_view(view)
{
}

void TicTacToe::initialise()
{
    m_gameOn = false;
    m_gameWon = false;
}

void TicTacToe::startGame()
{
    for (int cell = 1; cell <= 9; ++cell) {
        m_board[cell] = Empty;
        m_view.showImage(cell, Blank);
    }
    m_gameWon = false;
    m_cornerReplyDone = false;
    m_gameOn = true;
    m_view.setResult(words::kNoResult);
}

void TicTacToe::cellClicked(int cell)
{
    if (!m_gameOn || cell < 1 || cell > 9)
        return;
    // A taken cell is no move at all: passing the turn would let the computer
    // move twice in a row.
    if (m_board[cell] != Empty)
        return;

    m_view.showImage(cell, BlackX);
    m_board[cell] = X;

    // No early stop: an X that closes two lines at once turns both red.
    for (int line = kFirstLine; line <= kLastLine; ++line) {
        if (lineSum(line) == kThreeX)
            PlayerWins(line);
    }

    ComputerMove();
}

int TicTacToe::cellValue(int cell) const
{
    if (cell < 1 || cell > 9)
        return Empty;
    return m_board[cell];
}

void TicTacToe::ComputerMove()
{
    m_view.pause(kPauseMilliseconds);

    // A board filled by a winning X keeps its win text.
    int cell = 1;
    while (m_board[cell] != Empty)
        ++cell;
    if (cell == kTieScanEnd && !m_gameWon) {
        m_gameOn = false;
        m_view.setResult(words::kYouTied);
    }

    if (!m_gameOn)
        return;

    for (int line = kFirstLine; line <= kLastLine; ++line) {
        if (lineSum(line) == kTwoOAndAFreeCell) {
            CompleteLine(line);
            return;
        }
    }

    for (int line = kFirstLine; line <= kLastLine; ++line) {
        if (lineSum(line) == kTwoXAndAFreeCell) {
            CompleteLine(line);
            return;
        }
    }

    if (m_board[kCentre] == Empty) {
        placeO(kCentre);
        return;
    }

    if (m_board[kCentre] == X && !m_cornerReplyDone) {
        // All four corners are free after a centre opening, so the first draw stands.
        int corner;
        do {
            corner = kCornerByDraw[static_cast<int>(4 * m_view.nextRandom()) + 1];
        } while (m_board[corner] != Empty);
        placeO(corner);
        m_cornerReplyDone = true;
        return;
    }

    for (const CornerSetUp& setUp : kCornerSetUps) {
        if (m_board[setUp.xCells[0]] == X && m_board[setUp.xCells[1]] == X
            && m_board[setUp.emptyCells[0]] == Empty && m_board[setUp.emptyCells[1]] == Empty
            && m_board[setUp.emptyCells[2]] == Empty) {
            placeO(kCornerSetUpAnswer);
            return;
        }
    }

    // The tie check above found a free cell, so this draw ends.
    int square;
    do {
        square = static_cast<int>(9 * m_view.nextRandom()) + 1;
    } while (m_board[square] != Empty);
    placeO(square);
}

void TicTacToe::CompleteLine(int line)
{
    // Only ever called for a line with exactly one free cell, so the walk stays in it.
    int cell = Lines[line].cells[0];
    for (int step = 0; step < 2 && m_board[cell] != Empty; ++step)
        cell += Lines[line].stride;
    placeO(cell);

    for (int other = kFirstLine; other <= kLastLine; ++other) {
        if (lineSum(other) == kThreeO)
            ComputerWins(other);
    }
}

void TicTacToe::PlayerWins(int line)
{
    m_view.setResult(words::kYouWin);
    m_gameOn = false;
    m_gameWon = true;
    MarkWinningLine(line, 'X');
}

void TicTacToe::ComputerWins(int line)
{
    m_view.setResult(words::kComputerWins);
    m_gameOn = false;
    m_gameWon = true;
    MarkWinningLine(line, 'O');
}

void TicTacToe::MarkWinningLine(int line, char mark)
{
    for (int cell : Lines[line].cells)
        m_view.showImage(cell, mark == 'X' ? RedX : RedO);
}

int TicTacToe::lineSum(int line) const
{
    int sum = 0;
    for (int cell : Lines[line].cells)
        sum += m_board[cell];
    return sum;
}

void TicTacToe::placeO(int cell)
{
    m_view.showImage(cell, BlackO);
    m_board[cell] = O;
}

} // namespace sprout
