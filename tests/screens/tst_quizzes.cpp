// The four quizzes played as a child plays them: every question judged by its
// table, right answers counted, the award at ten, and what leaving keeps.
#include "quiztesting.h"
#include "randomsource.h"

using namespace sprout;
using namespace sprout::testing;

Q_DECLARE_METATYPE(const sprout::testing::QuizTable*)

namespace {

void addQuizRows()
{
    QTest::addColumn<const QuizTable*>("quiz");
    for (const QuizTable* quiz : {&kGuessColor, &kGuessShape, &kMathTest, &kSpellWord})
        QTest::newRow(screenName(quiz->id)) << quiz;
}

bool awardVisible(ScreenRegistry& registry, const QuizTable& quiz)
{
    return registry.find(quiz.award) && registry.find(quiz.award)->isVisible();
}

// The question a fresh draw of the program's source gives, drawn again where a
// number has none, as the quiz does.
int predictedQuestion(RandomSource& source, const QuizTable& quiz)
{
    for (;;)
        if (const int number = source.draw(quiz.files.size()); !quiz.files[number].isEmpty())
            return number;
}

} // namespace

class TestQuizzes : public QObject {
    Q_OBJECT
private slots:
    // Plays until every question has been on the board, which never stays empty
    // (so each question's picture is its own), and tries every answer on each: only its own is "correct", and no answer
    // changes the question. Spelling is compared exactly.
    void everyQuestionAcceptsOnlyItsAnswer_data() { addQuizRows(); }
    void everyQuestionAcceptsOnlyItsAnswer()
    {
        QFETCH(const QuizTable*, quiz);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(quiz->id));
        Screen& screen = registry.reference(quiz->id);
        const qsizetype questions = quiz->files.size() - quiz->files.count(QString());
        QSet<int> judged;
        for (int turn = 0; turn < 3000 && judged.size() < questions; ++turn) {
            const int number = shownQuestion(screen, *quiz);
            QVERIFY2(number >= 0, "the board shows no question");
            if (!judged.contains(number)) {
                judged.insert(number);
                const QString right = quiz->answers[number];
                QStringList wrong;
                for (const QString& other : quiz->answers)
                    if (!other.isEmpty() && other != right)
                        wrong << other;
                if (!quiz->newQuestion)
                    wrong = QStringList{right.toLower(), right.toUpper(), " " + right, right + " ",
                                        right + right, right.chopped(1), ""};
                for (const QString& typed : wrong) {
                    choose(screen, *quiz, typed);
                    QVERIFY2(result(screen) == kSorry, qPrintable(typed + " for " + right));
                    QCOMPARE(shownQuestion(screen, *quiz), number);
                }
                choose(screen, *quiz, right);
                QVERIFY2(result(screen) == kCorrect, qPrintable(right));
            }
            nextQuestion(screen, *quiz);
        }
        QCOMPARE(judged.size(), questions);
    }

    // The tenth counted answer opens the award on top of the quiz; while the score
    // stays ten every change of the result brings it back, and never past ten.
    void awardAtTen_data() { addQuizRows(); }
    void awardAtTen()
    {
        QFETCH(const QuizTable*, quiz);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(quiz->id));
        Screen& screen = registry.reference(quiz->id);
        for (int answer = 1; answer <= 9; ++answer)
            play(screen, *quiz, quiz->newQuestion ? "WRP" : "WR");
        QCOMPARE(score(screen, *quiz), QString("9"));
        QVERIFY(!awardVisible(registry, *quiz));

        play(screen, *quiz, "R");
        QCOMPARE(score(screen, *quiz), QString("10"));
        QVERIFY(awardVisible(registry, *quiz));
        QVERIFY(screen.isVisible());

        click(registry.reference(quiz->award), "Command2"); // Continue
        QVERIFY(!awardVisible(registry, *quiz));
        QVERIFY(screen.isVisible());
        play(screen, *quiz, "W");
        QVERIFY(awardVisible(registry, *quiz));
        click(registry.reference(quiz->award), "Command2");
        play(screen, *quiz, "W"); // no change of the result
        QVERIFY(!awardVisible(registry, *quiz));

        play(screen, *quiz, "RWR");
        QCOMPARE(score(screen, *quiz), QString("12"));
        QVERIFY(!awardVisible(registry, *quiz));
    }

    // Back to the games menu and in again keeps everything; "Exit Program" and in
    // again starts afresh.
    void leavingKeepsTheQuizAndClosingForgetsIt_data() { addQuizRows(); }
    void leavingKeepsTheQuizAndClosingForgetsIt()
    {
        QFETCH(const QuizTable*, quiz);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Games));
        Screen& games = registry.reference(ScreenId::Games);
        click(games, quiz->gamesLink);
        Screen& screen = registry.reference(quiz->id);
        play(screen, *quiz, "RW");
        const int question = shownQuestion(screen, *quiz);

        click(screen, quiz->backLink);
        QVERIFY(games.isVisible() && !screen.isVisible());
        click(games, quiz->gamesLink);
        QVERIFY(screen.isVisible() && !games.isVisible());
        QCOMPARE(shownQuestion(screen, *quiz), question);
        QCOMPARE(result(screen), kSorry);
        QCOMPARE(score(screen, *quiz), QString("1"));

        chooseMenu(screen, "mnuExit");
        settle();
        QVERIFY(!screen.isLoaded());
        RandomSource ahead = RandomSource::program();
        click(games, quiz->gamesLink);
        QVERIFY(screen.isVisible());
        QCOMPARE(shownQuestion(screen, *quiz), predictedQuestion(ahead, *quiz));
        QCOMPARE(result(screen), QString());
        QCOMPARE(score(screen, *quiz), QString());
    }

    // The quizzes draw from one source, in the order the child's clicks run them.
    void drawsFollowOneSequenceAcrossQuizzes()
    {
        ScreenRegistry registry(createScreen);
        RandomSource ahead = RandomSource::program();
        for (const QuizTable* quiz : {&kGuessColor, &kSpellWord, &kMathTest}) {
            QVERIFY(registry.show(quiz->id));
            QCOMPARE(shownQuestion(registry.reference(quiz->id), *quiz), predictedQuestion(ahead, *quiz));
        }
        Screen& colours = registry.reference(ScreenId::GuessColor);
        click(colours, "Command2");
        QCOMPARE(shownQuestion(colours, kGuessColor), predictedQuestion(ahead, kGuessColor));
        Screen& spelling = registry.reference(ScreenId::Spellword);
        play(spelling, kSpellWord, "WR");
        QCOMPARE(shownQuestion(spelling, kSpellWord), predictedQuestion(ahead, kSpellWord));
    }
};

QTEST_MAIN(TestQuizzes)
#include "tst_quizzes.moc"
