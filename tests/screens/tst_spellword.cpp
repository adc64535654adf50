// Spell the word, played through the real registry: every word judged by exact
// comparison, the next word after a right answer, and every right answer counted.
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

const QStringList kWords{
    "Chair", "And",   "House",  "Apple", "What",  "There", "Bucket", "Fork",    "Fun",   "Rabbit", "Sun",
    "Moon",  "Star",  "Plate",  "Mouse", "Hello", "Night", "Book",   "Earth",   "Fly",   "Candy",  "Boat",
    "Banana", "Truck", "School", "Study", "Smart", "Stapler", "Shirt", "Light", "Day",
};

QStringList wordFiles()
{
    QStringList files;
    for (const QString& word : kWords)
        files << "\\" + word + ".bmp";
    return files;
}

const QStringList kFiles = wordFiles();
const QString kCorrect = "correct";
const QString kSorry = "Sorry, try again ";

// The word pictures as read from the program folder, read once for all tests.
const QList<QImage>& wordPictures()
{
    static const QList<QImage> pictures = [] {
        QList<QImage> read;
        for (const QString& file : kFiles)
            read << filePicture(file);
        return read;
    }();
    return pictures;
}

// The number of the word whose picture the board shows, or -1.
int shownNumber(Screen& quiz)
{
    const QImage shown = shownPicture(quiz);
    return shown.isNull() ? -1 : int(wordPictures().indexOf(shown));
}

QLineEdit* answerBox(Screen& quiz)
{
    return quiz.control<QLineEdit>("Text1");
}

QString shownWord(Screen& quiz)
{
    const int number = shownNumber(quiz);
    return number < 0 ? QString() : kWords[number];
}

// Types into the answer box as a child does, replacing what it held, and presses
// "Check Spelling".
void check(Screen& quiz, const QString& typed)
{
    QLineEdit* box = answerBox(quiz);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), typed);
    click(quiz, "Command1");
}

void spellRight(Screen& quiz)
{
    const QString word = shownWord(quiz);
    QVERIFY(!word.isEmpty());
    check(quiz, word);
}

// Spells right until the word of the given number is on show.
bool bringUpWord(Screen& quiz, int number)
{
    for (int answer = 0; answer < 2000; ++answer) {
        if (shownNumber(quiz) == number)
            return true;
        spellRight(quiz);
    }
    return false;
}

bool awardVisible(ScreenRegistry& registry)
{
    Screen* award = registry.find(ScreenId::awardword);
    return award && award->isVisible();
}

Screen& openQuiz(ScreenRegistry& registry)
{
    registry.show(ScreenId::Spellword);
    return registry.reference(ScreenId::Spellword);
}

} // namespace

class TestSpellword : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const QString& file : kFiles)
            QVERIFY2(!filePicture(file).isNull(), qPrintable(file + " is not beside the test"));
        // Each word is told by its picture alone.
        for (int number = 0; number < kWords.size(); ++number)
            QCOMPARE(wordPictures().indexOf(wordPictures()[number]), number);
    }

    void screenAsDesigned()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        QVERIFY(quiz.isVisible());

        auto* result = quiz.control<QLabel>("Label1");
        QCOMPARE(result->text(), QString());
        QVERIFY(result->autoFillBackground());
        QCOMPARE(result->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(result->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(result->font().family(), QString("Cabin"));
        QCOMPARE(result->geometry(), QRect(2160 / 15, 3120 / 15, 2895 / 15, 375 / 15));

        auto* button = quiz.control<QPushButton>("Command1");
        QCOMPARE(button->text(), QString("Check Spelling"));
        QCOMPARE(button->geometry(), QRect(5160 / 15, 3120 / 15, 1695 / 15, 375 / 15));
        QVERIFY(!button->isDefault() && !button->autoDefault());
        // The result bar stands left of the button on the same line, under the box.
        QCOMPARE(result->geometry().right() + 1, button->geometry().left() - 7);
        QVERIFY(answerBox(quiz)->geometry().bottom() < result->geometry().top());

        auto* box = answerBox(quiz);
        QCOMPARE(box->text(), QString());
        QCOMPARE(box->maxLength(), 32767); // no limit of our own
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 255));
        QCOMPARE(box->font().family(), QString("Liberation Sans"));
        QCOMPARE(box->font().pixelSize(), 15);
        QVERIFY(box->font().bold());

        auto* backLink = quiz.control<QLabel>("Label13");
        QCOMPARE(backLink->text(), QString("Back to Games"));
        QCOMPARE(backLink->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QVERIFY(!backLink->autoFillBackground());
        QCOMPARE(backLink->geometry(), QRect(3120 / 15, 5040 / 15, 2775 / 15, 375 / 15));
        QCOMPARE(quiz.control<QLabel>("Label20")->text(), QString("Spell the word!"));

        // Counting happens in Text3; the visible Text1 is the answer box.
        QVERIFY(quiz.control<QLineEdit>("Text3")->isHidden());
        QVERIFY(!box->isHidden());

        QCOMPARE(quiz.control<QGroupBox>("Frame3")->title(), QString("How to play"));
        QCOMPARE(quiz.control<QGroupBox>("Frame4")->title(), QString("Frame2"));
        auto* instructions = quiz.control<QPlainTextEdit>("Text2");
        QVERIFY(instructions->isReadOnly());
        QCOMPARE(instructions->toPlainText(),
                 QString("In this game you can practice your spelling. You can do that by using your "
                         "keyboard to spell the words  on the board and press the  Check Spelling "
                         "button to see if you got it right.\n"));

        auto* image = quiz.control<QLabel>("Image2");
        QCOMPARE(image->pos(), QPoint(2760 / 15, 1200 / 15));
        QCOMPARE(image->size(), image->pixmap().size());
        QVERIFY(shownNumber(quiz) >= 0);
    }

    // Text2 has the focus at first, one Tab reaches the answer box; Enter in the
    // box does not check the spelling.
    void focusAndTabOrder()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        QWidget* instructions = quiz.control("Text2");
        QCOMPARE(quiz.window()->focusWidget(), instructions);
        QTest::keyClick(instructions, Qt::Key_Tab);
        QCOMPARE(quiz.window()->focusWidget(), quiz.control("Text1"));
        QTest::keyClick(quiz.control("Text1"), Qt::Key_Tab);
        QCOMPARE(quiz.window()->focusWidget(), quiz.control("Command1"));

        const QString word = shownWord(quiz);
        QLineEdit* box = answerBox(quiz);
        box->setFocus();
        QTest::keyClicks(box, word);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(result(quiz), QString());
        QCOMPARE(box->text(), word);
        QCOMPARE(shownWord(quiz), word);
    }

    void everyWordAcceptsOnlyItself_data()
    {
        QTest::addColumn<int>("number");
        for (int number = 0; number < kWords.size(); ++number)
            QTest::newRow(qPrintable(kWords[number])) << number;
    }

    void everyWordAcceptsOnlyItself()
    {
        QFETCH(int, number);
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        QVERIFY(bringUpWord(quiz, number));

        for (const QString& typed : kWords) {
            if (typed == kWords[number])
                continue;
            check(quiz, typed);
            QVERIFY2(result(quiz) == kSorry, qPrintable(typed + " gave " + result(quiz)));
            QCOMPARE(shownNumber(quiz), number);
            QCOMPARE(answerBox(quiz)->text(), typed);
        }
        check(quiz, kWords[number]);
        QCOMPARE(result(quiz), kCorrect);
        QCOMPARE(answerBox(quiz)->text(), QString());
    }

    // Letter case counts and nothing is trimmed.
    void exactComparison_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::newRow("lower case") << "lower";
        QTest::newRow("upper case") << "upper";
        QTest::newRow("first letter small") << "first small";
        QTest::newRow("blank before") << "blank before";
        QTest::newRow("blank after") << "blank after";
        QTest::newRow("blanks both sides") << "blanks around";
        QTest::newRow("empty") << "empty";
        QTest::newRow("doubled") << "doubled";
        QTest::newRow("one letter short") << "short";
    }

    void exactComparison()
    {
        QFETCH(QString, variant);
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        const QString word = shownWord(quiz);
        QVERIFY(word.size() >= 3);

        QString typed;
        if (variant == "lower")
            typed = word.toLower();
        else if (variant == "upper")
            typed = word.toUpper();
        else if (variant == "first small")
            typed = word.left(1).toLower() + word.mid(1);
        else if (variant == "blank before")
            typed = " " + word;
        else if (variant == "blank after")
            typed = word + " ";
        else if (variant == "blanks around")
            typed = " " + word + " ";
        else if (variant == "doubled")
            typed = word + word;
        else if (variant == "short")
            typed = word.chopped(1);
        QVERIFY(variant == "empty" || !typed.isEmpty());

        check(quiz, typed);
        QCOMPARE(result(quiz), kSorry);
        QCOMPARE(shownWord(quiz), word);
        QCOMPARE(answerBox(quiz)->text(), typed);
        QCOMPARE(score(quiz, "Text3"), QString());

        // Mending the text gives "correct", the next word and an empty box.
        RandomSource next = RandomSource::program();
        const int expected = next.draw(31);
        check(quiz, word);
        QCOMPARE(result(quiz), kCorrect);
        QCOMPARE(shownNumber(quiz), expected);
        QCOMPARE(answerBox(quiz)->text(), QString());
        QCOMPARE(score(quiz, "Text3"), QString("1"));
    }

    // Every right answer counts, also one that follows a right answer while
    // "correct" is still on show.
    void everyRightAnswerCountsOnce_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("expectedScore");
        QTest::newRow("right twice in a row") << "RR" << "2";
        QTest::newRow("right three times") << "RRR" << "3";
        QTest::newRow("wrong then right") << "WR" << "1";
        QTest::newRow("right, wrong, right") << "RWR" << "2";
        QTest::newRow("wrong twice") << "WW" << "";
        QTest::newRow("right, wrong twice, right twice") << "RWWRR" << "3";
    }

    void everyRightAnswerCountsOnce()
    {
        QFETCH(QString, moves);
        QFETCH(QString, expectedScore);
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        for (QChar move : moves) {
            if (move == 'R') {
                spellRight(quiz);
                QCOMPARE(result(quiz), kCorrect);
            } else {
                check(quiz, "xyz");
                QCOMPARE(result(quiz), kSorry);
            }
        }
        QCOMPARE(score(quiz, "Text3"), expectedScore);
    }

    void tenRightInARowOpenTheAward()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        for (int answer = 1; answer <= 9; ++answer) {
            spellRight(quiz);
            QCOMPARE(score(quiz, "Text3"), QString::number(answer));
            QCOMPARE(result(quiz), kCorrect);
            QCOMPARE(answerBox(quiz)->text(), QString());
        }
        QVERIFY(!awardVisible(registry));

        // The tenth opens the award on top; the next word is already behind it.
        RandomSource next = RandomSource::program();
        const int expected = next.draw(31);
        spellRight(quiz);
        QCOMPARE(score(quiz, "Text3"), QString("10"));
        QVERIFY(awardVisible(registry));
        QVERIFY(quiz.isVisible());
        QCOMPARE(shownNumber(quiz), expected);

        // While the score stands at ten, a wrong answer that changes the result
        // brings the award back; another wrong answer is no change.
        registry.hide(ScreenId::awardword);
        check(quiz, "xyz");
        QVERIFY(awardVisible(registry));
        registry.hide(ScreenId::awardword);
        check(quiz, "xyz");
        QVERIFY(!awardVisible(registry));

        // Eleven and beyond never open it again, right after right included.
        spellRight(quiz);
        spellRight(quiz);
        check(quiz, "");
        spellRight(quiz);
        QCOMPARE(score(quiz, "Text3"), QString("13"));
        QVERIFY(!awardVisible(registry));
        QCOMPARE(answerBox(quiz)->text(), QString());
    }

    // The right answer at nine goes to ten even when "correct" was on show.
    void awardAfterAWrongAnswerAtNine()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        for (int answer = 1; answer <= 8; ++answer)
            spellRight(quiz);
        check(quiz, "nope");
        spellRight(quiz);
        QCOMPARE(score(quiz, "Text3"), QString("9"));
        QVERIFY(!awardVisible(registry));
        spellRight(quiz);
        QCOMPARE(score(quiz, "Text3"), QString("10"));
        QVERIFY(awardVisible(registry));
    }

    void backToGamesShowsThenHidesAndReturnKeepsEverything()
    {
        ScreenRegistry registry(createScreen);
        registry.show(ScreenId::Games);
        Screen& games = registry.reference(ScreenId::Games);
        click(games, "Label5");
        Screen& quiz = registry.reference(ScreenId::Spellword);
        QVERIFY(quiz.isVisible());
        QVERIFY(!games.isVisible());

        spellRight(quiz);
        check(quiz, "Wrong");
        const QImage picture = shownPicture(quiz);

        // Show first, then hide: at the moment the games menu appears the quiz is
        // still on show.
        bool quizVisibleAtShow = false;
        struct Watcher : QObject {
            Screen* quiz;
            bool* seen;
            bool eventFilter(QObject* object, QEvent* event) override
            {
                if (event->type() == QEvent::Show && object->objectName() == "Games"
                    && static_cast<QWidget*>(object)->isWindow())
                    *seen = quiz->isVisible();
                return false;
            }
        } watcher;
        watcher.quiz = &quiz;
        watcher.seen = &quizVisibleAtShow;
        qApp->installEventFilter(&watcher);
        click(quiz, "Label13");
        qApp->removeEventFilter(&watcher);
        QVERIFY(quizVisibleAtShow);
        QVERIFY(!quiz.isVisible());
        QVERIFY(quiz.isLoaded());
        QVERIFY(games.isVisible());

        click(games, "Label5");
        QVERIFY(quiz.isVisible());
        QCOMPARE(shownPicture(quiz), picture);
        QCOMPARE(answerBox(quiz)->text(), QString("Wrong"));
        QCOMPARE(result(quiz), kSorry);
        QCOMPARE(score(quiz, "Text3"), QString("1"));
    }

    void exitAndReopenStartsEmptyWithTheNextDraw()
    {
        ScreenRegistry registry(createScreen);
        Screen& quiz = openQuiz(registry);
        spellRight(quiz);
        check(quiz, "typed");
        chooseMenu(quiz, "mnuExit");
        settle();
        QVERIFY(!quiz.isLoaded());

        RandomSource next = RandomSource::program();
        const int expected = next.draw(31);
        QVERIFY(registry.show(ScreenId::Spellword));
        QCOMPARE(shownNumber(quiz), expected);
        QCOMPARE(result(quiz), QString());
        QCOMPARE(answerBox(quiz)->text(), QString());
        QCOMPARE(score(quiz, "Text3"), QString());
    }

    // One source of chance for the whole program: the quizzes draw from it in the
    // order their handlers run.
    void drawsFollowTheProgramSequenceAcrossScreens()
    {
        ScreenRegistry registry(createScreen);
        RandomSource next = RandomSource::program();

        registry.show(ScreenId::GuessColor);
        Screen& colours = registry.reference(ScreenId::GuessColor);
        const int firstColour = next.draw(10);
        QCOMPARE(shownPicture(colours), filePicture(QStringList{"\\Pink.bmp", "\\Grey.bmp", "\\Black.bmp",
            "\\Green.bmp", "\\Red.bmp", "\\Yellow.bmp", "\\White.bmp", "\\Purple.bmp", "\\Blue.bmp",
            "\\Orange.bmp"}[firstColour]));

        Screen& quiz = openQuiz(registry);
        QCOMPARE(shownNumber(quiz), next.draw(31));
        spellRight(quiz);
        QCOMPARE(shownNumber(quiz), next.draw(31));

        click(colours, "Command2"); // Play Again on the colour quiz
        next.draw(10);
        check(quiz, "wrong"); // draws nothing
        spellRight(quiz);
        QCOMPARE(shownNumber(quiz), next.draw(31));
    }
};

QTEST_MAIN(TestSpellword)
#include "tst_spellword.moc"
