#include "quizdesign.h"
#include "screendesigns.h"
#include "sums.h"

#include <array>

namespace sprout::designs {

namespace {

constexpr const char* kInstructions =
    "Here you can practice some basic math skills. For each question that \r\n"
    "shows up on the \r\n"
    "board, pick the answer you think is right from the choices for answers \r\n"
    "list.\r\n";

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
    howToPlay({Kind::TextBox,  "Text2",    kInstructions,  120,  240,  7215, 1095, kQuizInstructions,  "Frame3", 5},
              "Here you can practice some basic math skills. For each question that shows up on the board, "
              "pick the answer you think is right from the choices for answers list."),
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
    quizPicture(1320, 1560, 2895, 1335, "The sum to work out"),
    {Kind::Label,    "Label2",   "Choices for Answer",     4800, 840,  2775, 495,  kQuizHeading,       nullptr,  3},
    {Kind::Label,    "Label20",  "What is the answer?",    1440, 840,  2895, 495,  kQuizHeading,       nullptr,  2},
    Control{Kind::Label,    "Label1",   "",                       3000, 3960, 2895, 375,  kQuizResult,        nullptr,  1}.named("Result"),
    {Kind::Label,    "Label13",  "Back to Games",          4320, 3120, 2775, 375,  kBackLink,          nullptr,  0},
    Control{Kind::Image,    "Image1",   "board",                  0,    0,    8790, 5520}.backdrop(kClassroomBoard),
};

// Each sum picture is named after its two numbers, "1110" the one difference.
// Number 8 is "1 + 2", so that the choice "3" has a question too; 7 and 19 have
// none and are never put on the board.
constexpr Sum kSums[] = {
    {"\\11.bmp", 1, '+', 1, narrator("What is one plus one?")},
    {"\\22.bmp", 2, '+', 2, narrator("What is two plus two?")},
    {"\\23.bmp", 2, '+', 3, narrator("What is two plus three?")},
    {"\\33.bmp", 3, '+', 3, narrator("What is three plus three?")},
    {"\\34.bmp", 3, '+', 4, narrator("What is three plus four?")},
    {"\\44.bmp", 4, '+', 4, narrator("What is four plus four?")},
    {"\\47.bmp", 4, '+', 7, narrator("What is four plus seven?")},
    {""},
    {"\\12.bmp", 1, '+', 2, narrator("What is one plus two?")},
    {"\\55.bmp", 5, '+', 5, narrator("What is five plus five?")},
    {"\\66.bmp", 6, '+', 6, narrator("What is six plus six?")},
    {"\\67.bmp", 6, '+', 7, narrator("What is six plus seven?")},
    {"\\72.bmp", 7, '+', 2, narrator("What is seven plus two?")},
    {"\\98.bmp", 9, '+', 8, narrator("What is nine plus eight?")},
    {"\\99.bmp", 9, '+', 9, narrator("What is nine plus nine?")},
    {"\\105.bmp", 10, '+', 5, narrator("What is ten plus five?")},
    {"\\113.bmp", 11, '+', 3, narrator("What is eleven plus three?")},
    {"\\118.bmp", 11, '+', 8, narrator("What is eleven plus eight?")},
    {"\\124.bmp", 12, '+', 4, narrator("What is twelve plus four?")},
    {""},
    {"\\1010.bmp", 10, '+', 10, narrator("What is ten plus ten?")},
    {"\\1110.bmp", 11, '-', 10, narrator("What is eleven minus ten?")},
};

constexpr auto kQuestions = [] {
    std::array<Question, std::size(kSums)> questions{};
    for (std::size_t i = 0; i < questions.size(); ++i)
        questions[i] = {kSums[i].file, kSums[i].asked};
    return questions;
}();

} // namespace

const ScreenDesign mathQuiz{kWindow, kControls, kQuestions, kVerdicts};

std::span<const Sum> sums()
{
    return kSums;
}

} // namespace sprout::designs
