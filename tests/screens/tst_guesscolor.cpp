// Guess the Color, played through the real registry: every colour judged by its
// table, the score and award rule that all quizzes share, and the picture files.
#include "quiztesting.h"
#include "randomsource.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace sprout;
using namespace sprout::testing;

namespace {

const QuizTable kColours{
    {"\\Pink.bmp", "\\Grey.bmp", "\\Black.bmp", "\\Green.bmp", "\\Red.bmp", "\\Yellow.bmp",
     "\\White.bmp", "\\Purple.bmp", "\\Blue.bmp", "\\Orange.bmp"},
    {"Label4", "Label10", "Label8", "Label5", "Label3", "Label9", "Label12", "Label7", "Label6",
     "Label11"},
    "Command2",
};

const QString kCorrect = "correct";
const QString kSorry = "Sorry, try again ";

// Opens the quiz as a child does: main menu, games menu, "- Guess the color.".
Screen& openFromGamesMenu(ScreenRegistry& registry)
{
    registry.show(ScreenId::Games);
    Screen& games = registry.reference(ScreenId::Games);
    click(games, "Label3");
    return registry.reference(ScreenId::GuessColor);
}

QString rightChoice(Screen& quiz)
{
    const int shown = shownQuestion(quiz, kColours);
    return shown < 0 ? QString() : kColours.choices[shown];
}

QString wrongChoice(Screen& quiz)
{
    const int shown = shownQuestion(quiz, kColours);
    return kColours.choices[(shown + 1) % kColours.choices.size()];
}

// Plays a string of moves: R a right answer, W a wrong one, P "Play Again".
void play(Screen& quiz, const QString& moves)
{
    for (QChar move : moves) {
        if (move == 'R')
            click(quiz, rightChoice(quiz));
        else if (move == 'W')
            click(quiz, wrongChoice(quiz));
        else if (move == 'P')
            click(quiz, "Command2");
    }
}

bool pressPlayAgainUntilShown(Screen& quiz, const QImage& picture)
{
    for (int press = 0; press < 1000; ++press) {
        if (shownPicture(quiz) == picture)
            return true;
        click(quiz, "Command2");
    }
    return false;
}

bool awardVisible(ScreenRegistry& registry)
{
    Screen* award = registry.find(ScreenId::awardcolor);
    return award && award->isVisible();
}

void continueFromAward(ScreenRegistry& registry)
{
    Screen& award = registry.reference(ScreenId::awardcolor);
    click(award, "Command2");
    QVERIFY(!award.isVisible());
}

} // namespace

class TestGuessColor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const QString& file : kColours.files)
            QVERIFY2(!filePicture(file).isNull(), qPrintable(file + " is not beside the test"));
    }

    // The random source is never seeded: the first draw of a fresh program is
    // 0.7055475, which makes colour 7.
    void freshProgramShowsPurpleFirst()
    {
        SPROUT_IN_PRIVATE_PROGRAM_FOLDER(kColours.files);
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::SproutMain);
        Screen& quiz = openFromGamesMenu(registry);
        QVERIFY(quiz.isVisible());
        QCOMPARE(shownPicture(quiz), filePicture("\\Purple.bmp"));
    }

    void screenAsDesigned()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::GuessColor));
        Screen& quiz = registry.reference(ScreenId::GuessColor);

        const QStringList choices{"Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
                                  "Label9", "Label10", "Label11", "Label12"};
        const QStringList names{"Red", "Pink", "Green", "Blue", "Purple", "Black", "Yellow",
                                "Grey", "Orange", "White"};
        for (int i = 0; i < choices.size(); ++i) {
            auto* label = quiz.control<QLabel>(choices[i]);
            QCOMPARE(label->text(), names[i]);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 128));
            QCOMPARE(label->font().family(), QString("Liberation Sans"));
            QCOMPARE(label->font().pixelSize(), 15);
            QVERIFY(label->font().bold());
            QVERIFY(!label->autoFillBackground());
        }
        QCOMPARE(quiz.control<QLabel>("Label7")->geometry(), QRect(4920 / 15, 2640 / 15, 735 / 15, 255 / 15));
        QCOMPARE(quiz.control<QLabel>("Label11")->geometry(), QRect(6120 / 15, 1680 / 15, 855 / 15, 375 / 15));
        QCOMPARE(quiz.control<QLabel>("Label20")->text(), QString("What is this color?"));
        QCOMPARE(quiz.control<QLabel>("Label2")->text(), QString("Choices:"));
        QCOMPARE(quiz.control<QLabel>("Label13")->text(), QString("Back to Games"));
        QCOMPARE(quiz.control<QLabel>("Label13")->palette().color(QPalette::WindowText), QColor(0, 255, 0));

        auto* resultLabel = quiz.control<QLabel>("Label1");
        QCOMPARE(resultLabel->text(), QString());
        QVERIFY(resultLabel->autoFillBackground());
        QCOMPARE(resultLabel->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(resultLabel->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(resultLabel->geometry(), QRect(2880 / 15, 5040 / 15, 2895 / 15, 375 / 15));

        auto* scoreBox = quiz.control<QLineEdit>("Text1");
        QVERIFY(scoreBox->isHidden());
        QCOMPARE(scoreBox->text(), QString());

        QCOMPARE(quiz.control<QGroupBox>("Frame3")->title(), QString("How to play"));
        QCOMPARE(quiz.control<QGroupBox>("Frame4")->title(), QString("Frame2"));
        auto* instructions = quiz.control<QPlainTextEdit>("Text2");
        QVERIFY(instructions->isReadOnly());
        QCOMPARE(instructions->toPlainText(),
                 QString("All you do is click a answer from the list of choices on the board. If you \n"
                         "think the color is the color pink, click pink from the choices. If you want \n"
                         "to start over, click the button that says Play Again.\n"));
        auto* playAgain = quiz.control<QPushButton>("Command2");
        QCOMPARE(playAgain->text(), QString("Play Again"));
        QCOMPARE(playAgain->parentWidget(), quiz.control("Frame3"));
        QCOMPARE(playAgain->geometry(), QRect(7440 / 15, 240 / 15, 1215 / 15, 855 / 15));

        // The picture is shown at its own size from Image2's top-left corner.
        auto* image = quiz.control<QLabel>("Image2");
        QCOMPARE(image->pos(), QPoint(1320 / 15, 1680 / 15));
        QCOMPARE(image->size(), image->pixmap().size());
        QVERIFY(shownQuestion(quiz, kColours) >= 0);
    }

    void playAgainHasTheFocusAndTabGoesToTheInstructions()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::GuessColor));
        Screen& quiz = registry.reference(ScreenId::GuessColor);
        QWidget* playAgain = quiz.control("Command2");
        QCOMPARE(quiz.window()->focusWidget(), playAgain);
        QTest::keyClick(playAgain, Qt::Key_Tab);
        QCOMPARE(quiz.window()->focusWidget(), quiz.control("Text2"));
    }

    void everyColourAcceptsOnlyItsName_data()
    {
        QTest::addColumn<int>("number");
        for (int number = 0; number < kColours.files.size(); ++number)
            QTest::newRow(qPrintable(kColours.files[number].mid(1))) << number;
    }

    void everyColourAcceptsOnlyItsName()
    {
        QFETCH(int, number);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::GuessColor));
        Screen& quiz = registry.reference(ScreenId::GuessColor);
        QVERIFY(bringUp(quiz, kColours, number));

        for (const QString& choice : kColours.choices) {
            click(quiz, choice);
            const QString expected = choice == kColours.choices[number] ? kCorrect : kSorry;
            QVERIFY2(result(quiz) == expected, qPrintable(choice + " gave " + result(quiz)));
        }
        // A choice never changes the picture; only "Play Again" does.
        QCOMPARE(shownQuestion(quiz, kColours), number);
    }

    void playAgainDrawsFromTheProgramSourceAndEmptiesTheResult()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::GuessColor));
        Screen& quiz = registry.reference(ScreenId::GuessColor);
        for (int press = 0; press < 30; ++press) {
            play(quiz, press % 2 ? "W" : "R");
            RandomSource next = RandomSource::program();
            const int expected = next.draw(10);
            click(quiz, "Command2");
            QCOMPARE(shownQuestion(quiz, kColours), expected);
            QCOMPARE(result(quiz), QString());
        }
    }

    void scoreFollowsTheChangeRule_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("expectedScore");
        QTest::newRow("right twice counts one") << "RR" << "1";
        QTest::newRow("wrong then right counts one") << "WR" << "1";
        QTest::newRow("right, wrong, right counts two") << "RWR" << "2";
        QTest::newRow("wrong only counts nothing") << "WWW" << "";
        QTest::newRow("a new question counts nothing") << "RP" << "1";
        QTest::newRow("right on each of three questions") << "RPRPR" << "3";
        QTest::newRow("right twice on each of two questions") << "RRPRR" << "2";
    }

    void scoreFollowsTheChangeRule()
    {
        QFETCH(QString, moves);
        QFETCH(QString, expectedScore);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::GuessColor));
        Screen& quiz = registry.reference(ScreenId::GuessColor);
        play(quiz, moves);
        QCOMPARE(score(quiz), expectedScore);
    }

    void awardOpensAtTenAndWhileTheScoreStaysTen()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::GuessColor));
        Screen& quiz = registry.reference(ScreenId::GuessColor);

        for (int answer = 1; answer <= 9; ++answer)
            play(quiz, "RP");
        QCOMPARE(score(quiz), QString("9"));
        QVERIFY(!awardVisible(registry));

        // The tenth counted answer opens the award on top of the quiz, at once.
        play(quiz, "R");
        QCOMPARE(score(quiz), QString("10"));
        QVERIFY(awardVisible(registry));
        QVERIFY(quiz.isVisible());
        QCOMPARE(result(quiz), kCorrect);

        // The quiz behind it keeps taking answers, and every change brings the
        // award back while the score stays at ten, also after "Continue".
        continueFromAward(registry);
        play(quiz, "W");
        QVERIFY(awardVisible(registry));
        continueFromAward(registry);
        play(quiz, "P");
        QVERIFY(awardVisible(registry));
        continueFromAward(registry);
        play(quiz, "P"); // the result was empty already: no change, no award
        QVERIFY(!awardVisible(registry));
        play(quiz, "W");
        QVERIFY(awardVisible(registry));
        continueFromAward(registry);

        // Eleven and beyond never open it again.
        play(quiz, "R");
        QCOMPARE(score(quiz), QString("11"));
        QVERIFY(!awardVisible(registry));
        for (int answer = 12; answer <= 25; ++answer) {
            play(quiz, "WRP");
            QVERIFY(!awardVisible(registry));
        }
        QCOMPARE(score(quiz), QString("25"));
        QVERIFY(quiz.isVisible());
    }

    void backToGamesAndReturnKeepsEverything()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openFromGamesMenu(registry);
        Screen& games = registry.reference(ScreenId::Games);
        QVERIFY(!games.isVisible());
        play(quiz, "RPRW");
        const QImage picture = shownPicture(quiz);

        click(quiz, "Label13");
        QVERIFY(!quiz.isVisible());
        QVERIFY(quiz.isLoaded());
        QVERIFY(games.isVisible());

        click(games, "Label3");
        QVERIFY(quiz.isVisible());
        QVERIFY(!games.isVisible());
        QCOMPARE(shownPicture(quiz), picture);
        QCOMPARE(result(quiz), kSorry);
        QCOMPARE(score(quiz), QString("2"));
    }

    void exitAndReopenStartsEmptyWithTheNextDraw()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::GuessColor));
        Screen& quiz = registry.reference(ScreenId::GuessColor);
        play(quiz, "RPRW");
        QCOMPARE(score(quiz), QString("2"));

        chooseMenu(quiz, "mnuExit");
        settle();
        QVERIFY(!quiz.isLoaded());

        RandomSource next = RandomSource::program();
        const int expected = next.draw(10);
        QVERIFY(registry.show(ScreenId::GuessColor));
        QCOMPARE(result(quiz), QString());
        QCOMPARE(score(quiz), QString());
        QCOMPARE(shownQuestion(quiz, kColours), expected);
    }

    // Leaving for the games menu reads nothing; closing and opening again reads
    // every file afresh, and Image2 takes the size of whatever picture it shows.
    void picturesAreReadOncePerLoading()
    {
        SPROUT_IN_PRIVATE_PROGRAM_FOLDER(kColours.files);
        ScreenRegistry registry(createScreen);
        Screen& quiz = openFromGamesMenu(registry);
        const QImage pink = filePicture("\\Pink.bmp");
        QImage larger(260, 90, QImage::Format_RGB32);
        larger.fill(QColor(250, 20, 200));
        QVERIFY(replacePicture("\\Pink.bmp", larger));

        click(quiz, "Label13");
        click(registry.reference(ScreenId::Games), "Label3");
        QVERIFY(pressPlayAgainUntilShown(quiz, pink));

        chooseMenu(quiz, "mnuExit");
        settle();
        click(registry.reference(ScreenId::Games), "Label3");
        QVERIFY(quiz.isVisible());
        QVERIFY(pressPlayAgainUntilShown(quiz, comparable(larger)));
        auto* image = quiz.control<QLabel>("Image2");
        QCOMPARE(image->geometry(), QRect(1320 / 15, 1680 / 15, 260, 90));
    }

    void missingPictureKeepsTheGamesMenuOnShow()
    {
        SPROUT_IN_PRIVATE_PROGRAM_FOLDER(kColours.files);
        QVERIFY(QFile::remove(programFilePath("\\Orange.bmp")));
        ReportRecorder reports;
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::Games);
        Screen& games = registry.reference(ScreenId::Games);
        click(games, "Label3");

        QVERIFY(games.isVisible());
        QVERIFY(!registry.reference(ScreenId::GuessColor).isLoaded());
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY2(reports.messages[0].contains("Orange.bmp") && reports.messages[0].contains("missing"),
                 qPrintable(reports.messages[0]));

        // Once the file is back, the quiz opens.
        QImage orange(40, 20, QImage::Format_RGB32);
        orange.fill(QColor(255, 140, 0));
        QVERIFY(replacePicture("\\Orange.bmp", orange));
        click(games, "Label3");
        QVERIFY(registry.reference(ScreenId::GuessColor).isVisible());
        QVERIFY(!games.isVisible());
        QCOMPARE(reports.messages.size(), 1);
    }

    void damagedPictureOnReopeningKeepsTheGamesMenuOnShow()
    {
        SPROUT_IN_PRIVATE_PROGRAM_FOLDER(kColours.files);
        ReportRecorder reports;
        ScreenRegistry registry(createScreen);
        Screen& quiz = openFromGamesMenu(registry);
        chooseMenu(quiz, "mnuExit");
        settle();
        registry.show(ScreenId::Games);

        QFile file(programFilePath("\\Blue.bmp"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a picture at all");
        file.close();

        Screen& games = registry.reference(ScreenId::Games);
        click(games, "Label3");
        QVERIFY(games.isVisible());
        QVERIFY(!quiz.isLoaded());
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY2(reports.messages[0].contains("Blue.bmp"), qPrintable(reports.messages[0]));
    }
};

QTEST_MAIN(TestGuessColor)
#include "tst_guesscolor.moc"
