#pragma once

#include "screen.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <cstdint>

namespace sprout {

// What the four quizzes share: the question pictures of the design, read when the
// screen loads, the question on show, the result label Label1 whose changes count
// right answers in a hidden score box, and the award that ten counted answers open.
class QuizScreen : public Screen {
    Q_OBJECT
public:
    struct Quiz {
        const char* scoreBox; // the hidden text box that holds the score
        ScreenId award;
    };

    QuizScreen(ScreenRegistry& registry, ScreenId id, const ScreenDesign& design, Quiz quiz);

    // Also an award that is no award screen and a score box the table lacks.
    QStringList designProblems() const override;

protected:
    bool readPictureFiles() override;

    // Draws the next question from the program's random source, shows its picture
    // in Image2 and asks it.
    void drawQuestion();
    const Question& question() const { return screenDesign().questions[Pick]; }
    // Sets the result label for a choice that accepts question number accepted.
    void judge(int accepted);
    // Writes a result; the counting runs inside, before this returns.
    void setResult(const Reply& result);
    // Counts and tests the score for a result whose text was already on show, as
    // if it had just changed.
    void repeatResult() { Label1_Change(); }

    QList<QImage> Pics;
    std::int16_t Pick = 0;

private:
    void Label1_Change();
    void showPicture(const QImage& picture);

    const Quiz m_quiz;
};

} // namespace sprout
