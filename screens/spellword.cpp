#include "spellword.h"

#include "controls.h"
#include "quizscore.h"

#include <QLineEdit>
#include <QPushButton>

namespace sprout {

const char* const Spellword::kWords[kWordCount] = {
    "Chair",  "And",   "House", "Apple",   "What",  "There", "Bucket", "Fork",
    "Fun",    "Rabbit", "Sun",  "Moon",    "Star",  "Plate", "Mouse",  "Hello",
    "Night",  "Book",  "Earth", "Fly",     "Candy", "Boat",  "Banana", "Truck",
    "School", "Study", "Smart", "Stapler", "Shirt", "Light", "Day",
};

const char* const Spellword::kInstructions =
    "In this game you can practice your spelling. You can do that by using your keyboard "
    "to spell the words  on the board and press the  Check Spelling button to see if you "
    "got it right.\r\n";

namespace {

constexpr WindowDesign kWindow{
    .caption = "Spell the word!",
    .clientWidth = 8745,
    .clientHeight = 6975,
};

using namespace looks;

// The one dark blue back link; the board is drawn light beneath it.
constexpr Look kDarkBackLink{{"Trebuchet MS", 15.75, true}, rgb(0, 0, 192)};
constexpr Look kResult{{"Trebuchet MS", 15.75, true}, kGreen, rgb(0, 0, 128), Opaque};
constexpr Look kAnswerBox{{"Arial", 11.25, true}, kDefault, kWhite};
constexpr Look kCheckButton{{"Arial", 9, true}};

constexpr Control kControls[] = {
    // kind           name        text                      left  top   width height look               parent    tab
    {Kind::TextBox,  "Text3",    "",                        1920, 3960, 735,  285,  kScoreBox,          nullptr,  8},
    {Kind::Button,   "Command1", "Check Spelling",          5160, 3120, 1695, 375,  kCheckButton,       nullptr,  6},
    {Kind::TextBox,  "Text1",    "",                        2640, 2640, 3615, 405,  kAnswerBox,         nullptr,  4},
    {Kind::Frame,    "Frame3",   "How to play",             0,    5520, 8775, 1215, kQuizFrame,         nullptr,  0},
    quizRule(2),
    {Kind::TextBox,  "Text2",    Spellword::kInstructions,  120,  240,  7215, 855,  kQuizInstructions,  "Frame3", 1},
    {Kind::Label,    "Label13",  "Back to Games",           3120, 5040, 2775, 375,  kDarkBackLink,      nullptr,  7},
    {Kind::Image,    "Image2",   nullptr,                   2760, 1200, 3255, 1215},
    {Kind::Label,    "Label1",   "",                        2160, 3120, 2895, 375,  kResult,            nullptr,  5},
    {Kind::Label,    "Label20",  "Spell the word!",         3480, 840,  2175, 495,  kQuizHeading,       nullptr,  3},
    {Kind::Image,    "Image1",   "board",                   0,    0,    8790, 5520},
};

QuizScreen::Quiz quiz()
{
    QStringList files;
    for (const char* word : Spellword::kWords)
        files << QLatin1Char('\\') + QString::fromLatin1(word) + QStringLiteral(".bmp");
    return {files, "Text3", ScreenId::awardword};
}

QString fromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Spellword::Spellword(ScreenRegistry& registry)
    : QuizScreen(registry, ScreenId::Spellword, kWindow, kControls, quiz())
{
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Label13", [this] { Label13_Click(); });
}

void Spellword::controlsBuilt()
{
    // Enter checks the spelling, as the button beside the box does.
    auto* answer = control<QLineEdit>(QStringLiteral("Text1"));
    connect(answer, &QLineEdit::returnPressed, control<QPushButton>(QStringLiteral("Command1")),
            &QPushButton::click);
}

void Spellword::Form_Load()
{
    drawQuestion();
    // The child types at once: the keys go to the answer box, not to the how-to text.
    control(QStringLiteral("Text1"))->setFocus();
}

void Spellword::Command1_Click()
{
    auto* answer = control<QLineEdit>(QStringLiteral("Text1"));
    auto* result = control<ClickLabel>(QStringLiteral("Label1"));
    // Exactly as typed: "chair", "CHAIR" or "Chair " is not the word.
    const bool right = answer->text() == QLatin1String(kWords[Pick]);
    const QString correct = fromView(QuizScore::kCorrect);
    const bool correctOnShow = result->text() == correct;

    // Whether the button or Enter checked, the next keys go on into the answer.
    answer->setFocus();
    setResult(right ? correct : fromView(QuizScore::kSorry));
    if (right && correctOnShow) {
        // The next word comes without emptying the result label, so the label
        // cannot tell this right answer from the last one: count it all the same.
        repeatResult();
    }
    if (!right)
        return; // the word and the typed text stay for another try

    drawQuestion();
    answer->clear();
}

void Spellword::Label13_Click()
{
    navigate(ScreenId::Games, Order::ShowThenHide);
}

} // namespace sprout
