// Math test, played through the real registry: every question judged by its
// table, questions drawn only where there is one, the score and the award.
#include "picturefile.h"
#include "programfolder.h"
#include "randomsource.h"
#include "quiztesting.h"
#include "screentesting.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace sprout;
using namespace sprout::testing;

namespace {

// Question number -> file; 7 and 19 have none.
const QStringList kFiles{
    "\\11.bmp", "\\22.bmp",  "\\23.bmp",  "\\33.bmp",  "\\34.bmp",  "\\44.bmp",  "\\47.bmp",   "",
    "\\12.bmp", "\\55.bmp",  "\\66.bmp",  "\\67.bmp",  "\\72.bmp",  "\\98.bmp",  "\\99.bmp",   "\\105.bmp",
    "\\113.bmp", "\\118.bmp", "\\124.bmp", "",         "\\1010.bmp", "\\1110.bmp",
};

// The twenty choices: control and the number written on it.
const QList<QPair<QString, QString>> kChoices{
    {"Label9", "1"},   {"Label3", "2"},   {"Label4", "3"},   {"Label5", "4"},   {"Label6", "5"},
    {"Label7", "6"},   {"Label15", "7"},  {"Label16", "8"},  {"Label17", "9"},  {"Label18", "10"},
    {"Label19", "11"}, {"Label8", "12"},  {"Label10", "13"}, {"Label11", "14"}, {"Label12", "15"},
    {"Label14", "16"}, {"Label21", "17"}, {"Label22", "18"}, {"Label23", "19"}, {"Label24", "20"},
};

const QString kCorrect = "correct";
const QString kSorry = "Sorry, try again ";

const QList<QImage>& questionPictures()
{
    static const QList<QImage> pictures = [] {
        QList<QImage> read;
        for (const QString& file : kFiles)
            read << (file.isEmpty() ? QImage() : filePicture(file));
        return read;
    }();
    return pictures;
}

// The question number whose picture the board shows, or -1 for none.
int shownNumber(Screen& quiz)
{
    const QImage shown = shownPicture(quiz);
    return shown.isNull() ? -1 : int(questionPictures().indexOf(shown));
}

bool bringUpQuestion(Screen& quiz, int number)
{
    for (int press = 0; press < 2000; ++press) {
        if (shownNumber(quiz) == number)
            return true;
        click(quiz, "Command1");
    }
    return false;
}

// The one choice whose click gave "correct" on the question on show, found by
// clicking all twenty; empty if none did, "several" if more than one did.
QString acceptedChoice(Screen& quiz)
{
    QString accepted;
    for (const auto& [label, caption] : kChoices) {
        click(quiz, label);
        if (result(quiz) == kCorrect)
            accepted = accepted.isEmpty() ? caption : QString("several");
        else if (result(quiz) != kSorry)
            return "unexpected " + result(quiz);
    }
    return accepted;
}

QString rightChoice(Screen& quiz)
{
    static const QStringList labels{"Label3", "Label5", "Label6", "Label7", "Label15", "Label16",
                                    "Label19", "",      "Label4", "Label18", "Label8", "Label10",
                                    "Label17", "Label21", "Label22", "Label12", "Label11", "Label23",
                                    "Label14", "",      "Label24", "Label9"};
    const int number = shownNumber(quiz);
    return number < 0 ? QString() : labels[number];
}

// Advances the program's random source until its next draw of 22 gives a number
// without a question; returns that number.
int steerToUnaskedNumber()
{
    for (;;) {
        RandomSource peek = RandomSource::program();
        const int number = peek.draw(22);
        if (number == 7 || number == 19)
            return number;
        RandomSource::program().next();
    }
}

// What the draw after the unasked number gives: the next number with a question.
int questionAfterUnasked()
{
    RandomSource peek = RandomSource::program();
    peek.draw(22);
    for (;;) {
        const int number = peek.draw(22);
        if (number != 7 && number != 19)
            return number;
    }
}

bool awardVisible(ScreenRegistry& registry)
{
    Screen* award = registry.find(ScreenId::awardmath);
    return award && award->isVisible();
}

Screen& openQuiz(ScreenRegistry& registry)
{
    registry.show(ScreenId::MathTest);
    return registry.reference(ScreenId::MathTest);
}

} // namespace

class TestMathTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (int number = 0; number < kFiles.size(); ++number) {
            if (kFiles[number].isEmpty())
                continue;
            QVERIFY2(!questionPictures()[number].isNull(), qPrintable(kFiles[number] + " is not beside the test"));
            QCOMPARE(questionPictures().indexOf(questionPictures()[number]), number);
        }
    }

    void screenAsDesigned()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        QVERIFY(quiz.isVisible());

        // Four columns, 240 twips apart, starting at Top 1320.
        const int columns[] = {4920, 5400, 6000, 6480};
        for (int i = 0; i < kChoices.size(); ++i) {
            auto* label = quiz.control<QLabel>(kChoices[i].first);
            QCOMPARE(label->text(), kChoices[i].second);
            QCOMPARE(label->geometry(), QRect(columns[i / 6] / 15, (1320 + 240 * (i % 6)) / 15, 255 / 15, 255 / 15));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 128));
            QCOMPARE(label->font().family(), QString("Liberation Sans"));
            QCOMPARE(label->font().pixelSize(), 15);
            QVERIFY(label->font().bold());
            QVERIFY(!label->autoFillBackground());
        }

        auto* result = quiz.control<QLabel>("Label1");
        QCOMPARE(result->text(), QString());
        QVERIFY(result->autoFillBackground());
        QCOMPARE(result->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(result->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(result->geometry(), QRect(3000 / 15, 3960 / 15, 2895 / 15, 375 / 15));

        auto* backLink = quiz.control<QLabel>("Label13");
        QCOMPARE(backLink->text(), QString("Back to Games"));
        QCOMPARE(backLink->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(backLink->geometry(), QRect(4320 / 15, 3120 / 15, 2775 / 15, 375 / 15));
        QCOMPARE(quiz.control<QLabel>("Label2")->text(), QString("Choices for Answer"));
        QCOMPARE(quiz.control<QLabel>("Label20")->text(), QString("What is the answer?"));

        QVERIFY(quiz.control<QLineEdit>("Text1")->isHidden());
        QCOMPARE(score(quiz, "Text1"), QString());

        QCOMPARE(quiz.control<QGroupBox>("Frame3")->title(), QString("How to play"));
        QCOMPARE(quiz.control<QGroupBox>("Frame4")->title(), QString("Frame2"));
        auto* button = quiz.control<QPushButton>("Command1");
        QCOMPARE(button->text(), QString("Pick new question"));
        QCOMPARE(button->parentWidget(), quiz.control("Frame3"));
        auto* instructions = quiz.control<QPlainTextEdit>("Text2");
        QVERIFY(instructions->isReadOnly());
        QCOMPARE(instructions->toPlainText(),
                 QString("Here you can practice some basic math skills. For each question that \n"
                         "shows up on the \n"
                         "board, pick the answer you think is right from the choices for answers \n"
                         "list.\n"));

        auto* image = quiz.control<QLabel>("Image2");
        QCOMPARE(image->pos(), QPoint(1320 / 15, 1560 / 15));
        QCOMPARE(image->size(), image->pixmap().size());
        QVERIFY(shownNumber(quiz) >= 0);
    }

    // The instructions have the focus at first; Tab leads on to the button.
    void focusAndTabOrder()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        QWidget* instructions = quiz.control("Text2");
        QCOMPARE(quiz.window()->focusWidget(), instructions);
        QTest::keyClick(instructions, Qt::Key_Tab);
        QCOMPARE(quiz.window()->focusWidget(), quiz.control("Command1"));
    }

    void everyQuestionAcceptsOnlyItsAnswer_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("answer");
        const char* answers[] = {"2", "4", "5", "6", "7", "8", "11", nullptr, "3", "10", "12",
                                 "13", "9", "17", "18", "15", "14", "19", "16", nullptr, "20", "1"};
        for (int number = 0; number < kFiles.size(); ++number)
            if (answers[number])
                QTest::newRow(qPrintable(kFiles[number].mid(1))) << number << QString(answers[number]);
    }

    void everyQuestionAcceptsOnlyItsAnswer()
    {
        QFETCH(int, number);
        QFETCH(QString, answer);
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        QVERIFY(bringUpQuestion(quiz, number));
        QCOMPARE(acceptedChoice(quiz), answer);
        // A choice never changes the question; only "Pick new question" does.
        QCOMPARE(shownNumber(quiz), number);
    }

    // Plays until every question has been on the board: each of the twenty
    // choices answers exactly one of them, and no draw leaves the board empty.
    void everyChoiceAnswersExactlyOneQuestion()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        QMap<QString, QList<int>> answeredBy;
        QSet<int> seen;
        for (int press = 0; press < 2000 && seen.size() < 20; ++press) {
            const int number = shownNumber(quiz);
            QVERIFY2(number >= 0, "the board shows no question");
            if (!seen.contains(number)) {
                seen.insert(number);
                answeredBy[acceptedChoice(quiz)] << number;
            }
            click(quiz, "Command1");
        }
        QCOMPARE(seen.size(), 20);
        QCOMPARE(answeredBy.size(), 20);
        for (auto it = answeredBy.cbegin(); it != answeredBy.cend(); ++it)
            QVERIFY2(it.value().size() == 1, qPrintable("choice " + it.key()));
        QCOMPARE(answeredBy.value("3"), QList<int>{8});
    }

    // 7 and 19 have no question: the draw goes on to the next number that has.
    void numbersWithoutAQuestionAreDrawnAgain_data()
    {
        QTest::addColumn<bool>("onLoading");
        QTest::newRow("Pick new question") << false;
        QTest::newRow("opening the screen") << true;
    }

    void numbersWithoutAQuestionAreDrawnAgain()
    {
        QFETCH(bool, onLoading);
        ScreenRegistry registry(createScreen);
        Screen* quiz = nullptr;
        if (!onLoading) {
            quiz = &openQuiz(registry);
            click(*quiz, rightChoice(*quiz));
        }
        // Several times, so that both 7 and 19 come up.
        QSet<int> unasked;
        for (int round = 0; round < 6 || unasked.size() < 2; ++round) {
            QVERIFY(round < 500);
            unasked.insert(steerToUnaskedNumber());
            const int expected = questionAfterUnasked();
            if (onLoading) {
                if (quiz) {
                    chooseMenu(*quiz, "mnuExit");
                    settle();
                }
                quiz = &openQuiz(registry);
            } else {
                click(*quiz, "Command1");
                QCOMPARE(result(*quiz), QString());
            }
            QCOMPARE(shownNumber(*quiz), expected);
            QCOMPARE(quiz->control<QLabel>("Image2")->size(), questionPictures()[expected].size());
        }
    }

    void newQuestionEmptiesTheResultEvenWhenItComesAgain()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        bool sameAgain = false;
        for (int press = 0; press < 400 && !sameAgain; ++press) {
            click(quiz, press % 2 ? "Label9" : rightChoice(quiz));
            QVERIFY(!result(quiz).isEmpty());
            const int before = shownNumber(quiz);
            click(quiz, "Command1");
            QCOMPARE(result(quiz), QString());
            sameAgain = shownNumber(quiz) == before;
        }
        QVERIFY(sameAgain);
    }

    void awardAtTen()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        for (int answer = 1; answer <= 9; ++answer) {
            click(quiz, rightChoice(quiz));
            click(quiz, rightChoice(quiz)); // the same answer again counts nothing
            QCOMPARE(score(quiz, "Text1"), QString::number(answer));
            click(quiz, "Command1");
        }
        QVERIFY(!awardVisible(registry));
        click(quiz, rightChoice(quiz));
        QCOMPARE(score(quiz, "Text1"), QString("10"));
        QVERIFY(awardVisible(registry));
        QVERIFY(quiz.isVisible());

        registry.hide(ScreenId::awardmath);
        click(quiz, "Command1");
        QVERIFY(awardVisible(registry));
        registry.hide(ScreenId::awardmath);
        click(quiz, rightChoice(quiz));
        QCOMPARE(score(quiz, "Text1"), QString("11"));
        QVERIFY(!awardVisible(registry));
    }

    void backToGamesHidesThenShowsAndReturnKeepsEverything()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::Games);
        Screen& games = registry.reference(ScreenId::Games);
        click(games, "Label6");
        Screen& quiz = registry.reference(ScreenId::MathTest);
        QVERIFY(quiz.isVisible());
        QVERIFY(!games.isVisible());
        click(quiz, rightChoice(quiz));
        click(quiz, "Label9");
        if (result(quiz) == kCorrect) // "1" was the answer: make it wrong
            click(quiz, "Label3");
        const int number = shownNumber(quiz);

        struct Watcher : QObject {
            Screen* quiz = nullptr;
            bool quizVisibleAtShow = true;
            bool eventFilter(QObject* object, QEvent* event) override
            {
                if (event->type() == QEvent::Show && object->objectName() == "Games"
                    && static_cast<QWidget*>(object)->isWindow())
                    quizVisibleAtShow = quiz->isVisible();
                return false;
            }
        } watcher;
        watcher.quiz = &quiz;
        qApp->installEventFilter(&watcher);
        click(quiz, "Label13");
        qApp->removeEventFilter(&watcher);
        QVERIFY(!watcher.quizVisibleAtShow);
        QVERIFY(!quiz.isVisible());
        QVERIFY(quiz.isLoaded());
        QVERIFY(games.isVisible());

        click(games, "Label6");
        QVERIFY(quiz.isVisible());
        QCOMPARE(shownNumber(quiz), number);
        QCOMPARE(result(quiz), kSorry);
        QCOMPARE(score(quiz, "Text1"), QString("1"));
    }

    // "Exit Program" closes this screen like every other; the next opening starts
    // afresh.
    void exitProgramClosesTheScreen()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::Games);
        Screen& quiz = openQuiz(registry);
        click(quiz, rightChoice(quiz));
        chooseMenu(quiz, "mnuExit");
        settle();
        QVERIFY(!quiz.isLoaded());
        QVERIFY(registry.reference(ScreenId::Games).isLoaded());

        QVERIFY(registry.show(ScreenId::MathTest));
        QCOMPARE(result(quiz), QString());
        QCOMPARE(score(quiz, "Text1"), QString());
        QVERIFY(shownNumber(quiz) >= 0);
    }

    // The spelling quiz and this one draw from one sequence, in the order the
    // child's clicks run their handlers.
    void drawsFollowTheProgramSequenceAcrossScreens()
    {
        ScreenRegistry registry(createScreen);
        RandomSource next = RandomSource::program();
        auto nextQuestion = [&next] {
            int number;
            do
                number = next.draw(22);
            while (number == 7 || number == 19);
            return number;
        };

        Screen& quiz = openQuiz(registry);
        QCOMPARE(shownNumber(quiz), nextQuestion());
        registry.show(ScreenId::Spellword);
        next.draw(31);
        click(quiz, "Command1");
        QCOMPARE(shownNumber(quiz), nextQuestion());
        registry.show(ScreenId::GuessColor);
        next.draw(10);
        click(quiz, "Command1");
        QCOMPARE(shownNumber(quiz), nextQuestion());
    }
};

QTEST_MAIN(TestMathTest)
#include "tst_mathtest.moc"
