// What the screens say in reply, heard through a recording speaker: the greeting,
// the board text, each verdict, question, award and game result, and each letter
// typed; one phrase for one action, and nothing from a hidden screen or when muted.
#include "tictactoescreen.h"
#include "quiztesting.h"
#include "recordingspeaker.h"
#include "screenwords.h"

#include <optional>

Q_DECLARE_METATYPE(sprout::ScreenId)

using namespace sprout;
using namespace sprout::testing;

namespace {

const QString kCongratulations = "Congratulations, you are doing a great job. For doing such a great "
                                 "job, you can print out an award for your work.";

// The question a child must hear for the picture on the board: the colour and
// shape quizzes ask what it is, the sums say themselves, Spell the word says the word.
QString questionOnShow(Screen& screen)
{
    const QuizTable& quiz = *quizOf(screen.id());
    const int shown = shownQuestion(screen, quiz);
    if (shown < 0)
        return "no question on show";
    if (screen.id() == ScreenId::GuessColor || screen.id() == ScreenId::Guessshape)
        return screen.id() == ScreenId::GuessColor ? "What color is this?" : "What shape is this?";
    if (screen.id() == ScreenId::Spellword)
        return quiz.answers[shown];
    const auto question = words::questionFor(screenName(screen.id()), quiz.files[shown].toStdString());
    return question ? textOf(*question) : "none";
}

} // namespace

class TestReplies : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingSpeaker> m_speaker = std::make_shared<RecordingSpeaker>();
    std::optional<ScreenRegistry> m_registry;

    Screen& shown(ScreenId id)
    {
        m_registry.emplace(createScreen);
        [&] { QVERIFY(m_registry->show(id)); }();
        return m_registry->reference(id);
    }
    // What was said since the last call, once the action is over.
    QStringList heard()
    {
        QCoreApplication::processEvents();
        return std::exchange(m_speaker->said, {});
    }

private slots:
    void initTestCase()
    {
        Speech::setSpeaker(m_speaker);
        TicTacToeScreen::replacePause([](int) {});
    }
    void init() { m_speaker->forget(); }
    void cleanup() { m_registry.reset(); }

    // Mr. Pim greets once, a quiz asks its question and an award congratulates each
    // time they come into view; the other screens say nothing.
    void comingIntoView_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (int i = 0; i < kScreenCount; ++i)
            QTest::newRow(screenName(ScreenId(i))) << ScreenId(i);
    }
    void comingIntoView()
    {
        QFETCH(ScreenId, id);
        const bool award = QByteArray(screenName(id)).startsWith("award");
        auto expected = [&](bool again) {
            if (quizOf(id))
                return QStringList{questionOnShow(m_registry->reference(id))};
            return award ? QStringList{kCongratulations}
                         : id == ScreenId::SproutMain && !again ? QStringList{kGreeting} : QStringList();
        };
        m_registry.emplace(createScreen);
        QVERIFY(m_registry->load(id));
        QCOMPARE(heard(), QStringList()); // loaded, not yet on show: a hidden screen is silent
        QVERIFY(m_registry->show(id));
        QCOMPARE(heard(), expected(false));
        m_registry->hide(id);
        QVERIFY(m_registry->show(id));
        QCOMPARE(heard(), expected(true));
    }

    // Moves: W a wrong answer, R a right one, P a new question; each heard alone,
    // every letter typed said first. A right spelling brings the next word at once,
    // so "correct" is heard again though the label does not change; the tenth right
    // answer brings the award, which is all that is heard.
    void quizReplies_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("moves");
        QTest::newRow("GuessColor") << ScreenId::GuessColor << "WWRRPWP";
        QTest::newRow("MathTest") << ScreenId::MathTest << "RWWPR";
        QTest::newRow("Spellword") << ScreenId::Spellword << "WWRRWR";
        QTest::newRow("GuessColor award") << ScreenId::GuessColor << "RPRPRPRPRPRPRPRPRPR";
        QTest::newRow("Spellword award") << ScreenId::Spellword << "RRRRRRRRRR";
    }
    void quizReplies()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, moves);
        const QuizTable& quiz = *quizOf(id);
        Screen& screen = shown(id);
        auto awardShown = [&] { return m_registry->find(quiz.award) && m_registry->find(quiz.award)->isVisible(); };
        heard();
        for (QChar move : moves) {
            const QString word = quiz.answers.value(shownQuestion(screen, quiz));
            const bool awardBefore = awardShown();
            play(screen, quiz, QString(move));
            QStringList expected;
            for (QChar letter : quiz.newQuestion ? QString() : move == 'W' ? QString("xyz") : word)
                expected << QString(letter.toUpper());
            expected << (move == 'P'                     ? questionOnShow(screen)
                         : awardShown() && !awardBefore ? kCongratulations
                         : move == 'R'                   ? "Correct!"
                                                         : "Sorry, try again.");
            QCOMPARE(heard(), expected);
        }
        QCOMPARE(awardShown(), moves.count('R') == 10);
    }

    // Only the last move is answered; the start button's new caption is no reply.
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
        Screen& screen = shown(ScreenId::Form1);
        click(screen, "Cmdgamestart");
        for (int square : moves)
            click(screen, QStringLiteral("Picture1(%1)").arg(square));
        TicTacToeScreen::replaceRandom({});
        QCOMPARE(heard(), QStringList{result});
    }

    // Nothing is said when muted.
    void mutedSaysNothing()
    {
        Speech::setMuted(true);
        click(shown(ScreenId::SproutMain), "Command1");
        QVERIFY(m_registry->show(ScreenId::Spellword));
        play(m_registry->reference(ScreenId::Spellword), kSpellWord, "WR");
        const QStringList said = heard();
        Speech::setMuted(false);
        QCOMPARE(said, QStringList());
    }

    // The player comes only after the first frame: the greeting waits for it.
    void theGreetingWaitsForTheSpeaker()
    {
        Speech::setSpeaker(nullptr);
        shown(ScreenId::SproutMain);
        QCoreApplication::processEvents();
        Speech::setSpeaker(m_speaker);
        QCOMPARE(heard(), QStringList{kGreeting});
    }
};

QTEST_MAIN(TestReplies)
#include "tst_replies.moc"
