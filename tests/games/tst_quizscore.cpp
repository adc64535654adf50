// The score rule shared by the four quizzes: what one change of the result text
// does to the score box, and when the award is due.
#include "quizscore.h"

#include <QtTest>

using sprout::QuizScore;

namespace {

const QString kCorrect = QString::fromLatin1(QuizScore::kCorrect.data(), QuizScore::kCorrect.size());
const QString kSorry = QString::fromLatin1(QuizScore::kSorry.data(), QuizScore::kSorry.size());

} // namespace

class TestQuizScore : public QObject {
    Q_OBJECT
private slots:
    void resultTextsAreTheProgramsOwn()
    {
        QCOMPARE(kCorrect, QString("correct"));
        QCOMPARE(kSorry, QString("Sorry, try again "));
    }

    void oneChange_data()
    {
        QTest::addColumn<QString>("scoreBefore");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("scoreAfter");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<bool>("awardDue");

        QTest::newRow("first right answer on an empty score") << "" << kCorrect << "1" << true << false;
        QTest::newRow("right answer") << "3" << kCorrect << "4" << true << false;
        QTest::newRow("letter case does not matter") << "3" << "CORRECT" << "4" << true << false;
        QTest::newRow("capital first letter") << "3" << "Correct" << "4" << true << false;
        QTest::newRow("wrong answer") << "3" << kSorry << "3" << false << false;
        QTest::newRow("result emptied by a new question") << "3" << "" << "3" << false << false;
        QTest::newRow("trailing blank is another text") << "3" << "correct " << "3" << false << false;
        QTest::newRow("longer word is another text") << "3" << "correctly" << "3" << false << false;
        QTest::newRow("wrong on an empty score stays empty") << "" << kSorry << "" << false << false;

        QTest::newRow("nine to ten opens the award") << "9" << kCorrect << "10" << true << true;
        QTest::newRow("wrong answer at ten opens it again") << "10" << kSorry << "10" << false << true;
        QTest::newRow("new question at ten opens it again") << "10" << "" << "10" << false << true;
        QTest::newRow("ten to eleven does not") << "10" << kCorrect << "11" << true << false;
        QTest::newRow("wrong answer at eleven does not") << "11" << kSorry << "11" << false << false;
        QTest::newRow("twenty does not") << "19" << kCorrect << "20" << true << false;
        QTest::newRow("ten only as the exact text") << "010" << "" << "010" << false << false;

        QTest::newRow("carries into a new digit") << "99" << kCorrect << "100" << true << false;
        QTest::newRow("no upper bound past 64 bits")
            << "18446744073709551615" << kCorrect << "18446744073709551616" << true << false;
        QTest::newRow("no upper bound, all nines")
            << QString(30, '9') << kCorrect << "1" + QString(30, '0') << true << false;

        // The value is the number at the start of the box's text; the box never
        // holds anything else, but the rule must not stumble if it did.
        QTest::newRow("leading zero is read as a number") << "09" << kCorrect << "10" << true << true;
        QTest::newRow("text after the number is ignored") << "7 apples" << kCorrect << "8" << true << false;
        QTest::newRow("blank before the number is skipped") << " 4" << kCorrect << "5" << true << false;
        QTest::newRow("no number counts as 0") << "abc" << kCorrect << "1" << true << false;
    }

    void oneChange()
    {
        QFETCH(QString, scoreBefore);
        QFETCH(QString, result);
        QFETCH(QString, scoreAfter);
        QFETCH(bool, moved);
        QFETCH(bool, awardDue);

        QuizScore score(scoreBefore.toStdString());
        QCOMPARE(score.resultChanged(result.toStdString()), moved);
        QCOMPARE(QString::fromStdString(score.text()), scoreAfter);
        QCOMPARE(score.awardDue(), awardDue);
    }

    // A child who answers right after every wrong try: the award is due in the
    // change that reaches ten and in every change until the eleventh, never after.
    void awardIsDueExactlyWhileTheScoreIsTen()
    {
        QuizScore score;
        QStringList dueAt;
        for (int question = 1; question <= 40; ++question) {
            for (const QString& result : {kSorry, kCorrect, QString()}) {
                score.resultChanged(result.toStdString());
                if (score.awardDue())
                    dueAt << QString("%1:%2").arg(QString::fromStdString(score.text()), result);
            }
        }
        QCOMPARE(QString::fromStdString(score.text()), QString("40"));
        QCOMPARE(dueAt, QStringList({"10:" + kCorrect, "10:", "10:" + kSorry}));
    }
};

QTEST_GUILESS_MAIN(TestQuizScore)
#include "tst_quizscore.moc"
