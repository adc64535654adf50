#include "guidance.h"

#include "screendesigns.h"

namespace sprout::words {

namespace {

struct ScreenGuidance {
    const ScreenDesign* screen;
    Phrase said;
};

constexpr Phrase kAward = narrator("Congratulations, you are doing a great job! Press Print Award to "
                                   "print your award, or press Continue to go back to your game.");

const ScreenGuidance kArrivals[] = {
    {&designs::colorsLesson, narrator("Common colors. Point at a color to hear its name.")},
    {&designs::shapesLesson, narrator("Shapes. Point at a shape to hear its name.")},
    {&designs::lettersLesson, narrator("Letters! Point at a letter to hear it.")},
    {&designs::numbersLesson, narrator("Numbers! Point at the apples and count them.")},
    {&designs::measureLesson, narrator("Measurements! Point at the ruler to hear its numbers.")},
    {&designs::gamesMenu, narrator("What would you like to play? Click on a game.")},
    {&designs::ticTacToe, narrator("Let's play Tic-Tac-Toe!")},
    {&designs::colorAward, kAward},
    {&designs::shapeAward, kAward},
    {&designs::spellingAward, kAward},
    {&designs::mathAward, kAward},
};

constexpr Phrase kPressStartFirst =
    narrator("To play, first press the button that says Click to start game.");
constexpr Phrase kPressToPlayAgain =
    narrator("This game is over. To play again, press the button that says Click to start a new game.");
constexpr Phrase kNoPrinter =
    narrator("No printer is set up on this computer, so nothing was printed. Set up a printer in the "
             "computer's printer settings, then try printing again.");
constexpr Phrase kNotPrinted =
    narrator("The award was not printed. The message on the screen says why.");
constexpr Phrase kAwardSaved =
    narrator("The award was saved. The message on the screen says where to find it.");

} // namespace

std::optional<Phrase> arrivalGuidance(const ScreenDesign& screen)
{
    for (const ScreenGuidance& row : kArrivals)
        if (row.screen == &screen)
            return row.said;
    return std::nullopt;
}

Phrase pressStartFirst() { return kPressStartFirst; }
Phrase pressToPlayAgain() { return kPressToPlayAgain; }
Phrase noPrinterMessage() { return kNoPrinter; }
Phrase notPrintedMessage() { return kNotPrinted; }
Phrase awardSavedMessage() { return kAwardSaved; }

std::vector<Phrase> allGuidance()
{
    std::vector<Phrase> phrases{kPressStartFirst, kPressToPlayAgain, kNoPrinter, kNotPrinted,
                                kAwardSaved};
    for (const ScreenGuidance& row : kArrivals)
        phrases.push_back(row.said);
    return phrases;
}

} // namespace sprout::words
