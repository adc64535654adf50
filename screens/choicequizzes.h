#pragma once

#include "design.h"
#include "screenid.h"

#include <span>

namespace sprout {

// One quiz whose answers are clicked from a list of choices, as plain data: the
// screen's window and design table, the question pictures, which question each
// choice accepts, and the award that ten right answers open. The quiz screen and
// the tests read the same description.
struct ChoiceQuizDescription {
    struct Choice {
        const char* control; // the label the child clicks
        int accepts;         // the one question number (its place in Pics) it answers
    };

    ScreenId id;
    WindowDesign window;
    std::span<const Control> controls;
    // One name constant per question number ("\Pink.bmp"); an empty one is a number
    // without a question, drawn again whenever the random source gives it.
    std::span<const char* const> questionFiles;
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
