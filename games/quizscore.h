#pragma once

#include <string>
#include <string_view>

namespace sprout {

// How every quiz counts right answers and decides when its award is due. It is
// told each new text of the result label (only a text that differs from the one
// on show is a change) together with the score as the score box holds it, and
// answers with the score the box must hold now.
class QuizScore {
public:
    // Starts from the score box's text: empty means no right answer yet.
    explicit QuizScore(std::string_view scoreText = {});

    // The result label now reads resultText. Counts it when it says "correct"
    // (words::kCorrect) in any letter case; returns whether the score moved.
    bool resultChanged(std::string_view resultText);

    // The score as plain decimal digits, empty before the first right answer.
    const std::string& text() const { return m_text; }

    // Asked after every change, counted or not: the award is due while the score
    // stands at a whole ten (10, 20, 30 ...), so it comes back on each change until
    // the next right answer, and the ten right answers after that earn the next one.
    // However the award was closed, the score is left alone.
    bool awardDue() const;

private:
    std::string m_text;
};

} // namespace sprout
