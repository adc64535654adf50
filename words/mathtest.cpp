#include "tables.h"

namespace sprout::words {

namespace {

// Each sum picture is named after its two numbers; "1110" is the one difference.
constexpr PictureWords kPictures[] = {
    {"11.bmp", said("What is one plus one?")},
    {"22.bmp", said("What is two plus two?")},
    {"23.bmp", said("What is two plus three?")},
    {"33.bmp", said("What is three plus three?")},
    {"34.bmp", said("What is three plus four?")},
    {"44.bmp", said("What is four plus four?")},
    {"47.bmp", said("What is four plus seven?")},
    {"12.bmp", said("What is one plus two?")},
    {"55.bmp", said("What is five plus five?")},
    {"66.bmp", said("What is six plus six?")},
    {"67.bmp", said("What is six plus seven?")},
    {"72.bmp", said("What is seven plus two?")},
    {"98.bmp", said("What is nine plus eight?")},
    {"99.bmp", said("What is nine plus nine?")},
    {"105.bmp", said("What is ten plus five?")},
    {"113.bmp", said("What is eleven plus three?")},
    {"118.bmp", said("What is eleven plus eight?")},
    {"124.bmp", said("What is twelve plus four?")},
    {"1010.bmp", said("What is ten plus ten?")},
    {"1110.bmp", said("What is eleven minus ten?")},
};

constexpr ControlWords kControls[] = {
    {"Frame3", said("How to play")},
    {"Command1", said("Pick new question")},
    {"Text2", said("Here you can practice some basic math skills. For each question that "
                   "shows up on the board, pick the answer you think is right from the "
                   "choices for answers list."),
     "How to play"},
    {"Label24", said("20")},
    {"Label23", said("19")},
    {"Label22", said("18")},
    {"Label21", said("17")},
    {"Label19", said("11")},
    {"Label18", said("10")},
    {"Label17", said("9")},
    {"Label16", said("8")},
    {"Label15", said("7")},
    {"Label14", said("16")},
    {"Label12", said("15")},
    {"Label11", said("14")},
    {"Label10", said("13")},
    {"Label8", said("12")},
    {"Label7", said("6")},
    {"Label6", said("5")},
    {"Label5", said("4")},
    {"Label4", said("3")},
    {"Label3", said("2")},
    {"Label9", said("1")},
    {"Image2", {}, "The sum to work out", {}, Strip::Picture, {}, kPictures},
    {"Label2", said("Choices for answer")},
    {"Label20", said("What is the answer?")},
    {"Label1", {}, "Result", {}, Strip::Shown},
    {"Label13", said("Back to games")},
};

} // namespace

const ScreenWords mathTestWords{"MathTest", kControls, quizVerdicts};

} // namespace sprout::words
