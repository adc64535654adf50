#include "quizdesign.h"
#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Spell the word!",
    .clientWidth = 8745,
    .clientHeight = 6975,
};

using namespace looks;

constexpr const char* kInstructions =
    "In this game you can practice your spelling. You can do that by using your keyboard "
    "to spell the words  on the board and press the  Check Spelling button to see if you "
    "got it right.\r\n";

// The one dark blue back link; the board is drawn light beneath it.
constexpr Look kDarkBackLink{{"Trebuchet MS", 15.75, true}, rgb(0, 0, 192)};
constexpr Look kResult{{"Trebuchet MS", 15.75, true}, kGreen, rgb(0, 0, 128), Opaque};
constexpr Look kAnswerBox{{"Arial", 11.25, true}, kDefault, kWhite};
constexpr Look kCheckButton{{"Arial", 9, true}};

constexpr Control kControls[] = {
    // kind           name        text                      left  top   width height look               parent    tab
    {Kind::TextBox,  "Text3",    "",                        1920, 3960, 735,  285,  kScoreBox,          nullptr,  8},
    {Kind::Button,   "Command1", "Check Spelling",          5160, 3120, 1695, 375,  kCheckButton,       nullptr,  6},
    Control{Kind::TextBox,  "Text1",    "",                        2640, 2640, 3615, 405,  kAnswerBox,         nullptr,  4}
        .saying("Type the word here").named("Your spelling"),
    {Kind::Frame,    "Frame3",   "How to play",             0,    5520, 8775, 1215, kQuizFrame,         nullptr,  0},
    quizRule(2),
    howToPlay({Kind::TextBox,  "Text2",    kInstructions,  120,  240,  7215, 855,  kQuizInstructions,  "Frame3", 1},
              "In this game you can practice your spelling. You can do that by using your keyboard to spell "
              "the words on the board, and press the Check Spelling button to see if you got it right."),
    {Kind::Label,    "Label13",  "Back to Games",           3120, 5040, 2775, 375,  kDarkBackLink,      nullptr,  7},
    quizPicture(2760, 1200, 3255, 1215, "The word to spell"),
    Control{Kind::Label,    "Label1",   "",                        2160, 3120, 2895, 375,  kResult,            nullptr,  5}.named("Result"),
    {Kind::Label,    "Label20",  "Spell the word!",         3480, 840,  2175, 495,  kQuizHeading,       nullptr,  3},
    Control{Kind::Image,    "Image1",   "board",                   0,    0,    8790, 5520}.backdrop(kClassroomBoard),
};

// The child cannot read the word on the picture: it says the word, which is also
// exactly what must be typed.
constexpr Question word(const char* file, const char* word) { return {file, narrator(word)}; }
constexpr Question kQuestions[] = {
    word("\\Chair.bmp", "Chair"),   word("\\And.bmp", "And"),         word("\\House.bmp", "House"),
    word("\\Apple.bmp", "Apple"),   word("\\What.bmp", "What"),       word("\\There.bmp", "There"),
    word("\\Bucket.bmp", "Bucket"), word("\\Fork.bmp", "Fork"),       word("\\Fun.bmp", "Fun"),
    word("\\Rabbit.bmp", "Rabbit"), word("\\Sun.bmp", "Sun"),         word("\\Moon.bmp", "Moon"),
    word("\\Star.bmp", "Star"),     word("\\Plate.bmp", "Plate"),     word("\\Mouse.bmp", "Mouse"),
    word("\\Hello.bmp", "Hello"),   word("\\Night.bmp", "Night"),     word("\\Book.bmp", "Book"),
    word("\\Earth.bmp", "Earth"),   word("\\Fly.bmp", "Fly"),         word("\\Candy.bmp", "Candy"),
    word("\\Boat.bmp", "Boat"),     word("\\Banana.bmp", "Banana"),   word("\\Truck.bmp", "Truck"),
    word("\\School.bmp", "School"), word("\\Study.bmp", "Study"),     word("\\Smart.bmp", "Smart"),
    word("\\Stapler.bmp", "Stapler"), word("\\Shirt.bmp", "Shirt"),   word("\\Light.bmp", "Light"),
    word("\\Day.bmp", "Day"),
};

} // namespace

const ScreenDesign spellingQuiz{kWindow, kControls, kQuestions, kVerdicts};

} // namespace sprout::designs
