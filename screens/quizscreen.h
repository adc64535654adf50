#pragma once

#include "screen.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <cstdint>

namespace sprout {

// The looks the quizzes share on the classroom board.
namespace looks {
inline constexpr Look kQuizChoice{{"Arial", 11.25, true}, kLightYellow};
inline constexpr Look kQuizHeading{{"Arial", 14.25, true}, kWhite};
inline constexpr Look kQuizResult{{"Trebuchet MS", 15.75, true}, rgb(0, 0, 128), kWhite, Opaque};
inline constexpr Look kQuizFrame{{"Arial", 9.75, false}};
inline constexpr Look kQuizButton{{"Arial", 9.75, true}};
inline constexpr Look kQuizInstructions{{"Arial", 9.75, true}, kDefault, kDefault,
                                        MultiLine | ScrollBar | ReadOnly};
inline constexpr Look kScoreBox{{}, kDefault, kDefault, Hidden};
} // namespace looks

// Frame4, captioned "Frame2" by its designer: a frame one pixel high across the
// "How to play" box, a rule under its heading; the caption never shows.
constexpr Control quizRule(int tabIndex)
{
    return {Kind::Frame, "Frame4", "Frame2", 0, 840, 8775, 15, {}, "Frame3", tabIndex};
}

// What the four quizzes share: the picture table read when the screen loads, the
// question on show, the result label Label1 whose changes count right answers in
// a hidden score box, and the award that ten counted answers open.
class QuizScreen : public Screen {
    Q_OBJECT
public:
    struct Quiz {
        // One name constant per slot of Pics ("\Pink.bmp"); an empty one leaves
        // its slot without a picture.
        QStringList pictureFiles;
        const char* scoreBox; // the hidden text box that holds the score
        ScreenId award;
    };

    QuizScreen(ScreenRegistry& registry, ScreenId id, const WindowDesign& window,
               std::span<const Control> design, Quiz quiz);

    // Also an award that is no award screen and a score box the table lacks.
    QStringList designProblems() const override;

protected:
    bool readPictureFiles() override;

    // Draws the next question from the program's random source and shows its
    // picture in Image2.
    void drawQuestion();
    // Sets the result label for a choice that accepts question number accepted.
    void judge(int accepted);
    // Writes a result text; the counting runs inside, before this returns.
    void setResult(QStringView text);
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
