#include "quizdesign.h"
#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Guess the Shape",
    .clientWidth = 8775,
    .clientHeight = 6915,
};

using namespace looks;

constexpr const char* kInstructionText =
    "All you do is click a answer from the list of choices on the board. If you \r\n"
    "think it is a triangle, click triangle. If you want to start over, click the \r\n"
    "button that says Play Again.\r\n";

// Image2's designed placeholder is replaced while loading, before anyone sees it.
constexpr Control kControls[] = {
    // kind           name        text                    left  top   width height look               parent    tab
    {Kind::TextBox,  "Text1",    "",                     2520, 3960, 390,  285,  kScoreBox,         nullptr,  18},
    {Kind::Frame,    "Frame3",   "How to play",          0,    5520, 8775, 1335, kQuizFrame,        nullptr,  14},
    {Kind::Button,   "Command2", "Play Again",           7440, 240,  1215, 975,  kQuizButton,       "Frame3", 17},
    howToPlay({Kind::TextBox,  "Text2",    kInstructionText,       120,  240,  7215, 975,  kQuizInstructions, "Frame3", 16},
              "All you do is click an answer from the list of choices on the board. If you think it is a "
              "triangle, click triangle. If you want to start over, click the button that says Play Again."),
    quizRule(15),
    {Kind::Label,    "Label9",   "Oval",                 5040, 2760, 615,  255,  kQuizChoice,       nullptr,  13},
    {Kind::Label,    "Label8",   "Pentagon",             5040, 2520, 1095, 255,  kQuizChoice,       nullptr,  12},
    {Kind::Label,    "Label7",   "Rectangle",            5040, 2280, 1095, 255,  kQuizChoice,       nullptr,  11},
    {Kind::Label,    "Label6",   "Hexagon",              5040, 2040, 975,  255,  kQuizChoice,       nullptr,  10},
    {Kind::Label,    "Label5",   "Square",               5040, 1800, 855,  255,  kQuizChoice,       nullptr,  9},
    {Kind::Label,    "Label4",   "Circle",               5040, 1560, 735,  255,  kQuizChoice,       nullptr,  8},
    {Kind::Label,    "Label3",   "Triangle",             5040, 1320, 855,  255,  kQuizChoice,       nullptr,  7},
    Control{Kind::Label,    "Label2",   "Choices:",             5040, 840,  4095, 495,  kQuizHeading,      nullptr,  3}.saying("Choices"),
    Control{Kind::Label,    "Label1",   "",                     2760, 5040, 2895, 375,  kQuizResult,       nullptr,  2}.named("Result"),
    quizPicture(1560, 1080, 2475, 1935, "The shape to guess"),
    {Kind::Label,    "Label20",  "What is this shape?",  1320, 720,  4095, 495,  kQuizHeading,      nullptr,  1},
    {Kind::Label,    "Label11",  "Back to Games",        4680, 3120, 2175, 375,  kBackLink,         nullptr,  0},
    Control{Kind::Image,    "Image1",   "board",                0,    0,    8790, 5520}.backdrop(kClassroomBoard),
};

constexpr Phrase kAsked = narrator("What shape is this?");
constexpr Question kQuestions[] = {
    {"\\triangle.bmp", kAsked}, {"\\circle.bmp", kAsked},  {"\\oval.bmp", kAsked},    {"\\Rectangle.bmp", kAsked},
    {"\\square.bmp", kAsked},   {"\\hexigon.bmp", kAsked}, {"\\Pentagon.bmp", kAsked},
};

} // namespace

const ScreenDesign shapeQuiz{kWindow, kControls, kQuestions, kVerdicts};

} // namespace sprout::designs
