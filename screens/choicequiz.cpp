#include "choicequiz.h"

namespace sprout {

namespace {

QuizScreen::Quiz quizOf(const ChoiceQuizDescription& description)
{
    QStringList files;
    for (const char* file : description.questionFiles)
        files << QString::fromLatin1(file);
    return {files, description.scoreBox, description.award};
}

} // namespace

ChoiceQuiz::ChoiceQuiz(ScreenRegistry& registry, const ChoiceQuizDescription& description)
    : QuizScreen(registry, description.id, description.window, description.controls,
                 quizOf(description)),
      m_description(description)
{
    onClick(description.newQuestionButton, [this] { newQuestion_Click(); });
    onClick(description.backLink, [this] { backLink_Click(); });
    for (const ChoiceQuizDescription::Choice& choice : description.choices)
        onClick(choice.control, [this, question = choice.accepts] { judge(question); });
}

bool ChoiceQuiz::hasQuestion(int number) const
{
    return number >= 0 && number < int(m_description.questionFiles.size())
           && m_description.questionFiles[number][0] != '\0';
}

void ChoiceQuiz::Form_Load()
{
    drawAskedQuestion();
}

void ChoiceQuiz::drawAskedQuestion()
{
    // A number without a question would leave the board empty: draw again from
    // the same source. Nothing is painted in between, so the child never sees it.
    do
        drawQuestion();
    while (!hasQuestion(Pick));
}

void ChoiceQuiz::newQuestion_Click()
{
    drawAskedQuestion();
    setResult(u"");
}

void ChoiceQuiz::backLink_Click()
{
    navigate(ScreenId::Games, Order::HideThenShow);
}

} // namespace sprout
