#include "guidance.h"

#include "tables.h"

namespace sprout::words {

namespace {

struct ScreenGuidance {
    std::string_view screen;
    Phrase said;
};

constexpr Phrase kAward = said("Congratulations, you are doing a great job! Press Print Award to "
                               "print your award, or press Continue to go back to your game.");

constexpr ScreenGuidance kArrivals[] = {
    {"frmColors", said("Common colors. Point at a color to hear its name.")},
    {"frmShapes", said("Shapes. Point at a shape to hear its name.")},
    {"frmLetters", said("Letters! Point at a letter to hear it.")},
    {"FrmNumbers", said("Numbers! Point at the apples and count them.")},
    {"measure", said("Measurements! Point at the ruler to hear its numbers.")},
    {"Games", said("What would you like to play? Click on a game.")},
    {"Form1", said("Let's play Tic-Tac-Toe!")},
    {"awardcolor", kAward},
    {"awardshape", kAward},
    {"awardword", kAward},
    {"awardmath", kAward},
};

struct ResultGuidance {
    std::string_view screen;
    std::string_view shown;
    Phrase said;
};

constexpr ResultGuidance kResults[] = {
    {"Form1", "You Win!",
     said("You win! To play again, press the button that says Click to start a new game.")},
    {"Form1", "The Computer Wins!",
     said("The computer wins! To play again, press the button that says Click to start a new game.")},
    {"Form1", "You Tied",
     said("You tied! To play again, press the button that says Click to start a new game.")},
};

constexpr Phrase kPressStartFirst =
    said("To play, first press the button that says Click to start game.");
constexpr Phrase kPressToPlayAgain =
    said("This game is over. To play again, press the button that says Click to start a new game.");
constexpr Phrase kNoPrinter =
    said("No printer is set up on this computer, so nothing was printed. Set up a printer in the "
         "computer's printer settings, then try printing again.");
constexpr Phrase kNotPrinted =
    said("The award was not printed. The message on the screen says why.");
constexpr Phrase kAwardSaved =
    said("The award was saved. The message on the screen says where to find it.");

} // namespace

std::optional<Phrase> arrivalGuidance(std::string_view screen)
{
    for (const ScreenGuidance& row : kArrivals)
        if (row.screen == screen)
            return row.said;
    return std::nullopt;
}

std::optional<Phrase> resultWithNextStep(std::string_view screen, std::string_view shown)
{
    for (const ResultGuidance& row : kResults)
        if (row.screen == screen && row.shown == shown)
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
    for (const ResultGuidance& row : kResults)
        phrases.push_back(row.said);
    return phrases;
}

} // namespace sprout::words
