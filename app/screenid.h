#pragma once

namespace sprout {

// The sixteen screens, named as the program names them.
enum class ScreenId {
    SproutMain,
    frmColors,
    frmShapes,
    frmLetters,
    FrmNumbers,
    measure,
    Games,
    Form1,
    GuessColor,
    Guessshape,
    Spellword,
    MathTest,
    awardcolor,
    awardshape,
    awardword,
    awardmath,
};

constexpr int kScreenCount = 16;

const char* screenName(ScreenId id);

} // namespace sprout
