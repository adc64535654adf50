#include "tables.h"

namespace sprout::words {

namespace {

constexpr ControlWords kControls[] = {
    {"Label6", said("Practice your math skills.")},
    {"Label5", said("Spell the word.")},
    {"Label4", said("Guess the shape.")},
    {"Label3", said("Guess the color.")},
    {"Label11", said("Back to main")},
    {"Label2", said("Tic-Tac-Toe")},
    {"Label1", said("What would you like to play?")},
};

} // namespace

const ScreenWords gamesWords{"Games", kControls, {}};

} // namespace sprout::words
