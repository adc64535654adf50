#include "tables.h"

namespace sprout::words {

namespace {

constexpr ControlWords kControls[] = {
    {"Cmdgamestart", {}, "Start a game", {}, Strip::Shown},
    {"Frame1", said("Conversation history")},
    {"Text1", pim("Tic-Tac-Toe is a game where one person is the X and the other is the O. "
                  "This game has you playing against the computer, and you will be X while "
                  "the computer will be O. What you want to do is get 3 X's in a row, either "
                  "up and down, side to side, or from corner to corner. However the computer "
                  "and you take turns, so while you are trying to get 3 in a row, the "
                  "computer is trying to block you and get 3 in a row for itself. To play "
                  "the game, press the button that says: Click to start game."),
     "How to play Tic-Tac-Toe"},
    {"Picture1(1)", said("Top left square")},
    {"Picture1(2)", said("Top middle square")},
    {"Picture1(3)", said("Top right square")},
    {"Picture1(4)", said("Middle left square")},
    {"Picture1(5)", said("Middle square")},
    {"Picture1(6)", said("Middle right square")},
    {"Picture1(7)", said("Bottom left square")},
    {"Picture1(8)", said("Bottom middle square")},
    {"Picture1(9)", said("Bottom right square")},
    {"Label11", said("Back to main")},
    {"Label2", {}, "Result", {}, Strip::Shown},
};

constexpr Reply kReplies[] = {
    {"Click to start game", said("Click to start game")},
    {" Click to  start a new game", said("Click to start a new game")},
    {"You Win!", said("You win!")},
    {"The Computer Wins!", said("The computer wins!")},
    {"You Tied", said("You tied!")},
};

} // namespace

const ScreenWords form1Words{"Form1", kControls, kReplies};

} // namespace sprout::words
