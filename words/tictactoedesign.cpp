#include "replies.h"
#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Tic-Tac-Toe",
    .clientWidth = 8760,
    .clientHeight = 6930,
    .resizable = true,
};

constexpr char kInstructions[] =
    "Mr. Pim says: Tic Tac Toe is a game where 1 person is the X and the other is the O. "
    "This game has you playing against the computer and you will be X while the computer "
    "will be O. What you want to do is get 3 X's in a row either up and down, side to "
    "side, or from corner to corner. However the computer and you takes turns, so while "
    "you are trying to get 3 in a row, the computer is trying to block you and get 3 in a "
    "row for itself. To play the game press the button that says \"Click to start game\"\r\n";

constexpr Look kCell{{}, kDefault, kDefault, Sunken};
constexpr Look kResult{{"MS Sans Serif", 13.5, true}, kDefault, looks::kWhite, Opaque | Centred};
constexpr Look kStartButton{{"Arial", 9.75, true}};
constexpr Look kFrame{{"Trebuchet MS", 9.75, true}};
constexpr Look kConversation{{"Arial", 9.75, true}, kDefault, kDefault, MultiLine | ScrollBar};

constexpr int kCellSize = 540;
constexpr int kColumns[] = {3360, 4095, 4830};
constexpr int kRows[] = {1335, 2070, 2805};
constexpr const char* kCellWords[] = {
    "Top left square",    "Top middle square", "Top right square",
    "Middle left square", "Middle square",     "Middle right square",
    "Bottom left square", "Bottom middle square", "Bottom right square",
};

// Cell k of the board, in reading order; it starts blank and comes k-th in the tab order.
constexpr Control cell(int index)
{
    return Control{Kind::PictureBox, "Picture1", "cell5", kColumns[(index - 1) % 3],
                   kRows[(index - 1) / 3], kCellSize, kCellSize, kCell, nullptr, index - 1, index}
        .saying(kCellWords[index - 1]);
}

// The empty label and the four grid lines lie beneath the opaque board picture
// and are never seen: the board itself shows in the gaps between the cells.
constexpr Control kControls[] = {
    // kind            name            text                  left  top   width height look
    Control{Kind::Button,    "Cmdgamestart", "Click to start game", 7440, 5880, 1215, 930,  kStartButton, nullptr, 9}.named("Start a game"),
    {Kind::Frame,     "Frame1",       "Conversation History", 0,  5520, 8775, 1455, kFrame},
    Control{Kind::TextBox,   "Text1",        kInstructions,        120,  240,  7215, 1125, kConversation, "Frame1", 10}
        .saying(teacher("Tic-Tac-Toe is a game where one person is the X and the other is the O. This game "
                        "has you playing against the computer, and you will be X while the computer will be "
                        "O. What you want to do is get 3 X's in a row, either up and down, side to side, or "
                        "from corner to corner. However the computer and you take turns, so while you are "
                        "trying to get 3 in a row, the computer is trying to block you and get 3 in a row "
                        "for itself. To play the game, press the button that says: Click to start game."))
        .named("How to play Tic-Tac-Toe"),
    cell(1), cell(2), cell(3),
    cell(4), cell(5), cell(6),
    cell(7), cell(8), cell(9),
    {Kind::Label,     "Label11",      "Back to Main",       1200, 3120, 2055, 375,  looks::kBackLink},
    Control{Kind::Label,     "Label2",       "",                   2760, 840,  3375, 435,  kResult}.named("Result"),
    Control{Kind::Image,     "Image1",       "board",              0,    0,    8790, 5520}.backdrop(kClassroomBoard),
    {Kind::ImageList, "Ilst1",        nullptr,              0,    0,    0,    0},
    {Kind::Label,     "Label1",       "",                   3840, 960,  1065, 225},
    // Lines: X1, Y1, X2, Y2.
    {Kind::Line,      "Line4",        nullptr,              3255, 2700, 5460, 2700},
    {Kind::Line,      "Line3",        nullptr,              3255, 1965, 5460, 1965},
    {Kind::Line,      "Line2",        nullptr,              4725, 1230, 4725, 3435},
    {Kind::Line,      "Line1",        nullptr,              3990, 1230, 3990, 3435},
};

} // namespace

const Reply kStartNewGame{" Click to  start a new game", narrator("Click to start a new game")};

namespace {
const Reply kReplies[] = {kStartNewGame, words::kYouWin, words::kComputerWins, words::kYouTied};
}

const ScreenDesign ticTacToe{kWindow, kControls, {}, kReplies};

} // namespace sprout::designs
