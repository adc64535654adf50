// The four quizzes played as a child plays them, and one that cannot read a picture.
#include "choicequizscreen.h"
#include "quiztesting.h"
#include "sums.h"

#include <QBitmap>
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

// The pixels of a quiz picture that are not of its card's colour.
QRegion drawnOn(const QImage& picture)
{
    const QRgb card = picture.pixel(picture.width() / 2, 4); // inside the card's edge, above what it shows
    return QRegion(QBitmap::fromImage(picture.createMaskFromColor(card, Qt::MaskInColor)));
}

} // namespace

class TestQuizzes : public QObject {
    Q_OBJECT
private slots:
    // Every question comes up, and only its own answer (spelt exactly) is "correct".
    void everyQuestionAcceptsOnlyItsAnswer_data() { addQuizRows(); }
    void everyQuestionAcceptsOnlyItsAnswer()
    {
        QFETCH(const QuizTable*, quiz);
        ScreenRegistry registry(createScreen);
        Screen& screen = shown(registry, quiz->id);
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

    // At a ten every change of the result brings the award back, however it was put away.
    // Back to the games menu and in again keeps everything; "Exit Program" starts afresh.
    void awardsAndLeaving_data() { addQuizRows(); }
    void awardsAndLeaving()
    {
        QFETCH(const QuizTable*, quiz);
        ScreenRegistry registry(createScreen);
        Screen& games = shown(registry, ScreenId::Games);
        click(games, quiz->gamesLink);
        Screen& screen = registry.reference(quiz->id);
        for (const QString putAway : {"Continue", "close box", "Exit Program"}) {
            for (int answer = 1; answer <= 9; ++answer) {
                play(screen, *quiz, quiz->newQuestion ? "WRP" : "WR");
                QVERIFY2(!awardVisible(registry, *quiz), qPrintable(score(screen, *quiz)));
            }
            play(screen, *quiz, "R");
            QVERIFY2(awardVisible(registry, *quiz), qPrintable(score(screen, *quiz)));
            for (bool comesBack : {true, false}) { // a change of the result, then none
                Screen& award = registry.reference(quiz->award);
                if (putAway == "Continue")
                    click(award, "Command2");
                else if (putAway == "close box")
                    award.window()->close();
                else
                    chooseMenu(award, "mnuExit");
                settle();
                QVERIFY(!awardVisible(registry, *quiz));
                QVERIFY(screen.isVisible());
                play(screen, *quiz, "W");
                QCOMPARE(awardVisible(registry, *quiz), comesBack);
            }
        }

        const int question = shownQuestion(screen, *quiz);
        click(screen, quiz->backLink);
        click(games, quiz->gamesLink);
        QCOMPARE(shownQuestion(screen, *quiz), question);
        QCOMPARE(result(screen), kSorry);
        QCOMPARE(score(screen, *quiz), QString("30"));
        chooseMenu(screen, "mnuExit");
        settle();
        click(games, quiz->gamesLink);
        QVERIFY(screen.isVisible());
        QVERIFY(shownQuestion(screen, *quiz) >= 0);
        QCOMPARE(result(screen), QString());
        QCOMPARE(score(screen, *quiz), QString());
    }

    // The keys go into the answer box on arrival and after every check, even one by
    // the mouse; Enter checks, and what was typed wrong can be mended.
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
        // A screen reader says the word on the picture, also once the next word has come.
        const QString word = kSpellWord.answers[shownQuestion(screen, kSpellWord)];
        QCOMPARE(readerOf(screen.control("Image2"))->text(QAccessible::Name), "The word to spell, " + word);
        QTest::keyClicks(screen.window()->focusWidget(), word);
        click(screen, "Command1");
        keys(kSpellWord.answers[shownQuestion(screen, kSpellWord)], Qt::Key_Return);
        QCOMPARE(score(screen, kSpellWord), QString("3"));
        QCOMPARE(screen.control<QLineEdit>("Text1")->text(), QString());
    }

    // A parent's question pictures: one that cannot be read is named and the quiz does
    // not open; one of another size is shown whole, at its own size.
    void parentsQuestionPictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("from"); // the first question given that file
        QTest::addColumn<QSize>("size"); // as shown; none where the quiz stays shut
        QTest::newRow("the last unreadable") << "\\Orangey.bmp" << 9 << QSize();
        QTest::newRow("all of another size") << "\\72.bmp" << 0 << QSize(193, 89);
    }
    void parentsQuestionPictures()
    {
        QFETCH(QString, file);
        QFETCH(int, from);
        QFETCH(QSize, size);
        const QByteArray name = file.toLatin1();
        std::vector<Question> questions(kGuessColorQuiz.design.questions.begin(), kGuessColorQuiz.design.questions.end());
        for (auto question = questions.begin() + from; question != questions.end(); ++question)
            question->file = name.constData();
        ScreenDesign design = kGuessColorQuiz.design;
        design.questions = questions;
        const ChoiceQuizDescription& quiz = kGuessColorQuiz;
        ChoiceQuizDescription planted{quiz.id, design, quiz.choices, quiz.newQuestionButton, quiz.backLink, quiz.scoreBox, quiz.award};
        ScreenRegistry registry([&planted](ScreenId id, ScreenRegistry& registry) -> std::unique_ptr<Screen> {
            if (id == ScreenId::GuessColor)
                return std::make_unique<ChoiceQuizScreen>(registry, planted);
            return createScreen(id, registry);
        });
        ReportRecorder reports;
        click(shown(registry, ScreenId::Games), "Label3");
        Screen& screen = registry.reference(ScreenId::GuessColor);
        QCOMPARE(screen.isVisible(), size.isValid());
        QCOMPARE(registry.reference(ScreenId::Games).isVisible(), !size.isValid());
        QCOMPARE(reports.messages.size(), size.isValid() ? 0 : 1);
        if (size.isValid())
            QCOMPARE(screen.control("Image2")->size(), size);
        else
            QVERIFY2(reports.messages[0].contains("Orangey.bmp"), qPrintable(reports.messages[0]));
    }

    // The lesson's swatches and the quiz's pictures are painted in the colour they are named.
    void coloursShowTheColourTheyAreNamed()
    {
        ScreenRegistry registry(createScreen);
        int swatches = 0;
        for (QLabel* label : shown(registry, ScreenId::frmColors).client()->findChildren<QLabel*>()) {
            if (!label->autoFillBackground())
                continue;
            ++swatches;
            const QString name = label->accessibleName();
            QCOMPARE(label->palette().color(QPalette::Window), namedColour(name));
            QCOMPARE(label->accessibleDescription().toLower(), QString("a%1 %2 swatch").arg(name == "Orange" ? "n" : "", name.toLower()));
        }
        QCOMPARE(swatches, 10);
        for (int question = 0; question < kGuessColor.files.size(); ++question) {
            const QImage picture(programFilePath(qEnvironmentVariable("SPROUT_BIN_DIR"), kGuessColor.files[question]));
            const QRgb named = namedColour(kGuessColor.answers[question]).rgb();
            int painted = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    painted += (picture.pixel(x, y) & 0xffffff) == (named & 0xffffff);
            QVERIFY2(painted > picture.width() * picture.height() / 10,
                     qPrintable(kGuessColor.files[question] + " is hardly " + kGuessColor.answers[question]));
        }
    }

    // Circle and oval, square and rectangle differ in how wide they are and how much of that they fill.
    void shapesHaveTheProportionsTheyAreNamed()
    {
        const std::map<QString, std::pair<double, bool>> shapes{ // width by height, round
            {"Circle", {1, true}}, {"Oval", {2, true}}, {"Square", {1, false}}, {"Rectangle", {2, false}}};
        for (const auto& [name, shape] : shapes) {
            const QImage picture = questionPictures(kGuessShape).value(kGuessShape.answers.indexOf(name));
            const QRegion drawn = drawnOn(picture) & picture.rect().adjusted(6, 6, -6, -6); // within the card's edge
            const QRect bounds = drawn.boundingRect();
            qint64 filled = 0;
            for (const QRect& part : drawn)
                filled += part.width() * part.height();
            const double share = double(filled) / (bounds.width() * bounds.height());
            const QString found = QString("%1 is %2 x %3, filling %4 of that").arg(name).arg(bounds.width()).arg(bounds.height()).arg(share);
            QVERIFY2(qAbs(double(bounds.width()) / bounds.height() - shape.first) < 0.15, qPrintable(found));
            QVERIFY2(shape.second ? share > 0.7 && share < 0.85 : share > 0.95, qPrintable(found));
        }
    }

    // Each sum's words, the choice accepting it and its picture agree: the picture's two
    // numbers are written alike exactly when they are equal.
    void everySumIsAskedAnsweredAndShownAlike()
    {
        const QStringList numbers =
            QString("zero one two three four five six seven eight nine ten eleven twelve").split(' ');
        const std::span<const designs::Sum> sums = designs::sums();
        QCOMPARE(sums.size(), designs::mathQuiz.questions.size());
        for (int question = 0; question < kMathTest.files.size(); ++question) {
            if (kMathTest.files[question].isEmpty())
                continue;
            const designs::Sum& sum = sums[question];
            const bool plus = sum.operation == '+';
            const QString words = numbers.value(sum.first) + (plus ? " plus " : " minus ") + numbers.value(sum.second);
            QCOMPARE(textOf(sum.asked), "What is " + words + "?");
            QCOMPARE(QString::number(plus ? sum.first + sum.second : sum.first - sum.second), kMathTest.answers[question]);
            const QImage& picture = questionPictures(kMathTest)[question];
            // Each number is centred 50 pixels in from its side, above its dots.
            const QRect first(20, 5, 60, 38), second = first.translated(picture.width() - 100, 0);
            const QRegion drawn = drawnOn(picture);
            const bool alike = (drawn & first).translated(second.left() - first.left(), 0) == (drawn & second);
            QVERIFY2(alike == (sum.first == sum.second),
                     qPrintable(QString("%1 shows %2 and %3 %4").arg(kMathTest.files[question]).arg(sum.first).arg(sum.second).arg(alike ? "alike" : "differently")));
        }
    }
};

QTEST_MAIN(TestQuizzes)
#include "tst_quizzes.moc"
