#pragma once

#include "quizscreen.h"

namespace sprout {

// Guess the Color: one colour on the board, ten colour names to choose from.
class GuessColor : public QuizScreen {
    Q_OBJECT
public:
    explicit GuessColor(ScreenRegistry& registry);

protected:
    void Form_Load() override;

private:
    void Command2_Click();
    void Label13_Click();
};

} // namespace sprout
