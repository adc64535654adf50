// The four quizzes played as a child plays them: every question judged by its
// table, the award at ten, and what leaving keeps; and each kind of fault planted
// in a copy of a real quiz's design reported, not left to show as a blank picture
// or a dead click.
#include "choicequiz.h"
#include "quiztesting.h"
#include "randomsource.h"

#include <vector>

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

// The question a fresh draw of the program's source gives, drawn again where a
// number has none, as the quiz does.
int predictedQuestion(RandomSource& source, const QuizTable& quiz)
{
    for (;;)
        if (const int number = source.draw(quiz.files.size()); !quiz.files[number].isEmpty())
            return number;
}

// A copy of Guess the Color's description whose tables a fault can be planted in.
struct PlantedQuiz {
    std::vector<Control> controls{kGuessColorQuiz.controls.begin(), kGuessColorQuiz.controls.end()};
    std::vector<ChoiceQuizDescription::Choice> choices{kGuessColorQuiz.choices.begin(), kGuessColorQuiz.choices.end()};
    std::vector<const char*> files{kGuessColorQuiz.questionFiles.begin(), kGuessColorQuiz.questionFiles.end()};
    ChoiceQuizDescription description = kGuessColorQuiz;

    Control& row(const char* name)
    {
        return *std::find_if(controls.begin(), controls.end(),
                             [name](const Control& control) { return QLatin1String(control.name) == name; });
    }
    // Games with this quiz as its Guess the Color.
    ScreenRegistry registry()
    {
        description.controls = controls;
        description.choices = choices;
        description.questionFiles = files;
        return ScreenRegistry([this](ScreenId id, ScreenRegistry& registry) -> std::unique_ptr<Screen> {
            if (id == ScreenId::GuessColor)
                return std::make_unique<ChoiceQuiz>(registry, description);
            return createScreen(id, registry);
        });
    }
};

} // namespace

class TestQuizzes : public QObject {
    Q_OBJECT
private slots:
    // Plays until every question has been on the board, which never stays empty
    // (so each question's picture is its own), and tries every answer on each:
    // only its own is "correct", and no answer
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
    // The screen still comes up, as well as it can, after saying what is wrong.
    void plantedFaultIsReported()
    {
        const struct { void (*plant)(PlantedQuiz&); const char* reported; } faults[] = {
            {[](PlantedQuiz& quiz) { quiz.row("Image1").text = "bord"; }, "Image1: no built-in picture \"bord\""},
            {[](PlantedQuiz& quiz) { quiz.row("Text2").parent = "Frame9"; }, "Text2: no frame \"Frame9\" to lie in"},
            {[](PlantedQuiz& quiz) { quiz.row("Command2").parent = "Label1"; }, "Command2: no frame \"Label1\" to lie in"},
            {[](PlantedQuiz& quiz) { quiz.choices[3].control = "Label55"; }, "Label55: a handler for a control the table lacks"},
            {[](PlantedQuiz& quiz) { quiz.description.newQuestionButton = "Command3"; },
             "Command3: a handler for a control the table lacks"},
            {[](PlantedQuiz& quiz) { quiz.description.award = ScreenId::Games; }, "award: Games is no award screen"},
            {[](PlantedQuiz& quiz) { quiz.description.scoreBox = "Text7"; }, "Text7: no such score box"},
        };
        for (const auto& fault : faults) {
            PlantedQuiz quiz;
            fault.plant(quiz);
            ScreenRegistry registry = quiz.registry();
            ReportRecorder reports;
            QVERIFY2(registry.show(ScreenId::GuessColor), fault.reported);
            QCOMPARE(reports.messages, QStringList("A screen is built wrongly: GuessColor: " + QString(fault.reported)));
        }
    }

    // A quiz that cannot read a question picture does not open: the child stays on
    // the games menu, told which file.
    void missingPictureKeepsTheGamesMenuOnShow()
    {
        PlantedQuiz quiz;
        quiz.files[9] = "\\Orangey.bmp";
        ScreenRegistry registry = quiz.registry();
        ReportRecorder reports;
        QVERIFY(registry.show(ScreenId::Games));
        click(registry.reference(ScreenId::Games), "Label3");
        QVERIFY(registry.reference(ScreenId::Games).isVisible());
        QVERIFY(!registry.reference(ScreenId::GuessColor).isLoaded());
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY2(reports.messages[0].contains("Orangey.bmp"), qPrintable(reports.messages[0]));
    }
};

QTEST_MAIN(TestQuizzes)
#include "tst_quizzes.moc"
