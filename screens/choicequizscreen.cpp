#include "choicequizscreen.h"

#include "replies.h"

namespace sprout {

ChoiceQuizScreen::ChoiceQuizScreen(ScreenRegistry& registry, const ChoiceQuizDescription& description)
    : QuizScreen(registry, description.id, description.design, {description.scoreBox, description.award}),
      m_description(description)
{
    onClick(description.newQuestionButton, [this] { newQuestion_Click(); });
    onClick(description.backLink, [this] { backLink_Click(); });
    for (const ChoiceQuizDescription::Choice& choice : description.choices)
        onClick(choice.control, [this, question = choice.accepts] { judge(question); });
}

bool ChoiceQuizScreen::hasQuestion(int number) const
{
    const std::span<const Question> questions = m_description.design.questions;
    return number >= 0 && number < int(questions.size()) && questions[number].file[0] != '\0';
}

void ChoiceQuizScreen::Form_Load()
{
    drawAskedQuestion();
}

void ChoiceQuizScreen::drawAskedQuestion()
{
    // A number without a question would leave the board empty: draw again from
    // the same source. Nothing is painted in between, so the child never sees it.
    do
        drawQuestion();
    while (!hasQuestion(Pick));
}

void ChoiceQuizScreen::newQuestion_Click()
{
    drawAskedQuestion();
    setResult(words::kNoResult);
}

void ChoiceQuizScreen::backLink_Click()
{
    navigate(ScreenId::Games, Order::HideThenShow);
}

} // namespace sprout
