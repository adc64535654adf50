#include "screenid.h"

namespace sprout {

const char* screenName(ScreenId id)
{
    static constexpr const char* kNames[kScreenCount] = {
        "SproutMain", "frmColors", "frmShapes", "frmLetters", "FrmNumbers", "measure",
        "Games", "Form1", "GuessColor", "Guessshape", "Spellword", "MathTest",
        "awardcolor", "awardshape", "awardword", "awardmath"};
    return kNames[static_cast<int>(id)];
}

} // namespace sprout
