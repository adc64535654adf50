#pragma once

#include "quizscreen.h"

namespace sprout {

// Test your math: a sum on the board, the numbers 1 to 20 to choose from, and a
// button for a new question.
class MathTest : public QuizScreen {
    Q_OBJECT
public:
    explicit MathTest(ScreenRegistry& registry);

    static constexpr int kQuestionCount = 22;
    // The question file of each number in Pics; empty for a number without one.
    static const char* const kQuestionFiles[kQuestionCount];
    static const char* const kInstructions;

    struct Choice {
        const char* label; // the control the child clicks
        int question;      // the one question number it answers
    };
    static constexpr int kChoiceCount = 20;
    static const Choice kChoices[kChoiceCount];

    static bool hasQuestion(int number);

protected:
    void Form_Load() override;

private:
    void Command1_Click();
    void Label13_Click();
    void drawAskedQuestion();
};

} // namespace sprout
