#pragma once

#include "design.h"
#include "screenid.h"

#include <span>

namespace sprout {

// One quiz whose answers are clicked from a list of choices: its design (window,
// controls, question pictures), which question each choice accepts, and the award
// that ten right answers open. The quiz screen and the tests read the same
// description.
struct ChoiceQuizDescription {
    struct Choice {
        const char* control; // the label the child clicks
        int accepts;         // the one question number (its place in Pics) it answers
    };

    ScreenId id;
    const ScreenDesign& design;
    std::span<const Choice> choices;
    const char* newQuestionButton; // draws a new question and clears the result
    const char* backLink;          // "Back to Games"
    const char* scoreBox;          // the hidden text box that holds the score
    ScreenId award;
};

// Guess the Color, Guess the Shape and Test your math.
extern const ChoiceQuizDescription kGuessColorQuiz;
extern const ChoiceQuizDescription kGuessShapeQuiz;
extern const ChoiceQuizDescription kMathTestQuiz;

} // namespace sprout
