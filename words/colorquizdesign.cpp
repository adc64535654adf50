#include "quizdesign.h"
#include "screendesigns.h"

namespace sprout::designs {

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
    howToPlay({Kind::TextBox,  "Text2",    kInstructionText,       120,  240,  7215, 975,  kQuizInstructions,                     "Frame3", 2},
              "All you do is click an answer from the list of choices on the board. If you think the color is "
              "the color pink, click pink from the choices. If you want to start over, click the button that "
              "says Play Again."),
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
    quizPicture(1320, 1680, 3015, 975, "The color to guess"),
    {Kind::Label,    "Label3",   "Red",                  6120, 2400, 495,  375,  kQuizChoice,                           nullptr,  14},
    Control{Kind::Label,    "Label2",   "Choices:",             5280, 840,  4095, 495,  kQuizHeading,                          nullptr,  15}.saying("Choices"),
    {Kind::Label,    "Label20",  "What is this color?",  1320, 840,  2775, 495,  kQuizHeading,                          nullptr,  16},
    Control{Kind::Label,    "Label1",   "",                     2880, 5040, 2895, 375,  kQuizResult,                           nullptr,  17}.named("Result"),
    Control{Kind::Image,    "Image1",   "board",                0,    0,    8790, 5520}.backdrop(kClassroomBoard),
};

// The picture asks its question rather than naming its colour: that is the quiz.
constexpr Phrase kAsked = narrator("What color is this?");
constexpr Question kQuestions[] = {
    {"\\Pink.bmp", kAsked},  {"\\Grey.bmp", kAsked},   {"\\Black.bmp", kAsked},  {"\\Green.bmp", kAsked},
    {"\\Red.bmp", kAsked},   {"\\Yellow.bmp", kAsked}, {"\\White.bmp", kAsked},  {"\\Purple.bmp", kAsked},
    {"\\Blue.bmp", kAsked},  {"\\Orange.bmp", kAsked},
};

} // namespace

const ScreenDesign colorQuiz{kWindow, kControls, kQuestions, kVerdicts};

} // namespace sprout::designs
