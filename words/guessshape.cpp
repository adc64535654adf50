#include "tables.h"

namespace sprout::words {

namespace {

constexpr Phrase kQuestion = said("What shape is this?");
constexpr PictureWords kPictures[] = {
    {"triangle.bmp", kQuestion}, {"circle.bmp", kQuestion},  {"oval.bmp", kQuestion},
    {"Rectangle.bmp", kQuestion}, {"square.bmp", kQuestion}, {"hexigon.bmp", kQuestion},
    {"Pentagon.bmp", kQuestion},
};

constexpr ControlWords kControls[] = {
    {"Frame3", said("How to play")},
    {"Command2", said("Play again")},
    {"Text2", said("All you do is click an answer from the list of choices on the board. If "
                   "you think it is a triangle, click triangle. If you want to start over, "
                   "click the button that says Play Again."),
     "How to play"},
    {"Label9", said("Oval")},
    {"Label8", said("Pentagon")},
    {"Label7", said("Rectangle")},
    {"Label6", said("Hexagon")},
    {"Label5", said("Square")},
    {"Label4", said("Circle")},
    {"Label3", said("Triangle")},
    {"Label2", said("Choices")},
    {"Label1", {}, "Result", {}, Strip::Shown},
    {"Image2", {}, "The shape to guess", {}, Strip::Picture, {}, kPictures},
    {"Label20", said("What is this shape?")},
    {"Label11", said("Back to games")},
};

} // namespace

const ScreenWords guessShapeWords{"Guessshape", kControls, quizVerdicts};

} // namespace sprout::words
