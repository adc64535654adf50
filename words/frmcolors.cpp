#include "tables.h"

namespace sprout::words {

namespace {

// Each colour's name says itself, and so does the swatch beside it.
constexpr ControlWords kControls[] = {
    {"Label25", said("Play a game with colors")},
    {"Label24", said("Pink")},
    {"Label23", said("Pink"), {}, "A pink swatch"},
    {"Label22", said("Back to main")},
    {"Label19", said("Did you know?")},
    {"Label18", said("Grey")},
    {"Label17", said("Grey"), {}, "A grey swatch"},
    {"Label16", said("Black")},
    {"Label15", said("Black"), {}, "A black swatch"},
    {"Label14", said("White")},
    {"Label13", said("White"), {}, "A white swatch"},
    {"Label12", said("Purple"), {}, "A purple swatch"},
    {"Label11", said("Purple")},
    {"Label10", said("Blue"), {}, "A blue swatch"},
    {"Label9", said("Blue")},
    {"Label8", said("Green"), {}, "A green swatch"},
    {"Label7", said("Green")},
    {"Label6", said("Yellow"), {}, "A yellow swatch"},
    {"Label5", said("Yellow")},
    {"Label4", said("Orange"), {}, "An orange swatch"},
    {"Label3", said("Orange")},
    {"Label2", said("Red"), {}, "A red swatch"},
    {"Label1", said("Red")},
    {"Label21", said("White and black are not actually colors, but instead are called shades.")},
    {"Label20", said("Common colors")},
};

} // namespace

const ScreenWords frmColorsWords{"frmColors", kControls, {}};

} // namespace sprout::words
