#include "guesscolor.h"

namespace sprout {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Guess the Color",
    .clientWidth = 8790,
    .clientHeight = 6855,
    .placement = Placement::Centre,
    .resizable = false,
    .icon = false,
    .menu = kExitOnly,
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
    {Kind::Frame,    "Frame4",   "Frame2",               0,    840,  8775, 15,   {},                                    "Frame3", 3},
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

// Each colour by its number in Pics: its picture file and the name that accepts it.
struct Colour {
    const char* file;
    const char* choice;
};

constexpr Colour kColours[] = {
    {"\\Pink.bmp", "Label4"},   {"\\Grey.bmp", "Label10"},  {"\\Black.bmp", "Label8"},
    {"\\Green.bmp", "Label5"},  {"\\Red.bmp", "Label3"},    {"\\Yellow.bmp", "Label9"},
    {"\\White.bmp", "Label12"}, {"\\Purple.bmp", "Label7"}, {"\\Blue.bmp", "Label6"},
    {"\\Orange.bmp", "Label11"},
};

QuizScreen::Quiz quiz()
{
    QStringList files;
    for (const Colour& colour : kColours)
        files << QString::fromLatin1(colour.file);
    return {files, "Text1", ScreenId::awardcolor};
}

} // namespace

GuessColor::GuessColor(ScreenRegistry& registry)
    : QuizScreen(registry, ScreenId::GuessColor, kWindow, kControls, quiz())
{
    onClick("Command2", [this] { Command2_Click(); });
    onClick("Label13", [this] { Label13_Click(); });
    for (int number = 0; number < int(std::size(kColours)); ++number)
        onClick(kColours[number].choice, [this, number] { judge(number); });
}

void GuessColor::Form_Load()
{
    drawQuestion();
}

void GuessColor::Command2_Click()
{
    drawQuestion();
    setResult(u"");
}

void GuessColor::Label13_Click()
{
    navigate(ScreenId::Games, Order::HideThenShow);
}

} // namespace sprout
