#pragma once

#include "choicequizzes.h"
#include "quizscreen.h"

namespace sprout {

// A quiz answered by clicking one of its choices (colours, shapes, sums), built
// from its description: a question on the board, a button for a new one, and a
// link back to the games menu.
class ChoiceQuizScreen : public QuizScreen {
    Q_OBJECT
public:
    ChoiceQuizScreen(ScreenRegistry& registry, const ChoiceQuizDescription& description);

protected:
    void Form_Load() override;

private:
    // "Play Again" (Command2) on the colours and shapes, "Pick new question"
    // (Command1) on the sums.
    void newQuestion_Click();
    void backLink_Click();
    void drawAskedQuestion();
    bool hasQuestion(int number) const;

    const ChoiceQuizDescription& m_description;
};

} // namespace sprout
