#include "consolegame.h"

#include "randomsource.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <istream>
#include <ostream>
#include <thread>

namespace sprout {

namespace {

std::string trimmed(const std::string& text)
{
    const auto notBlank = [](unsigned char c) { return !std::isspace(c); };
    const auto first = std::find_if(text.begin(), text.end(), notBlank);
    const auto last = std::find_if(text.rbegin(), text.rend(), notBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool isQuit(const std::string& answer)
{
    return answer == "q" || answer == "quit";
}

// What a cell shows, three characters wide; a free cell shows its number so the
// player knows what to type, and the cells of a winning line stand in brackets.
std::string cellText(int cell, int image)
{
    switch (image) {
    case TicTacToe::BlackX: return " X ";
    case TicTacToe::BlackO: return " O ";
    case TicTacToe::RedX: return "[X]";
    case TicTacToe::RedO: return "[O]";
    default: return {' ', static_cast<char>('0' + cell), ' '};
    }
}

} // namespace

ConsoleGame::ConsoleGame(std::istream& in, std::ostream& out, bool pauses)
    : m_in(in)
    , m_out(out)
    , m_pauses(pauses)
    , m_game(*this)
{
    m_images.fill(TicTacToe::Blank);
}

int ConsoleGame::run()
{
    m_out << "Tic-Tac-Toe: you are X and the computer is O. You go first.\n"
             "Type the number of a free cell and press Enter. Type q to stop.\n";
    m_game.initialise();
    do {
        m_game.startGame();
        m_out << "\nA new game.\n";
        printBoard();
        while (m_game.gameOn()) {
            int cell = 0;
            const Answer answer = askForMove(cell);
            if (answer != Answer::Move) {
                m_out << "Goodbye.\n";
                return 0;
            }
            m_computerCell = 0;
            m_game.cellClicked(cell);
            if (m_computerCell != 0)
                m_out << "The computer plays " << m_computerCell << ".\n";
            printBoard();
        }
        m_out << m_resultText << "\n";
    } while (askForAnotherGame());
    m_out << "Goodbye.\n";
    return 0;
}

ConsoleGame::Answer ConsoleGame::askForMove(int& cell)
{
    std::string line;
    for (;;) {
        if (!readLine("Your move (1 to 9): ", line))
            return Answer::EndOfInput;
        const std::string answer = lowered(trimmed(line));
        if (isQuit(answer))
            return Answer::Quit;
        if (answer.size() != 1 || answer[0] < '1' || answer[0] > '9') {
            m_out << "That is not a cell number. Please type one number from 1 to 9.\n";
            continue;
        }
        cell = answer[0] - '0';
        if (m_game.cellValue(cell) != TicTacToe::Empty) {
            m_out << "Cell " << cell << " is already taken. Please choose a free cell.\n";
            continue;
        }
        return Answer::Move;
    }
}

bool ConsoleGame::askForAnotherGame()
{
    std::string line;
    for (;;) {
        if (!readLine("Play again? (y or n): ", line))
            return false;
        const std::string answer = lowered(trimmed(line));
        if (answer == "y" || answer == "yes")
            return true;
        if (answer == "n" || answer == "no" || isQuit(answer))
            return false;
        m_out << "Please type y for another game or n to stop.\n";
    }
}

bool ConsoleGame::readLine(const char* prompt, std::string& line)
{
    m_out << prompt << std::flush;
    if (std::getline(m_in, line))
        return true;
    // The prompt is left open at the end of input; finish its line.
    m_out << "\n";
    return false;
}

void ConsoleGame::printBoard()
{
    for (int row = 0; row < 3; ++row) {
        if (row > 0)
            m_out << "  ---+---+---\n";
        m_out << "  ";
        for (int column = 0; column < 3; ++column) {
            const int cell = row * 3 + column + 1;
            if (column > 0)
                m_out << "|";
            m_out << cellText(cell, m_images[cell]);
        }
        m_out << "\n";
    }
}

void ConsoleGame::showImage(int cell, int image)
{
    if (cell < 1 || cell > 9)
        return;
    m_images[cell] = image;
    if (image == TicTacToe::BlackO)
        m_computerCell = cell;
}

void ConsoleGame::setResult(const words::Reply& result)
{
    m_resultText = result.shown;
}

void ConsoleGame::pause(int milliseconds)
{
    m_out << std::flush;
    if (m_pauses)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

double ConsoleGame::nextRandom()
{
    return RandomSource::program().next();
}

} // namespace sprout
