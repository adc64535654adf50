#pragma once

#include "quizscreen.h"

namespace sprout {

// Guess the Shape: one shape on the board, seven shape names to choose from.
class Guessshape : public QuizScreen {
    Q_OBJECT
public:
    explicit Guessshape(ScreenRegistry& registry);

protected:
    void Form_Load() override;

private:
    void Command2_Click();
    void Label11_Click();
};

} // namespace sprout
