#pragma once

#include "quizscreen.h"

namespace sprout {

// The screen Spellword, Spell the word: the child types the word whose picture is
// on the board and presses "Check Spelling"; a right answer brings the next word
// at once.
class SpellingQuiz : public QuizScreen {
    Q_OBJECT
public:
    explicit SpellingQuiz(ScreenRegistry& registry);

protected:
    void controlsBuilt() override;
    void Form_Load() override;

private:
    void Command1_Click();
    void Label13_Click();
};

} // namespace sprout
