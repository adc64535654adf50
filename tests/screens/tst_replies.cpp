// What the screens say in reply, heard through a recording speaker: the greeting,
// the board text, each verdict, question, award and game result, and each letter
// typed; one phrase for one action, and nothing from a hidden screen or when muted.
#include "tictactoescreen.h"
#include "quiztesting.h"
#include "screenwords.h"
#include "speaker.h"


Q_DECLARE_METATYPE(sprout::ScreenId)

using namespace sprout;
using namespace sprout::testing;

namespace {

struct RecordingSpeaker : Speaker {
    QStringList said;
    QList<words::Voice> voices;
    void say(const words::Phrase& phrase) override
    {
        said << QString::fromUtf8(phrase.text.data(), static_cast<qsizetype>(phrase.text.size()));
        voices << phrase.voice;
    }
    void stop() override {}
};

const QString kGreeting = "Hello there, my name is Mr. Pim. I am the teacher of this classroom, I am "
                          "here to help you learn all sorts of fun things from letters to numbers. "
                          "To start, click on a lesson on the board!";
const QString kBoardText = "Here on the board you can click on an activity you want to do. There are "
                           "lessons on learning letters, numbers, colors, shapes, and some neat games "
                           "to help you practice!";
const QString kCongratulations = "Congratulations, you are doing a great job. For doing such a great "
                                 "job, you can print out an award for your work.";
const QString kCorrectSaid = "Correct!";
const QString kSorrySaid = "Sorry, try again.";
// Stands for the question of the picture on show, worked out from the quiz's table.
const QString kQuestion = "?";

// The question a child must hear for the picture on the board: the colour and
// shape quizzes ask what it is, the sums say themselves, Spell the word says the word.
QString questionOnShow(Screen& screen)
{
    const QuizTable& quiz = *quizOf(screen.id());
    const int shown = shownQuestion(screen, quiz);
    if (shown < 0)
        return "no question on show";
    switch (screen.id()) {
    case ScreenId::GuessColor: return "What color is this?";
    case ScreenId::Guessshape: return "What shape is this?";
    case ScreenId::Spellword: return quiz.answers[shown];
    default: break;
    }
    const auto question = words::questionFor(screenName(screen.id()), quiz.files[shown].toStdString());
    return question ? QString::fromUtf8(question->text.data(), question->text.size()) : "none";
}

QStringList lettersOf(const QString& typed)
{
    QStringList letters;
    for (QChar c : typed)
        letters << QString(c.toUpper());
    return letters;
}

} // namespace

class TestReplies : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingSpeaker> m_speaker = std::make_shared<RecordingSpeaker>();

    // What was said since the last call, once the action is over and the
    // program waits again.
    QStringList heard()
    {
        QCoreApplication::processEvents();
        return std::exchange(m_speaker->said, {});
    }
    static QStringList expanded(QStringList expected, Screen& screen)
    {
        for (QString& phrase : expected)
            if (phrase == kQuestion)
                phrase = questionOnShow(screen);
        return expected;
    }

private slots:
    void initTestCase()
    {
        Speech::setSpeaker(m_speaker);
        TicTacToeScreen::replacePause([](int) {});
    }
    void cleanupTestCase() { TicTacToeScreen::replacePause({}); }
    void init()
    {
        heard();
        m_speaker->voices.clear();
    }

    void comingIntoView_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("again");
        using S = ScreenId;
        const QStringList none, question{kQuestion}, award{kCongratulations};
        const struct { S id; QStringList first, again; } rows[] = {
            {S::SproutMain, {kGreeting}, none}, // Mr. Pim greets once
            {S::frmColors, none, none},  {S::frmShapes, none, none}, {S::frmLetters, none, none},
            {S::FrmNumbers, none, none}, {S::measure, none, none},   {S::Games, none, none},
            {S::Form1, none, none},
            {S::GuessColor, question, question}, {S::Guessshape, question, question},
            {S::MathTest, question, question},   {S::Spellword, question, question},
            {S::awardcolor, award, award}, {S::awardshape, award, award},
            {S::awardword, award, award},  {S::awardmath, award, award},
        };
        for (const auto& row : rows)
            QTest::newRow(screenName(row.id)) << row.id << row.first << row.again;
    }
    void comingIntoView()
    {
        QFETCH(ScreenId, id);
        QFETCH(QStringList, first);
        QFETCH(QStringList, again);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.load(id));
        QCOMPARE(heard(), QStringList()); // loaded, not yet on show
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        QCOMPARE(heard(), expanded(first, screen));
        registry.hide(id);
        QVERIFY(registry.show(id));
        QCOMPARE(heard(), expanded(again, screen));
    }

    void mrPimSpeaksInHisOwnVoiceOnEachPress()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::SproutMain));
        Screen& screen = registry.reference(ScreenId::SproutMain);
        QCOMPARE(heard(), QStringList{kGreeting});
        for (int press = 0; press < 2; ++press) {
            click(screen, "Command1");
            QCOMPARE(heard(), QStringList{kBoardText});
        }
        QCOMPARE(m_speaker->voices, QList<words::Voice>(3, words::Voice::Teacher));
    }

    // Moves: W a wrong answer, R a right one, P a new question; each heard alone.
    void quizReplies_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("moves");
        QTest::newRow("GuessColor") << ScreenId::GuessColor << "WWRRPWP";
        QTest::newRow("Guessshape") << ScreenId::Guessshape << "WRPP";
        QTest::newRow("MathTest") << ScreenId::MathTest << "RWWPR";
        // A right spelling brings the next word at once: "correct" is what is heard,
        // and a second one in a row is heard again though the label does not change.
        QTest::newRow("Spellword") << ScreenId::Spellword << "WWRRWR";
        // The tenth right answer brings the award, which is all that is heard.
        QTest::newRow("GuessColor award") << ScreenId::GuessColor << "RPRPRPRPRPRPRPRPRPR";
        QTest::newRow("Spellword award") << ScreenId::Spellword << "RRRRRRRRRR";
    }
    void quizReplies()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, moves);
        const QuizTable& quiz = *quizOf(id);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        auto awardShown = [&] { return registry.find(quiz.award) && registry.find(quiz.award)->isVisible(); };
        heard();
        for (QChar move : moves) {
            const QString word = quiz.answers.value(shownQuestion(screen, quiz));
            const bool awardBefore = awardShown();
            play(screen, quiz, QString(move));
            QStringList expected;
            if (!quiz.newQuestion) // every letter typed is said
                expected = lettersOf(move == 'W' ? "xyz" : word);
            expected << (move == 'P'                     ? questionOnShow(screen)
                         : awardShown() && !awardBefore ? kCongratulations
                         : move == 'R'                   ? kCorrectSaid
                                                         : kSorrySaid);
            QCOMPARE(heard(), expected);
        }
        QCOMPARE(awardShown(), moves.count('R') == 10);
    }

    void ticTacToeSaysItsResult_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("result");
        QTest::newRow("child wins") << QList<int>{2, 4, 1, 7} << 0.95 << "You win!";
        QTest::newRow("computer wins") << QList<int>{1, 2, 9} << 0.0 << "The computer wins!";
        QTest::newRow("tie") << QList<int>{1, 9, 6, 7, 2} << 0.0 << "You tied!";
    }
    void ticTacToeSaysItsResult()
    {
        QFETCH(QList<int>, moves);
        QFETCH(double, draw);
        QFETCH(QString, result);
        TicTacToeScreen::replaceRandom([draw] { return draw; });
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::Form1));
        Screen& screen = registry.reference(ScreenId::Form1);
        click(screen, "Cmdgamestart"); // the button's new caption is no reply
        QCOMPARE(heard(), QStringList());
        for (int i = 0; i < moves.size(); ++i) {
            click(screen, QStringLiteral("Picture1(%1)").arg(moves[i]));
            QCOMPARE(heard(), i + 1 < moves.size() ? QStringList() : QStringList{result});
        }
        TicTacToeScreen::replaceRandom({});
    }

    void hiddenScreensSayNothing()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.load(ScreenId::SproutMain));
        QVERIFY(registry.show(ScreenId::GuessColor));
        registry.hide(ScreenId::GuessColor);
        heard();
        Screen& main = registry.reference(ScreenId::SproutMain);
        Screen& quiz = registry.reference(ScreenId::GuessColor);
        QTest::mouseClick(main.control("Command1"), Qt::LeftButton);
        QTest::mouseClick(quiz.control("Label3"), Qt::LeftButton); // an answer
        QVERIFY(main.control("Image2")->isHidden() && !result(quiz).isEmpty()); // both landed
        QTest::mouseClick(quiz.control("Command2"), Qt::LeftButton); // a new question
        QCOMPARE(heard(), QStringList());
    }

    void mutedSaysNothing()
    {
        Speech::setMuted(true);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::SproutMain));
        click(registry.reference(ScreenId::SproutMain), "Command1");
        QVERIFY(registry.show(ScreenId::Spellword));
        play(registry.reference(ScreenId::Spellword), kSpellWord, "WR");
        const QStringList said = heard();
        Speech::setMuted(false);
        QCOMPARE(said, QStringList());
    }

    // The player comes only after the first frame: the greeting waits for it.
    void theGreetingWaitsForTheSpeaker()
    {
        Speech::setSpeaker(nullptr);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::SproutMain));
        QCoreApplication::processEvents();
        Speech::setSpeaker(m_speaker);
        QCOMPARE(heard(), QStringList{kGreeting});
    }
};

QTEST_MAIN(TestReplies)
#include "tst_replies.moc"
