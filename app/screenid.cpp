#include "screenid.h"

namespace sprout {

const char* screenName(ScreenId id)
{
    static constexpr const char* kNames[kScreenCount] = {
        "SproutMain", "frmColors", "frmShapes", "frmLetters", "FrmNumbers", "measure",
        "Games", "Form1", "GuessColor", "Guessshape", "Spellword", "MathTest",
        "awardcolor", "awardshape", "awardword", "awardmath"};
    const int number = static_cast<int>(id);
    return number >= 0 && number < kScreenCount ? kNames[number] : "(no such screen)";
}

} // namespace sprout
