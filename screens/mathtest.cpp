#include "choicequizzes.h"
#include "quizscreen.h"

namespace sprout {

namespace {

constexpr const char* kInstructions =
    "Here you can practice some basic math skills. For each question that \r\n"
    "shows up on the \r\n"
    "board, pick the answer you think is right from the choices for answers \r\n"
    "list.\r\n";

// Number 8 is "1 + 2", so that the choice "3" has a question too; 7 and 19 have
// none and are never put on the board.
constexpr const char* kQuestionFiles[] = {
    "\\11.bmp",  "\\22.bmp",   "\\23.bmp",   "\\33.bmp",  "\\34.bmp",  "\\44.bmp",
    "\\47.bmp",  "",           "\\12.bmp",   "\\55.bmp",  "\\66.bmp",  "\\67.bmp",
    "\\72.bmp",  "\\98.bmp",   "\\99.bmp",   "\\105.bmp", "\\113.bmp", "\\118.bmp",
    "\\124.bmp", "",           "\\1010.bmp", "\\1110.bmp",
};

// The control names do not follow the numbers written on them: "1" is Label9.
constexpr ChoiceQuizDescription::Choice kChoices[] = {
    {"Label9", 21},  {"Label3", 0},   {"Label4", 8},   {"Label5", 1},   {"Label6", 2},
    {"Label7", 3},   {"Label15", 4},  {"Label16", 5},  {"Label17", 12}, {"Label18", 9},
    {"Label19", 6},  {"Label8", 10},  {"Label10", 11}, {"Label11", 16}, {"Label12", 15},
    {"Label14", 18}, {"Label21", 13}, {"Label22", 14}, {"Label23", 17}, {"Label24", 20},
};

constexpr WindowDesign kWindow{
    .caption = "Test your math",
    .clientWidth = 8775,
    .clientHeight = 7500,
};

using namespace looks;

constexpr Control kControls[] = {
    // kind           name        text                     left  top   width height look               parent    tab
    {Kind::TextBox,  "Text1",    "",                       1560, 3960, 615,  285,  kScoreBox,          nullptr,  28},
    {Kind::Frame,    "Frame3",   "How to play",            0,    5520, 8775, 1455, kQuizFrame,         nullptr,  4},
    {Kind::Button,   "Command1", "Pick new question",      7440, 240,  1215, 1095, kQuizButton,        "Frame3", 27},
    quizRule(6),
    {Kind::TextBox,  "Text2",    kInstructions,  120,  240,  7215, 1095, kQuizInstructions,  "Frame3", 5},
    {Kind::Label,    "Label24",  "20",                     6480, 1560, 255,  255,  kQuizChoice,        nullptr,  26},
    {Kind::Label,    "Label23",  "19",                     6480, 1320, 255,  255,  kQuizChoice,        nullptr,  25},
    {Kind::Label,    "Label22",  "18",                     6000, 2520, 255,  255,  kQuizChoice,        nullptr,  24},
    {Kind::Label,    "Label21",  "17",                     6000, 2280, 255,  255,  kQuizChoice,        nullptr,  23},
    {Kind::Label,    "Label19",  "11",                     5400, 2280, 255,  255,  kQuizChoice,        nullptr,  22},
    {Kind::Label,    "Label18",  "10",                     5400, 2040, 255,  255,  kQuizChoice,        nullptr,  21},
    {Kind::Label,    "Label17",  "9",                      5400, 1800, 255,  255,  kQuizChoice,        nullptr,  20},
    {Kind::Label,    "Label16",  "8",                      5400, 1560, 255,  255,  kQuizChoice,        nullptr,  19},
    {Kind::Label,    "Label15",  "7",                      5400, 1320, 255,  255,  kQuizChoice,        nullptr,  18},
    {Kind::Label,    "Label14",  "16",                     6000, 2040, 255,  255,  kQuizChoice,        nullptr,  17},
    {Kind::Label,    "Label12",  "15",                     6000, 1800, 255,  255,  kQuizChoice,        nullptr,  16},
    {Kind::Label,    "Label11",  "14",                     6000, 1560, 255,  255,  kQuizChoice,        nullptr,  15},
    {Kind::Label,    "Label10",  "13",                     6000, 1320, 255,  255,  kQuizChoice,        nullptr,  14},
    {Kind::Label,    "Label8",   "12",                     5400, 2520, 255,  255,  kQuizChoice,        nullptr,  13},
    {Kind::Label,    "Label7",   "6",                      4920, 2520, 255,  255,  kQuizChoice,        nullptr,  12},
    {Kind::Label,    "Label6",   "5",                      4920, 2280, 255,  255,  kQuizChoice,        nullptr,  11},
    {Kind::Label,    "Label5",   "4",                      4920, 2040, 255,  255,  kQuizChoice,        nullptr,  10},
    {Kind::Label,    "Label4",   "3",                      4920, 1800, 255,  255,  kQuizChoice,        nullptr,  9},
    {Kind::Label,    "Label3",   "2",                      4920, 1560, 255,  255,  kQuizChoice,        nullptr,  8},
    {Kind::Label,    "Label9",   "1",                      4920, 1320, 255,  255,  kQuizChoice,        nullptr,  7},
    {Kind::Image,    "Image2",   nullptr,                  1320, 1560, 2895, 1335},
    {Kind::Label,    "Label2",   "Choices for Answer",     4800, 840,  2775, 495,  kQuizHeading,       nullptr,  3},
    {Kind::Label,    "Label20",  "What is the answer?",    1440, 840,  2895, 495,  kQuizHeading,       nullptr,  2},
    {Kind::Label,    "Label1",   "",                       3000, 3960, 2895, 375,  kQuizResult,        nullptr,  1},
    {Kind::Label,    "Label13",  "Back to Games",          4320, 3120, 2775, 375,  kBackLink,          nullptr,  0},
    {Kind::Image,    "Image1",   "board",                  0,    0,    8790, 5520},
};

} // namespace

// Test your math: a sum on the board, the numbers 1 to 20 to choose from, and a
// button for a new question.
constinit const ChoiceQuizDescription kMathTestQuiz{
    .id = ScreenId::MathTest,
    .window = kWindow,
    .controls = kControls,
    .questionFiles = kQuestionFiles,
    .choices = kChoices,
    .newQuestionButton = "Command1",
    .backLink = "Label13",
    .scoreBox = "Text1",
    .award = ScreenId::awardmath,
};

} // namespace sprout
