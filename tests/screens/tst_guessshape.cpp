// Guess the Shape, played through the real registry. The score and award rule
// it shares with the other quizzes is played in full on Guess the Color; here
// the shape table, the screen and its own award.
#include "quiztesting.h"
#include "randomsource.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace sprout;
using namespace sprout::testing;

namespace {

const QuizTable kShapes{
    {"\\triangle.bmp", "\\circle.bmp", "\\oval.bmp", "\\Rectangle.bmp", "\\square.bmp",
     "\\hexigon.bmp", "\\Pentagon.bmp"},
    {"Label3", "Label4", "Label9", "Label7", "Label5", "Label6", "Label8"},
    "Command2",
};

const QString kCorrect = "correct";
const QString kSorry = "Sorry, try again ";

// Opens the quiz as a child does from the games menu: "- Guess the shape.".
Screen& openFromGamesMenu(ScreenRegistry& registry)
{
    registry.show(ScreenId::Games);
    click(registry.reference(ScreenId::Games), "Label4");
    return registry.reference(ScreenId::Guessshape);
}

void answer(Screen& quiz, bool right)
{
    const int shown = shownQuestion(quiz, kShapes);
    QVERIFY(shown >= 0);
    click(quiz, kShapes.choices[right ? shown : (shown + 1) % kShapes.choices.size()]);
}

} // namespace

class TestGuessShape : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const QString& file : kShapes.files)
            QVERIFY2(!filePicture(file).isNull(), qPrintable(file + " is not beside the test"));
    }

    // The first draw of a fresh program, 0.7055475, times seven makes shape 4.
    void freshProgramShowsTheSquareFirst()
    {
        SPROUT_IN_PRIVATE_PROGRAM_FOLDER(kShapes.files);
        ScreenRegistry registry(createScreen);
        Screen& quiz = openFromGamesMenu(registry);
        QVERIFY(quiz.isVisible());
        QCOMPARE(shownPicture(quiz), filePicture("\\square.bmp"));
    }

    void screenAsDesigned()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Guessshape));
        Screen& quiz = registry.reference(ScreenId::Guessshape);

        // One column at Left 5040, 240 twips apart, from the top.
        const QStringList column{"Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"};
        const QStringList names{"Triangle", "Circle", "Square", "Hexagon", "Rectangle", "Pentagon", "Oval"};
        for (int i = 0; i < column.size(); ++i) {
            auto* label = quiz.control<QLabel>(column[i]);
            QCOMPARE(label->text(), names[i]);
            QCOMPARE(label->pos(), QPoint(5040 / 15, (1320 + 240 * i) / 15));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 128));
            QCOMPARE(label->font().family(), QString("Liberation Sans"));
            QCOMPARE(label->font().pixelSize(), 15);
            QVERIFY(label->font().bold());
        }
        QCOMPARE(quiz.control<QLabel>("Label20")->text(), QString("What is this shape?"));
        QCOMPARE(quiz.control<QLabel>("Label2")->text(), QString("Choices:"));
        QCOMPARE(quiz.control<QLabel>("Label11")->text(), QString("Back to Games"));
        QCOMPARE(quiz.control<QLabel>("Label11")->geometry(), QRect(4680 / 15, 3120 / 15, 2175 / 15, 375 / 15));

        auto* resultLabel = quiz.control<QLabel>("Label1");
        QCOMPARE(resultLabel->text(), QString());
        QVERIFY(resultLabel->autoFillBackground());
        QCOMPARE(resultLabel->geometry(), QRect(2760 / 15, 5040 / 15, 2895 / 15, 375 / 15));
        QVERIFY(quiz.control<QLineEdit>("Text1")->isHidden());
        QCOMPARE(score(quiz), QString());

        QCOMPARE(quiz.control<QPlainTextEdit>("Text2")->toPlainText(),
                 QString("All you do is click a answer from the list of choices on the board. If you \n"
                         "think it is a triangle, click triangle. If you want to start over, click the \n"
                         "button that says Play Again.\n"));
        QCOMPARE(quiz.control<QPushButton>("Command2")->text(), QString("Play Again"));
        QCOMPARE(quiz.control<QPushButton>("Command2")->geometry(), QRect(7440 / 15, 240 / 15, 1215 / 15, 975 / 15));

        auto* image = quiz.control<QLabel>("Image2");
        QCOMPARE(image->pos(), QPoint(1560 / 15, 1080 / 15));
        QCOMPARE(image->size(), image->pixmap().size());
        QVERIFY(shownQuestion(quiz, kShapes) >= 0);
    }

    // Labels and frames take no focus, so the instructions have it, then the button.
    void instructionsHaveTheFocus()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Guessshape));
        Screen& quiz = registry.reference(ScreenId::Guessshape);
        QCOMPARE(quiz.window()->focusWidget(), quiz.control("Text2"));
        QTest::keyClick(quiz.control("Text2"), Qt::Key_Tab);
        QCOMPARE(quiz.window()->focusWidget(), quiz.control("Command2"));
    }

    void everyShapeAcceptsOnlyItsName_data()
    {
        QTest::addColumn<int>("number");
        for (int number = 0; number < kShapes.files.size(); ++number)
            QTest::newRow(qPrintable(kShapes.files[number].mid(1))) << number;
    }

    void everyShapeAcceptsOnlyItsName()
    {
        QFETCH(int, number);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Guessshape));
        Screen& quiz = registry.reference(ScreenId::Guessshape);
        QVERIFY(bringUp(quiz, kShapes, number));

        for (const QString& choice : kShapes.choices) {
            click(quiz, choice);
            const QString expected = choice == kShapes.choices[number] ? kCorrect : kSorry;
            QVERIFY2(result(quiz) == expected, qPrintable(choice + " gave " + result(quiz)));
        }
        QCOMPARE(shownQuestion(quiz, kShapes), number);
    }

    void playAgainDrawsSevenFromTheProgramSourceAndEmptiesTheResult()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Guessshape));
        Screen& quiz = registry.reference(ScreenId::Guessshape);
        for (int press = 0; press < 30; ++press) {
            answer(quiz, press % 3 == 0);
            RandomSource next = RandomSource::program();
            const int expected = next.draw(7);
            click(quiz, "Command2");
            QCOMPARE(shownQuestion(quiz, kShapes), expected);
            QCOMPARE(result(quiz), QString());
        }
    }

    void tenCountedAnswersOpenTheShapeAward()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Guessshape));
        Screen& quiz = registry.reference(ScreenId::Guessshape);
        for (int question = 1; question <= 9; ++question) {
            answer(quiz, false);
            answer(quiz, true);
            answer(quiz, true); // the same text again: not counted
            click(quiz, "Command2");
        }
        QCOMPARE(score(quiz), QString("9"));
        QVERIFY(!registry.find(ScreenId::awardshape));

        answer(quiz, true);
        QCOMPARE(score(quiz), QString("10"));
        QVERIFY(registry.reference(ScreenId::awardshape).isVisible());
        QVERIFY(quiz.isVisible());
        QVERIFY(!registry.find(ScreenId::awardcolor));
    }

    void backToGamesAndReturnKeepsEverything()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openFromGamesMenu(registry);
        Screen& games = registry.reference(ScreenId::Games);
        answer(quiz, true);
        answer(quiz, false);
        const QImage picture = shownPicture(quiz);

        click(quiz, "Label11");
        QVERIFY(!quiz.isVisible());
        QVERIFY(games.isVisible());
        click(games, "Label4");
        QVERIFY(quiz.isVisible());
        QCOMPARE(shownPicture(quiz), picture);
        QCOMPARE(result(quiz), kSorry);
        QCOMPARE(score(quiz), QString("1"));
    }

    void exitAndReopenReadsThePicturesAgainAndStartsEmpty()
    {
        SPROUT_IN_PRIVATE_PROGRAM_FOLDER(kShapes.files);
        ScreenRegistry registry(createScreen);
        Screen& quiz = openFromGamesMenu(registry);
        answer(quiz, true);
        QCOMPARE(score(quiz), QString("1"));

        // A picture smaller than the box: Image2 shrinks to it, keeping its corner.
        QImage small(30, 20, QImage::Format_RGB32);
        small.fill(QColor(10, 200, 90));
        QVERIFY(replacePicture("\\Pentagon.bmp", small));
        chooseMenu(quiz, "mnuExit");
        settle();
        registry.show(ScreenId::Games);
        click(registry.reference(ScreenId::Games), "Label4");
        QVERIFY(quiz.isVisible());
        QCOMPARE(result(quiz), QString());
        QCOMPARE(score(quiz), QString());

        QVERIFY(bringUp(quiz, kShapes, 6));
        QCOMPARE(shownPicture(quiz), comparable(small));
        QCOMPARE(quiz.control<QLabel>("Image2")->geometry(), QRect(1560 / 15, 1080 / 15, 30, 20));
        click(quiz, "Label8");
        QCOMPARE(result(quiz), kCorrect);
    }

    void missingPictureKeepsTheGamesMenuOnShow()
    {
        SPROUT_IN_PRIVATE_PROGRAM_FOLDER(kShapes.files);
        QVERIFY(QFile::remove(programFilePath("\\hexigon.bmp")));
        ReportRecorder reports;
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::Games);
        Screen& games = registry.reference(ScreenId::Games);
        click(games, "Label4");

        QVERIFY(games.isVisible());
        QVERIFY(!registry.reference(ScreenId::Guessshape).isLoaded());
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY2(reports.messages[0].contains("hexigon.bmp"), qPrintable(reports.messages[0]));
    }
};

QTEST_MAIN(TestGuessShape)
#include "tst_guessshape.moc"
