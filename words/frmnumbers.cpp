#include "tables.h"

namespace sprout::words {

namespace {

// The apples count themselves along each row: one, two, three.
constexpr ControlWords kControls[] = {
    {"Label22", said("Back to main")},
    {"Label5", said("Now there are 2 more apples, that makes 3 apples. 2 and 1 is 3.")},
    {"Image6", said("Three apples"), "Apple", "The third apple of three"},
    {"Image5", said("One apple"), "Apple", "The first apple of three"},
    {"Image4", said("Two apples"), "Apple", "The second apple of three"},
    {"Label3", said("Now there is 1 more apple, that makes 2 apples. 1 and 1 is 2.")},
    {"Image3", said("Two apples"), "Apple", "The second apple of two"},
    {"Image2", said("One apple"), "Apple", "The first apple of two"},
    {"Label2", said("This is an apple. How many of them are there? There is 1 apple.")},
    {"Image1", said("One apple"), "Apple", "One apple"},
    {"Label1", said("Numbers let us count things we see all the time!")},
    {"Label19", said("We use numbers in our everyday lives all the time, so it is always a "
                     "good idea to learn how these things work. Let's try something simple.")},
    {"Label7", said("Numbers!")},
};

} // namespace

const ScreenWords frmNumbersWords{"FrmNumbers", kControls, {}};

} // namespace sprout::words
