#include "choicequizzes.h"
#include "quizscreen.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Guess the Color",
    .clientWidth = 8790,
    .clientHeight = 6855,
};

using namespace looks;

constexpr const char* kInstructionText =
    "All you do is click a answer from the list of choices on the board. If you \r\n"
    "think the color is the color pink, click pink from the choices. If you want \r\n"
    "to start over, click the button that says Play Again.\r\n";

constexpr Control kControls[] = {
    // kind           name        text                    left  top   width height look                                   parent    tab
    {Kind::TextBox,  "Text1",    "",                     2160, 3960, 615,  285,  kScoreBox,                             nullptr,  20},
    {Kind::Frame,    "Frame3",   "How to play",          0,    5520, 8775, 1335, kQuizFrame,                            nullptr,  0},
    quizRule(3),
    {Kind::TextBox,  "Text2",    kInstructionText,       120,  240,  7215, 975,  kQuizInstructions,                     "Frame3", 2},
    {Kind::Button,   "Command2", "Play Again",           7440, 240,  1215, 855,  kQuizButton,                           "Frame3", 1},
    {Kind::Label,    "Label13",  "Back to Games",        4680, 3120, 2175, 375,  kBackLink,                             nullptr,  4},
    {Kind::Label,    "Label12",  "White",                6120, 1320, 615,  255,  kQuizChoice,                           nullptr,  5},
    {Kind::Label,    "Label11",  "Orange",               6120, 1680, 855,  375,  kQuizChoice,                           nullptr,  6},
    {Kind::Label,    "Label10",  "Grey",                 6120, 2040, 495,  255,  kQuizChoice,                           nullptr,  7},
    {Kind::Label,    "Label9",   "Yellow",               4920, 1200, 735,  255,  kQuizChoice,                           nullptr,  8},
    {Kind::Label,    "Label8",   "Black",                6120, 2760, 735,  255,  kQuizChoice,                           nullptr,  9},
    {Kind::Label,    "Label7",   "Purple",               4920, 2640, 735,  255,  kQuizChoice,                           nullptr,  10},
    {Kind::Label,    "Label6",   "Blue",                 4920, 2280, 495,  255,  kQuizChoice,                           nullptr,  11},
    {Kind::Label,    "Label5",   "Green",                4920, 1920, 735,  255,  kQuizChoice,                           nullptr,  12},
    {Kind::Label,    "Label4",   "Pink",                 4920, 1560, 495,  255,  kQuizChoice,                           nullptr,  13},
    {Kind::Image,    "Image2",   nullptr,                1320, 1680, 3015, 975},
    {Kind::Label,    "Label3",   "Red",                  6120, 2400, 495,  375,  kQuizChoice,                           nullptr,  14},
    {Kind::Label,    "Label2",   "Choices:",             5280, 840,  4095, 495,  kQuizHeading,                          nullptr,  15},
    {Kind::Label,    "Label20",  "What is this color?",  1320, 840,  2775, 495,  kQuizHeading,                          nullptr,  16},
    {Kind::Label,    "Label1",   "",                     2880, 5040, 2895, 375,  kQuizResult,                           nullptr,  17},
    {Kind::Image,    "Image1",   "board",                0,    0,    8790, 5520},
};

constexpr const char* kQuestionFiles[] = {
    "\\Pink.bmp",  "\\Grey.bmp",   "\\Black.bmp",  "\\Green.bmp", "\\Red.bmp",
    "\\Yellow.bmp", "\\White.bmp", "\\Purple.bmp", "\\Blue.bmp",  "\\Orange.bmp",
};

// Each colour name and the question number (above) it accepts.
constexpr ChoiceQuizDescription::Choice kChoices[] = {
    {"Label4", 0}, {"Label10", 1}, {"Label8", 2}, {"Label5", 3},  {"Label3", 4},
    {"Label9", 5}, {"Label12", 6}, {"Label7", 7}, {"Label6", 8}, {"Label11", 9},
};

} // namespace

// Guess the Color: one colour on the board, ten colour names to choose from.
constinit const ChoiceQuizDescription kGuessColorQuiz{
    .id = ScreenId::GuessColor,
    .window = kWindow,
    .controls = kControls,
    .questionFiles = kQuestionFiles,
    .choices = kChoices,
    .newQuestionButton = "Command2",
    .backLink = "Label13",
    .scoreBox = "Text1",
    .award = ScreenId::awardcolor,
};

} // namespace sprout
