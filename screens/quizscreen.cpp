#include "quizscreen.h"

#include "controls.h"
#include "designcheck.h"
#include "bitmapfile.h"
#include "formbuilder.h"
#include "quizscore.h"
#include "randomsource.h"
#include "replies.h"
#include "screenregistry.h"

#include <QLineEdit>

namespace sprout {

QuizScreen::QuizScreen(ScreenRegistry& registry, ScreenId id, const ScreenDesign& design, Quiz quiz)
    : Screen(registry, id, design), m_quiz(quiz)
{
    onChange("Label1", [this] { Label1_Change(); });
}

QStringList QuizScreen::designProblems() const
{
    QStringList problems = Screen::designProblems();
    switch (m_quiz.award) {
    case ScreenId::awardcolor:
    case ScreenId::awardshape:
    case ScreenId::awardword:
    case ScreenId::awardmath: break;
    default:
        problems << QStringLiteral("award: %1 is no award screen")
                        .arg(QLatin1String(screenName(m_quiz.award)));
    }
    if (!DesignCheck::hasControl(design(), QString::fromLatin1(m_quiz.scoreBox)))
        problems << QStringLiteral("%1: no such score box").arg(QLatin1String(m_quiz.scoreBox));
    return problems;
}

bool QuizScreen::readPictureFiles()
{
    QStringList files;
    for (const Question& question : screenDesign().questions)
        files << QString::fromLatin1(question.file);
    return BitmapFile::loadTable(files, Pics);
}

void QuizScreen::drawQuestion()
{
    Pick = static_cast<std::int16_t>(RandomSource::program().draw(static_cast<int>(Pics.size())));
    showPicture(Pics.value(Pick));
    if (Pick < Pics.size() && !question().asked.text.empty())
        emit questionShown(question().asked);
}

void QuizScreen::judge(int accepted)
{
    setResult(Pick == accepted ? words::kCorrect : words::kSorry);
}

void QuizScreen::setResult(const Reply& result)
{
    showReply(QStringLiteral("Label1"), result);
}

void QuizScreen::Label1_Change()
{
    auto* scoreBox = control<QLineEdit>(QString::fromLatin1(m_quiz.scoreBox));
    QuizScore score(scoreBox->text().toStdString());
    if (score.resultChanged(control<ClickLabel>(QStringLiteral("Label1"))->text().toStdString()))
        scoreBox->setText(QString::fromStdString(score.text()));
    // The award comes on top of the quiz, which stays open and keeps its score.
    if (score.awardDue())
        registry().show(m_quiz.award);
}

void QuizScreen::showPicture(const QImage& picture)
{
    // The picture is never scaled: Image2 keeps its top-left corner and takes the
    // picture's own size.
    auto* image = control<ClickLabel>(QStringLiteral("Image2"));
    if (picture.isNull()) {
        image->clear();
        return;
    }
    const QPixmap pixmap = QPixmap::fromImage(picture);
    image->setPixmap(pixmap);
    FormBuilder::fitToPicture(image);
}

} // namespace sprout
