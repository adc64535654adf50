#include "screenfactory.h"

#include "awardscreen.h"
#include "choicequiz.h"
#include "frmcolors.h"
#include "frmletters.h"
#include "frmnumbers.h"
#include "frmshapes.h"
#include "gamesmenu.h"
#include "measurescreen.h"
#include "spellword.h"
#include "tictactoescreen.h"
#include "sproutmain.h"

namespace sprout {

std::unique_ptr<Screen> createScreen(ScreenId id, ScreenRegistry& registry)
{
    switch (id) {
    case ScreenId::SproutMain: return std::make_unique<SproutMain>(registry);
    case ScreenId::frmColors: return std::make_unique<frmColors>(registry);
    case ScreenId::frmShapes: return std::make_unique<frmShapes>(registry);
    case ScreenId::frmLetters: return std::make_unique<frmLetters>(registry);
    case ScreenId::FrmNumbers: return std::make_unique<FrmNumbers>(registry);
    case ScreenId::measure: return std::make_unique<MeasureScreen>(registry);
    case ScreenId::Games: return std::make_unique<GamesMenu>(registry);
    case ScreenId::Form1: return std::make_unique<TicTacToeScreen>(registry);
    case ScreenId::GuessColor: return std::make_unique<ChoiceQuiz>(registry, kGuessColorQuiz);
    case ScreenId::Guessshape: return std::make_unique<ChoiceQuiz>(registry, kGuessShapeQuiz);
    case ScreenId::Spellword: return std::make_unique<Spellword>(registry);
    case ScreenId::MathTest: return std::make_unique<ChoiceQuiz>(registry, kMathTestQuiz);
    case ScreenId::awardcolor:
    case ScreenId::awardshape:
    case ScreenId::awardword:
    case ScreenId::awardmath: return std::make_unique<AwardScreen>(registry, id);
    }
    return nullptr;
}

} // namespace sprout
