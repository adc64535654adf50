#pragma once

#include "quizscreen.h"

namespace sprout {

// Spell the word: the child types the word whose picture is on the board and
// presses "Check Spelling"; a right answer brings the next word at once.
class Spellword : public QuizScreen {
    Q_OBJECT
public:
    explicit Spellword(ScreenRegistry& registry);

    // The word each picture stands for, by its number in Pics.
    static constexpr int kWordCount = 31;
    static const char* const kWords[kWordCount];
    static const char* const kInstructions;

protected:
    void controlsBuilt() override;
    void Form_Load() override;

private:
    void Command1_Click();
    void Label13_Click();
};

} // namespace sprout
