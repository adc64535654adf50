#include "spellingquiz.h"

#include "controls.h"
#include "replies.h"
#include "screendesigns.h"

#include <QLineEdit>
#include <QPushButton>

namespace sprout {

SpellingQuiz::SpellingQuiz(ScreenRegistry& registry)
    : QuizScreen(registry, ScreenId::Spellword, designs::spellingQuiz, {"Text3", ScreenId::awardword})
{
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Label13", [this] { Label13_Click(); });
}

void SpellingQuiz::controlsBuilt()
{
    // Enter checks the spelling, as the button beside the box does.
    auto* answer = control<QLineEdit>(QStringLiteral("Text1"));
    connect(answer, &QLineEdit::returnPressed, control<QPushButton>(QStringLiteral("Command1")),
            &QPushButton::click);
}

void SpellingQuiz::Form_Load()
{
    drawQuestion();
    // The child types at once: the keys go to the answer box, not to the how-to text.
    control(QStringLiteral("Text1"))->setFocus();
}

void SpellingQuiz::Command1_Click()
{
    auto* answer = control<QLineEdit>(QStringLiteral("Text1"));
    auto* result = control<ClickLabel>(QStringLiteral("Label1"));
    // The word said for the picture, exactly as typed: "chair", "CHAIR" or "Chair "
    // is not the word.
    const std::string_view word = question().asked.text;
    const bool right = answer->text() == QLatin1String(word.data(), qsizetype(word.size()));
    const std::string_view correct = words::kCorrect.shown;
    const bool correctOnShow = result->text() == QLatin1String(correct.data(), qsizetype(correct.size()));

    // Whether the button or Enter checked, the next keys go on into the answer.
    answer->setFocus();
    setResult(right ? words::kCorrect : words::kSorry);
    if (right && correctOnShow) {
        // The next word comes without emptying the result label, so the label
        // cannot tell this right answer from the last one: count it all the same.
        repeatResult();
    }
    if (!right)
        return; // the word and the typed text stay for another try

    drawQuestion();
    answer->clear();
}

void SpellingQuiz::Label13_Click()
{
    navigate(ScreenId::Games, Order::ShowThenHide);
}

} // namespace sprout
