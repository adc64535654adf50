// The words of the screens, heard through a recording speaker: every caption and
// teaching picture a child can point at has words and an accessible name, every
// phrase has its recording, resting the pointer says the right phrase once, and
// each action's reply (greeting, verdict, question, award, game result, letter
// typed) is heard alone, never from a hidden screen or when muted.
#include "tictactoescreen.h"
#include "quiztesting.h"
#include "recordingspeaker.h"

#include "controls.h"
#include "spokencontrols.h"
#include "wavreader.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <optional>

Q_DECLARE_METATYPE(sprout::ScreenId)

using namespace sprout;
using namespace sprout::testing;

namespace {

constexpr int kRest = 10;

// What a child sees and can point at: captions, pictures other than the backdrop,
// coloured boxes, buttons, headed frames and text boxes.
bool childCanPointAt(QWidget* widget, const QWidget* client)
{
    if (widget->isHidden() || widget->width() < 4 || widget->height() < 4 || qobject_cast<LineControl*>(widget))
        return false;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const bool backdrop = widget->pos() == QPoint(0, 0) && widget->width() * 2 >= client->width()
                              && widget->height() * 2 >= client->height();
        const bool picture = !label->pixmap().isNull() || label->autoFillBackground();
        return !label->text().trimmed().isEmpty() || (picture && !backdrop);
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return !frame->title().isEmpty();
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QPlainTextEdit*>(widget)
           || qobject_cast<QLineEdit*>(widget);
}

// The seconds of sound in a voice file, 0 where it cannot be read.
double wavSeconds(const QString& path)
{
    const WavReading reading = readWavFile(path.toStdString());
    return reading.ok() ? double(reading.sound.samples.size()) / reading.sound.sampleRate : 0;
}

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

class TestSpokenWords : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingSpeaker> m_speaker = std::make_shared<RecordingSpeaker>();
    std::optional<ScreenRegistry> m_registry;

    // The screen on show, the pointer in its corner and nothing said yet. Replies
    // are heard with a rest too long to end, so no words of a control slip in.
    Screen& shown(ScreenId id, int rest = kRest)
    {
        SpokenControls::setRestMilliseconds(rest);
        m_registry.emplace(createScreen);
        [&] { QVERIFY(m_registry->show(id)); }();
        restOn(m_registry->reference(id).client(), QPoint(1, 1));
        m_speaker->forget();
        return m_registry->reference(id);
    }
    Screen& quietlyShown(ScreenId id) { return shown(id, 600000); }
    // What was said since the last call, once the action is over.
    QStringList heard()
    {
        QCoreApplication::processEvents();
        return std::exchange(m_speaker->said, {});
    }
    void restOn(QWidget* widget, QPoint at)
    {
        QTest::mouseMove(widget, at);
        QTest::qWait(kRest * 4);
    }
    void restOn(QWidget* widget) { restOn(widget, widget->rect().center()); }

private slots:
    void initTestCase()
    {
        Speech::setSpeaker(m_speaker);
        TicTacToeScreen::replacePause([](int) {});
    }
    void init() { m_speaker->forget(); }
    void cleanup() { m_registry.reset(); }

    void everyControlAChildCanPointAtHasWords_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (int i = 0; i < kScreenCount; ++i)
            QTest::newRow(screenName(ScreenId(i))) << ScreenId(i);
    }
    void everyControlAChildCanPointAtHasWords()
    {
        QFETCH(ScreenId, id);
        Screen& screen = shown(id);
        QStringList missing, named;
        for (QWidget* widget : screen.client()->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || screen.control(widget->objectName()) != widget)
                continue;
            named << widget->objectName();
            if (childCanPointAt(widget, screen.client())
                && (!words::wordsOfControl(screenName(id), widget->objectName().toStdString())
                    || widget->accessibleName().isEmpty()))
                missing << widget->objectName();
        }
        QVERIFY2(missing.isEmpty(), qPrintable("no words for " + missing.join(", ")));
        // And no words for a control the screen does not have: a misspelt name is mute.
        for (const words::ControlWords& row : words::wordsOfScreen(screenName(id))->controls)
            QVERIFY2(named.contains(QString::fromUtf8(row.control.data(), row.control.size())), row.control.data());
    }

    // A word takes a fifth to half a second; a single letter a few tenths.
    void everyPhraseHasItsRecording()
    {
        const auto phrases = words::allPhrases();
        QVERIFY(phrases.size() > 150);
        for (const words::Phrase& phrase : phrases) {
            const QString file = QString::fromStdString(words::voiceFileName(phrase));
            const double seconds = wavSeconds(qEnvironmentVariable("SPROUT_BIN_DIR") + "/" + file);
            const int wordCount = textOf(phrase).split(' ', Qt::SkipEmptyParts).size();
            QVERIFY2(seconds > 0.15 && seconds > 0.12 * wordCount && seconds < 1.0 + 0.7 * wordCount,
                     qPrintable(QString("%1 s for %2 in %3").arg(seconds).arg(textOf(phrase), file)));
        }
    }

    // Said once while the pointer rests, again after it leaves and comes back; an
    // empty "said" stands for the question of the picture on show.
    void restingThePointerSaysTheWords_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("teacher");
        using S = ScreenId;
        const struct { S id; const char* control; QString said; bool teacher; } rows[] = {
            {S::frmColors, "Label2", "Red", false}, // a swatch says its colour
            {S::frmShapes, "Image3", "Triangle", false},
            {S::frmShapes, "Label5", "A circle is round having no sides, a very common shape you "
                                     "see in fruit, car tires, and plates.", false},
            {S::FrmNumbers, "Image6", "Three apples", false},
            {S::Games, "Label2", "Tic-Tac-Toe", false},
            {S::Form1, "Cmdgamestart", "Click to start game", false},
            {S::Form1, "Picture1(5)", "Middle square", false},
            {S::SproutMain, "Text1", kGreeting, true},
            {S::GuessColor, "Image2", "What color is this?", false},
            {S::MathTest, "Label9", "1", false},
            {S::MathTest, "Image2", "", false},
            {S::Spellword, "Image2", "", false},
            {S::awardmath, "Picture1", "Your award, for doing an excellent job in math.", false},
        };
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QString("%1 %2").arg(screenName(row.id), row.control)))
                << row.id << QString(row.control) << row.said << row.teacher;
    }
    void restingThePointerSaysTheWords()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, control);
        QFETCH(QString, said);
        QFETCH(bool, teacher);
        Screen& screen = shown(id);
        QWidget* widget = screen.control(control);
        if (said.isEmpty()) {
            const auto question = words::questionFor(screenName(id), widget->property("pictureFile").toString().toStdString());
            QVERIFY(question);
            said = textOf(*question);
        }
        restOn(widget);
        restOn(widget, QPoint(2, 2));
        QCOMPARE(m_speaker->said, QStringList{said});
        QCOMPARE(m_speaker->voices.first() == words::Voice::Teacher, teacher);
        restOn(screen.client(), QPoint(1, 1));
        m_speaker->forget();
        restOn(widget);
        QCOMPARE(m_speaker->said, QStringList{said});
    }

    // What is said while the pointer walks along the middle of a strip, left to right.
    void stripsSayTheItemUnderThePointer_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("said");
        QStringList alphabet, centimetres;
        for (char c = 'A'; c <= 'Z'; ++c)
            alphabet << QString(QChar(c));
        for (int cm = 0; cm <= 10; ++cm)
            centimetres << QString::number(cm);
        QTest::newRow("uppercase") << ScreenId::frmLetters << "Label6" << alphabet;
        QTest::newRow("lowercase") << ScreenId::frmLetters << "Label7" << alphabet;
        QTest::newRow("ruler") << ScreenId::measure << "Image1" << centimetres;
    }
    void stripsSayTheItemUnderThePointer()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, control);
        QFETCH(QStringList, said);
        QWidget* strip = shown(id).control(control);
        for (int x = 0; x < strip->width(); x += 4)
            restOn(strip, QPoint(x, strip->height() / 2));
        QCOMPARE(m_speaker->said, said);
    }

    // Mr. Pim answers each press in his own voice; the reply to a click must not be
    // cut by the words of the control clicked.
    void aClickedControlKeepsItsWordsForTheNextVisit()
    {
        QWidget* button = shown(ScreenId::SproutMain).control("Command1");
        QTest::mouseMove(button);
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::qWait(kRest * 4);
        }
        const QString board = "Here on the board you can click on an activity you want to do. There are lessons "
                              "on learning letters, numbers, colors, shapes, and some neat games to help you practice!";
        QCOMPARE(m_speaker->said, QStringList(2, board));
        QCOMPARE(m_speaker->voices, QList<words::Voice>(2, words::Voice::Teacher));
    }

    void aScreenHiddenBeforeTheRestIsOverSaysNothing()
    {
        Screen& screen = shown(ScreenId::frmColors);
        QTest::mouseMove(screen.control("Label1"));
        m_registry->hide(ScreenId::frmColors);
        QTest::qWait(kRest * 3);
        QCOMPARE(m_speaker->said, QStringList());
    }
    // Mr. Pim greets once, a quiz asks its question and an award congratulates each
    // time they come into view; the other screens say nothing.
    void comingIntoView_data() { everyControlAChildCanPointAtHasWords_data(); }
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
        SpokenControls::setRestMilliseconds(600000);
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
    // answer brings the award, which is all that is heard. A right answer repeated
    // while "correct" is on show counts only where it is a new word to spell.
    void quizReplies_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("score");
        QTest::newRow("GuessColor") << ScreenId::GuessColor << "WWRRWRPWP" << "2";
        QTest::newRow("Guessshape wrong only") << ScreenId::Guessshape << "WWPW" << "";
        QTest::newRow("MathTest") << ScreenId::MathTest << "RWWPRR" << "2";
        QTest::newRow("Spellword") << ScreenId::Spellword << "WWRRWR" << "3";
        QTest::newRow("GuessColor award") << ScreenId::GuessColor << "RPRPRPRPRPRPRPRPRPR" << "10";
        QTest::newRow("Spellword award") << ScreenId::Spellword << "RRRRRRRRRR" << "10";
    }
    void quizReplies()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, moves);
        QFETCH(QString, score);
        const QuizTable& quiz = *quizOf(id);
        Screen& screen = quietlyShown(id);
        auto awardShown = [&] { return awardVisible(*m_registry, quiz); };
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
        QCOMPARE(testing::score(screen, quiz), score);
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
        Screen& screen = quietlyShown(ScreenId::Form1);
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
        m_registry.emplace(createScreen);
        click(testing::shown(*m_registry, ScreenId::SproutMain), "Command1");
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
        m_registry.emplace(createScreen);
        QVERIFY(m_registry->show(ScreenId::SproutMain));
        QCoreApplication::processEvents();
        Speech::setSpeaker(m_speaker);
        QCOMPARE(heard(), QStringList{kGreeting});
    }
};

QTEST_MAIN(TestSpokenWords)
#include "tst_spokenwords.moc"
