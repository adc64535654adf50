#include "tables.h"

namespace sprout::words {

namespace {

constexpr ControlWords kControls[] = {
    {"Frame2", said("The lowercase alphabet")},
    {"Label7", {}, "The lowercase alphabet", "The letters a to z", Strip::Text},
    {"Frame1", said("The uppercase alphabet")},
    {"Label6", {}, "The uppercase alphabet", "The letters A to Z", Strip::Text},
    {"Label11", said("Back to main")},
    {"Label5", said("Big A and small a are the same letter, but remember, all letters have 2 "
                    "forms.")},
    {"Label4", said("The letter a, not capitalized")},
    {"Label3", said("The letter A, capitalized")},
    {"Label2", said("All letters of the alphabet have 2 forms: lowercase and uppercase. "
                    "Lowercase means the letter is not capitalized, and uppercase means the "
                    "letter is capitalized.")},
    {"Label1", said("What is a letter? A letter is a member of the alphabet, which contains "
                    "26 letters that make up all the words we have in the whole world.")},
    {"Label8", said("Letters!")},
};

} // namespace

const ScreenWords frmLettersWords{"frmLetters", kControls, {}};

} // namespace sprout::words
