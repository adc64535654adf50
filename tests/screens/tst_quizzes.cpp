// The four quizzes played as a child plays them, and faults planted in a copy of a
// real quiz's design reported, not left to show as a blank picture or a dead click.
#include "choicequizscreen.h"
#include "quiztesting.h"
#include "randomsource.h"

#include <vector>

using namespace sprout;
using namespace sprout::testing;


namespace {

void addQuizRows()
{
    QTest::addColumn<const QuizTable*>("quiz");
    for (const QuizTable* quiz : {&kGuessColor, &kGuessShape, &kMathTest, &kSpellWord})
        QTest::newRow(screenName(quiz->id)) << quiz;
}

// The question a fresh draw of the program's source gives, as the quiz draws it.
int predictedQuestion(RandomSource& source, const QuizTable& quiz)
{
    for (;;)
        if (const int number = source.draw(quiz.files.size()); !quiz.files[number].isEmpty())
            return number;
}

// A copy of Guess the Color's description whose tables a fault can be planted in.
struct PlantedQuiz {
    std::vector<Control> controls{kGuessColorQuiz.design.controls.begin(), kGuessColorQuiz.design.controls.end()};
    std::vector<ChoiceQuizDescription::Choice> choices{kGuessColorQuiz.choices.begin(), kGuessColorQuiz.choices.end()};
    std::vector<Question> questions{kGuessColorQuiz.design.questions.begin(), kGuessColorQuiz.design.questions.end()};
    ScreenDesign design = kGuessColorQuiz.design;
    ChoiceQuizDescription description{kGuessColorQuiz.id, design, {}, "Command2", "Label13", "Text1", kGuessColorQuiz.award};

    Control& row(const char* name)
    {
        return *std::find_if(controls.begin(), controls.end(),
                             [name](const Control& control) { return QLatin1String(control.name) == name; });
    }
    ScreenRegistry registry()
    {
        design.controls = controls;
        design.questions = questions;
        description.choices = choices;
        return ScreenRegistry([this](ScreenId id, ScreenRegistry& registry) -> std::unique_ptr<Screen> {
            if (id == ScreenId::GuessColor)
                return std::make_unique<ChoiceQuizScreen>(registry, description);
            return createScreen(id, registry);
        });
    }
};

} // namespace

class TestQuizzes : public QObject {
    Q_OBJECT
private slots:
    // Every question comes up, each with its own picture, and only its own answer
    // (spelt exactly) is "correct"; no answer changes the question.
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
                QStringList wrong = quiz->answers; // every other choice
                wrong.removeAll(right);
                wrong.removeAll(QString());
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
    // stays ten every change of the result brings it back, and not past ten. Back
    // to the games menu and in again keeps everything; "Exit Program" starts afresh.
    void awardAtTenAndLeaving_data() { addQuizRows(); }
    void awardAtTenAndLeaving()
    {
        QFETCH(const QuizTable*, quiz);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Games));
        Screen& games = registry.reference(ScreenId::Games);
        click(games, quiz->gamesLink);
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
        play(screen, *quiz, "RWRW");
        QCOMPARE(score(screen, *quiz), QString("12"));
        QVERIFY(!awardVisible(registry, *quiz));

        const int question = shownQuestion(screen, *quiz);
        click(screen, quiz->backLink);
        QVERIFY(games.isVisible());
        QVERIFY(!screen.isVisible());
        click(games, quiz->gamesLink);
        QVERIFY(screen.isVisible());
        QVERIFY(!games.isVisible());
        QCOMPARE(shownQuestion(screen, *quiz), question);
        QCOMPARE(result(screen), kSorry);
        QCOMPARE(score(screen, *quiz), QString("12"));

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

    // However the certificate is put away, it comes back while the score stands at
    // ten, and the ten counted answers after that earn the next one.
    void theNextTenEarnTheNextCertificate_data()
    {
        QTest::addColumn<QString>("putAway");
        QTest::newRow("Continue") << "Command2";
        QTest::newRow("Exit Program") << "mnuExit";
        QTest::newRow("close box") << "close box";
    }
    void theNextTenEarnTheNextCertificate()
    {
        QFETCH(QString, putAway);
        const QuizTable& quiz = kGuessColor;
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, quiz.id);
        auto putAwayTheAward = [&] {
            Screen& award = registry.reference(quiz.award);
            if (putAway == "close box")
                award.window()->close();
            else if (putAway == "mnuExit")
                chooseMenu(award, putAway);
            else
                click(award, putAway);
            settle();
            QVERIFY(!awardVisible(registry, quiz));
        };
        for (int certificate = 1; certificate <= 3; ++certificate) {
            for (int answer = 1; answer < 10; ++answer) {
                play(screen, quiz, "RP");
                QVERIFY2(!awardVisible(registry, quiz), qPrintable(score(screen, quiz)));
            }
            play(screen, quiz, "R");
            QCOMPARE(score(screen, quiz), QString::number(certificate * 10));
            QVERIFY(awardVisible(registry, quiz));
            putAwayTheAward();
            play(screen, quiz, "P");
            QVERIFY(awardVisible(registry, quiz));
            putAwayTheAward();
        }
    }

    // A round of spelling with the keyboard alone, the mouse pressing "Check
    // Spelling" once: the keys go into the answer box on arrival and after every
    // check, Enter checks, and what was typed wrong can be mended.
    void spellingWithTheKeyboard()
    {
        ScreenRegistry registry(createScreen);
        click(shown(registry, ScreenId::Games), "Label5");
        Screen& screen = registry.reference(ScreenId::Spellword);
        auto keys = [&](const QString& typed, Qt::Key then) {
            QWidget* focus = screen.window()->focusWidget();
            QVERIFY(focus);
            QTest::keyClicks(focus, typed);
            QTest::keyClick(focus, then);
        };
        keys("xyz", Qt::Key_Return);
        QCOMPARE(result(screen), kSorry);
        for (int letter = 0; letter < 3; ++letter)
            keys("", Qt::Key_Backspace);
        keys(kSpellWord.answers[shownQuestion(screen, kSpellWord)], Qt::Key_Enter);
        QCOMPARE(result(screen), kCorrect);
        QTest::keyClicks(screen.window()->focusWidget(), kSpellWord.answers[shownQuestion(screen, kSpellWord)]);
        click(screen, "Command1");
        keys(kSpellWord.answers[shownQuestion(screen, kSpellWord)], Qt::Key_Return);
        QCOMPARE(score(screen, kSpellWord), QString("3"));
        QCOMPARE(screen.control<QLineEdit>("Text1")->text(), QString());
    }

    // The screen comes up as well as it can after saying what is wrong; one that
    // cannot read a question picture does not open, and says which file.
    void plantedFaultIsReported()
    {
        const struct { void (*plant)(PlantedQuiz&); const char* reported; bool opens = true; } faults[] = {
            {[](PlantedQuiz& quiz) { quiz.row("Image1").text = "bord"; }, "Image1: no built-in picture \"bord\""},
            {[](PlantedQuiz& quiz) { quiz.row("Command2").parent = "Label1"; }, "Command2: no frame \"Label1\" to lie in"},
            {[](PlantedQuiz& quiz) { quiz.choices[3].control = "Label55"; }, "Label55: a handler for a control the table lacks"},
            {[](PlantedQuiz& quiz) { quiz.description.award = ScreenId::Games; }, "award: Games is no award screen"},
            {[](PlantedQuiz& quiz) { quiz.description.scoreBox = "Text7"; }, "Text7: no such score box"},
            {[](PlantedQuiz& quiz) { quiz.questions[9].file = "\\Orangey.bmp"; }, "Orangey.bmp", false},
        };
        for (const auto& fault : faults) {
            PlantedQuiz quiz;
            fault.plant(quiz);
            ScreenRegistry registry = quiz.registry();
            ReportRecorder reports;
            QVERIFY(registry.show(ScreenId::Games));
            click(registry.reference(ScreenId::Games), "Label3");
            QCOMPARE(registry.reference(ScreenId::GuessColor).isVisible(), fault.opens);
            QCOMPARE(registry.reference(ScreenId::Games).isVisible(), !fault.opens);
            QCOMPARE(reports.messages.size(), 1);
            const QString prefix = fault.opens ? "A screen is built wrongly: GuessColor: " : "";
            QVERIFY2(reports.messages[0].startsWith(prefix) && reports.messages[0].contains(fault.reported),
                     qPrintable(reports.messages[0]));
        }
    }
};

QTEST_MAIN(TestQuizzes)
#include "tst_quizzes.moc"
