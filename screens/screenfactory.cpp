#include "screenfactory.h"

#include "awardscreen.h"
#include "choicequizscreen.h"
#include "colorslesson.h"
#include "gamesmenu.h"
#include "letterslesson.h"
#include "mainmenu.h"
#include "measurescreen.h"
#include "numberslesson.h"
#include "shapeslesson.h"
#include "spellingquiz.h"
#include "tictactoescreen.h"

namespace sprout {

std::unique_ptr<Screen> createScreen(ScreenId id, ScreenRegistry& registry)
{
    switch (id) {
    case ScreenId::SproutMain: return std::make_unique<MainMenu>(registry);
    case ScreenId::frmColors: return std::make_unique<ColorsLesson>(registry);
    case ScreenId::frmShapes: return std::make_unique<ShapesLesson>(registry);
    case ScreenId::frmLetters: return std::make_unique<LettersLesson>(registry);
    case ScreenId::FrmNumbers: return std::make_unique<NumbersLesson>(registry);
    case ScreenId::measure: return std::make_unique<MeasureScreen>(registry);
    case ScreenId::Games: return std::make_unique<GamesMenu>(registry);
    case ScreenId::Form1: return std::make_unique<TicTacToeScreen>(registry);
    case ScreenId::GuessColor: return std::make_unique<ChoiceQuizScreen>(registry, kGuessColorQuiz);
    case ScreenId::Guessshape: return std::make_unique<ChoiceQuizScreen>(registry, kGuessShapeQuiz);
    case ScreenId::Spellword: return std::make_unique<SpellingQuiz>(registry);
    case ScreenId::MathTest: return std::make_unique<ChoiceQuizScreen>(registry, kMathTestQuiz);
    case ScreenId::awardcolor:
    case ScreenId::awardshape:
    case ScreenId::awardword:
    case ScreenId::awardmath: return std::make_unique<AwardScreen>(registry, id);
    }
    return nullptr;
}

} // namespace sprout
