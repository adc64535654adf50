#include "tables.h"

namespace sprout::words {

namespace {

// The picture asks its question rather than naming its colour: that is the quiz.
constexpr Phrase kQuestion = said("What color is this?");
constexpr PictureWords kPictures[] = {
    {"Pink.bmp", kQuestion},  {"Grey.bmp", kQuestion},   {"Black.bmp", kQuestion},
    {"Green.bmp", kQuestion}, {"Red.bmp", kQuestion},    {"Yellow.bmp", kQuestion},
    {"White.bmp", kQuestion}, {"Purple.bmp", kQuestion}, {"Blue.bmp", kQuestion},
    {"Orange.bmp", kQuestion},
};

constexpr ControlWords kControls[] = {
    {"Frame3", said("How to play")},
    {"Text2", said("All you do is click an answer from the list of choices on the board. If "
                   "you think the color is the color pink, click pink from the choices. If you "
                   "want to start over, click the button that says Play Again."),
     "How to play"},
    {"Command2", said("Play again")},
    {"Label13", said("Back to games")},
    {"Label12", said("White")},
    {"Label11", said("Orange")},
    {"Label10", said("Grey")},
    {"Label9", said("Yellow")},
    {"Label8", said("Black")},
    {"Label7", said("Purple")},
    {"Label6", said("Blue")},
    {"Label5", said("Green")},
    {"Label4", said("Pink")},
    {"Image2", {}, "The color to guess", {}, Strip::Picture, {}, kPictures},
    {"Label3", said("Red")},
    {"Label2", said("Choices")},
    {"Label20", said("What is this color?")},
    {"Label1", {}, "Result", {}, Strip::Shown},
};

} // namespace

const ScreenWords guessColorWords{"GuessColor", kControls, quizVerdicts};

} // namespace sprout::words
