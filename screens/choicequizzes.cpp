#include "choicequizzes.h"

#include "screendesigns.h"

namespace sprout {

namespace {

// Each colour name and the question number it accepts (see the design's questions).
constexpr ChoiceQuizDescription::Choice kColorChoices[] = {
    {"Label4", 0}, {"Label10", 1}, {"Label8", 2}, {"Label5", 3},  {"Label3", 4},
    {"Label9", 5}, {"Label12", 6}, {"Label7", 7}, {"Label6", 8}, {"Label11", 9},
};

constexpr ChoiceQuizDescription::Choice kShapeChoices[] = {
    {"Label3", 0}, {"Label4", 1}, {"Label9", 2}, {"Label7", 3},
    {"Label5", 4}, {"Label6", 5}, {"Label8", 6},
};

// The control names do not follow the numbers written on them: "1" is Label9.
constexpr ChoiceQuizDescription::Choice kSumChoices[] = {
    {"Label9", 21},  {"Label3", 0},   {"Label4", 8},   {"Label5", 1},   {"Label6", 2},
    {"Label7", 3},   {"Label15", 4},  {"Label16", 5},  {"Label17", 12}, {"Label18", 9},
    {"Label19", 6},  {"Label8", 10},  {"Label10", 11}, {"Label11", 16}, {"Label12", 15},
    {"Label14", 18}, {"Label21", 13}, {"Label22", 14}, {"Label23", 17}, {"Label24", 20},
};

} // namespace

// Guess the Color: one colour on the board, ten colour names to choose from.
constinit const ChoiceQuizDescription kGuessColorQuiz{
    .id = ScreenId::GuessColor,
    .design = designs::colorQuiz,
    .choices = kColorChoices,
    .newQuestionButton = "Command2",
    .backLink = "Label13",
    .scoreBox = "Text1",
    .award = ScreenId::awardcolor,
};

// Guess the Shape: one shape on the board, seven shape names to choose from.
constinit const ChoiceQuizDescription kGuessShapeQuiz{
    .id = ScreenId::Guessshape,
    .design = designs::shapeQuiz,
    .choices = kShapeChoices,
    .newQuestionButton = "Command2",
    .backLink = "Label11",
    .scoreBox = "Text1",
    .award = ScreenId::awardshape,
};

// Test your math: a sum on the board, the numbers 1 to 20 to choose from, and a
// button for a new question.
constinit const ChoiceQuizDescription kMathTestQuiz{
    .id = ScreenId::MathTest,
    .design = designs::mathQuiz,
    .choices = kSumChoices,
    .newQuestionButton = "Command1",
    .backLink = "Label13",
    .scoreBox = "Text1",
    .award = ScreenId::awardmath,
};

} // namespace sprout
