// The words of the screens: what a child points at or does is answered once, and nothing
// from a hidden screen or when muted.
#include "tictactoescreen.h"
#include "quiztesting.h"
#include "randomsource.h"

#include "controls.h"
#include "guidance.h"
#include "phrases.h"
#include "sums.h"
#include "spokencontrols.h"
#include "wavreader.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <optional>

using namespace sprout;
using namespace sprout::testing;

namespace {

constexpr int kRest = 10;

// What a child sees and can point at.
bool childCanPointAt(QWidget* widget)
{
    if (widget->isHidden() || widget->width() < 4 || widget->height() < 4 || qobject_cast<LineControl*>(widget))
        return false;
    if (auto* label = qobject_cast<QLabel*>(widget))
        return !label->text().trimmed().isEmpty() || !label->pixmap().isNull() || label->autoFillBackground();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return !frame->title().isEmpty();
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QPlainTextEdit*>(widget)
           || qobject_cast<QLineEdit*>(widget);
}

const QString kAwardArrival = "Congratulations, you are doing a great job! Press Print Award to print your "
                              "award, or press Continue to go back to your game.";
const QString kPlayAgain = " To play again, press the button that says Click to start a new game.";

// The question heard for the picture on the board.
QString questionOnShow(Screen& screen)
{
    const QuizTable& quiz = *quizOf(screen.id());
    const int shown = shownQuestion(screen, quiz);
    if (shown < 0)
        return "none on show";
    switch (screen.id()) {
    case ScreenId::GuessColor: return "What color is this?";
    case ScreenId::Guessshape: return "What shape is this?";
    case ScreenId::MathTest: return textOf(designs::sums()[shown].asked);
    default: return quiz.answers[shown];
    }
}

// The pitch of a recording's voiced parts (Hz), by the lag at which each loud stretch
// of 40 ms best matches itself: the median over the stretches.
double pitchOf(const Sound& sound)
{
    const int frame = sound.sampleRate / 25;
    QList<double> pitches;
    for (size_t start = 0; start + frame <= sound.samples.size(); start += frame) {
        const std::int16_t* x = sound.samples.data() + start;
        double energy = 0;
        for (int i = 0; i < frame; ++i)
            energy += double(x[i]) * x[i];
        if (energy < 1e6 * frame)
            continue;
        auto [best, bestLag] = std::pair(0.0, 0);
        for (int lag = sound.sampleRate / 400; lag < sound.sampleRate / 70; ++lag) {
            double match = 0;
            for (int i = 0; i + lag < frame; i += 2)
                match += double(x[i]) * x[i + lag];
            if (match > best)
                std::tie(best, bestLag) = std::pair(match, lag);
        }
        if (bestLag)
            pitches << double(sound.sampleRate) / bestLag;
    }
    std::sort(pitches.begin(), pitches.end());
    return pitches.isEmpty() ? 0 : pitches[pitches.size() / 2];
}

} // namespace

class TestSpokenWords : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingSpeaker> m_speaker = std::make_shared<RecordingSpeaker>();
    std::optional<ScreenRegistry> m_registry;

    // A rest too long to end keeps the words of controls out of the replies.
    Screen& shown(ScreenId id, int rest = kRest)
    {
        SpokenControls::setRestMilliseconds(rest);
        m_registry.emplace(createScreen);
        Screen& screen = testing::shown(*m_registry, id);
        restOn(screen.client(), QPoint(1, 1));
        m_speaker->forget();
        return screen;
    }
    // What was said since the last call, once the action is over.
    QStringList heard()
    {
        QCoreApplication::processEvents();
        return std::exchange(m_speaker->said, {});
    }
    void restOn(QWidget* widget, QPoint at = {}) // by default its middle
    {
        QTest::mouseMove(widget, at);
        QTest::qWait(kRest * 4);
    }

private slots:
    void initTestCase() { TicTacToeScreen::replacePause([](int) {}); }
    void init()
    {
        Speech::setSpeaker(m_speaker);
        m_speaker->forget();
    }
    void cleanup()
    {
        m_registry.reset();
        Speech::setMuted(false);
    }

    // A word takes a fifth to half a second; a single letter a few tenths. Mr. Pim's
    // lines are said in his own, lower voice, the rest in the narrator's.
    void everyPhraseHasItsRecordingInItsVoice()
    {
        const auto phrases = words::allPhrases();
        QVERIFY(phrases.size() > 150);
        QStringList mrPim;
        for (const words::Phrase& phrase : phrases) {
            if (phrase.voice == words::Voice::Teacher)
                mrPim << textOf(phrase).section(' ', 0, 2);
            const QString file = recordingOf(phrase);
            const WavReading wav = readWavFile(file.toStdString());
            const double seconds = wav.ok() ? double(wav.sound.samples.size()) / wav.sound.sampleRate : 0;
            const int wordCount = textOf(phrase).split(' ', Qt::SkipEmptyParts).size();
            QVERIFY2(seconds > 0.15 && seconds > 0.12 * wordCount && seconds < 1.0 + 0.7 * wordCount,
                     qPrintable(QString("%1 s for %2 in %3").arg(seconds).arg(textOf(phrase), file)));
            if (const double pitch = pitchOf(wav.sound); pitch > 0) // a letter may be too soft to measure
                QVERIFY2((pitch < 140) == (phrase.voice == words::Voice::Teacher),
                         qPrintable(QString("%1 Hz for \"%2\"").arg(pitch).arg(textOf(phrase))));
        }
        // His voice is for his greeting, the board's text and how Tic-Tac-Toe is played.
        QCOMPARE(mrPim, QStringList({"Hello there, my", "Here on the", "Tic-Tac-Toe is a"}));
    }

    // Said once a visit, not started over while still being said, never once the screen has gone.
    void restingThePointerSaysTheWords_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("said");
        QTest::newRow("colour swatch") << ScreenId::frmColors << QString("Label2") << QString("Red");
        QTest::newRow("Mr. Pim") << ScreenId::SproutMain << QString("Text1") << kGreeting;
        QTest::newRow("question") << ScreenId::GuessColor << QString("Image2") << QString("What color is this?");
        QTest::newRow("award") << ScreenId::awardmath << QString("Picture1")
                               << QString("Your award, for doing an excellent job in math.");
    }
    void restingThePointerSaysTheWords()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, control);
        QFETCH(QString, said);
        Screen& screen = shown(id);
        QWidget* widget = screen.control(control);
        auto leaveAndComeBack = [&] {
            QTest::mouseMove(screen.client(), QPoint(1, 1)); // too quickly for what lies there to speak
            restOn(widget);
        };
        restOn(widget);
        restOn(widget, QPoint(2, 2));
        leaveAndComeBack();
        QCOMPARE(m_speaker->said, QStringList{said});
        QCOMPARE(m_speaker->voices.first() == words::Voice::Teacher, id == ScreenId::SproutMain); // Mr. Pim
        m_speaker->saying.clear(); // the words are over
        leaveAndComeBack();
        QCOMPARE(m_speaker->said, QStringList(2, said));
        restOn(screen.client(), QPoint(1, 1));
        m_speaker->forget();
        QTest::mouseMove(widget);
        m_registry->hide(id);
        QTest::qWait(kRest * 3);
        QCOMPARE(m_speaker->said, QStringList());
    }

    // What is said while the pointer walks along the middle of a strip, left to right.
    void stripsSayTheItemUnderThePointer_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("said");
        const QStringList alphabet = QString("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z").split(' ');
        const QStringList centimetres = QString("0 1 2 3 4 5 6 7 8 9 10").split(' ');
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

    // Each centimetre is said where its tick is drawn: the ticks' centres of ink along a row
    // (of the 86 shown) below the half centimetres' ends, away from the wood's dark outline.
    void rulerMarksLieOnItsTicks()
    {
        Screen& screen = shown(ScreenId::measure);
        const QImage ruler = screen.control("Image1")->grab().toImage();
        const auto design = screen.design();
        const std::span<const double> marks =
            std::find_if(design.begin(), design.end(), [](const Control& c) { return QLatin1String(c.name) == "Image1"; })
                ->spoken.marks;
        QList<double> ticks;
        double ink = 0, moment = 0;
        for (int x = 4; x < ruler.width() - 4; ++x) {
            const int dark = std::max(0, 120 - qGray(ruler.pixel(x, 26)));
            std::tie(ink, moment) = std::pair(ink + dark, moment + dark * (x + 0.5));
            if (!dark && ink > 0)
                ticks << std::exchange(moment, 0) / std::exchange(ink, 0);
        }
        QCOMPARE(ticks.size(), qsizetype(marks.size()));
        for (int cm = 0; cm < ticks.size(); ++cm)
            QVERIFY2(std::abs(ticks[cm] - marks[cm] * ruler.width()) < 1.5,
                     qPrintable(QString("%1 said at %2 px, drawn at %3").arg(cm).arg(marks[cm] * ruler.width()).arg(ticks[cm])));
    }

    // Each time a screen comes into view it says what it is (Mr. Pim greets only once);
    // every control a child can point at has words.
    void comingIntoView_data() { addRowPerScreen(); }
    void comingIntoView()
    {
        QFETCH(ScreenId, id);
        auto expected = [&](bool again) {
            const auto guidance = words::arrivalGuidance(m_registry->reference(id).screenDesign());
            const QString said = quizOf(id) ? questionOnShow(m_registry->reference(id))
                                 : QByteArray(screenName(id)).startsWith("award") ? kAwardArrival
                                 : id == ScreenId::SproutMain ? (again ? QString() : kGreeting)
                                 : guidance ? textOf(*guidance) : "the screen's name";
            return said.isEmpty() ? QStringList() : QStringList{said};
        };
        SpokenControls::setRestMilliseconds(600000);
        m_registry.emplace(createScreen);
        QVERIFY(m_registry->load(id));
        QCOMPARE(heard(), QStringList()); // loaded, not yet on show: a hidden screen is silent
        QVERIFY(m_registry->show(id));
        QCOMPARE(heard(), expected(false));
        m_registry->hide(id);
        QCOMPARE(m_speaker->saying, QString()); // leaving cuts its words short
        Screen& screen = testing::shown(*m_registry, id);
        QCOMPARE(heard(), expected(true));
        QStringList missing;
        for (QWidget* widget : screen.client()->findChildren<QWidget*>())
            if (screen.control(widget->objectName()) == widget && childCanPointAt(widget)
                && widget->accessibleName().isEmpty())
                missing << widget->objectName();
        QVERIFY2(missing.isEmpty(), qPrintable("no words for " + missing.join(", ")));
    }

    // Each move (see play; S a new question drawing the same picture) heard alone,
    // letters typed first; the award is all the tenth brings.
    void quizReplies_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("moves");
        QTest::newRow("GuessColor") << ScreenId::GuessColor << "WWRRWRSWP";
        QTest::newRow("MathTest") << ScreenId::MathTest << "RWWPRR";
        QTest::newRow("Spellword") << ScreenId::Spellword << "WWRRWRRRRRRRR";
    }
    void quizReplies()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, moves);
        const QuizTable& quiz = *quizOf(id);
        Screen& screen = shown(id, 600000);
        heard();
        for (QChar move : moves) {
            if (move == 'S') {
                while (RandomSource(RandomSource::program()).draw(int(quiz.files.size())) != shownQuestion(screen, quiz))
                    RandomSource::program().next();
                move = 'P';
            }
            const QString word = quiz.answers.value(shownQuestion(screen, quiz));
            const bool awardBefore = awardVisible(*m_registry, quiz);
            play(screen, quiz, QString(move));
            QStringList expected;
            for (QChar letter : quiz.newQuestion ? QString() : move == 'W' ? QString("xyz") : word)
                expected << QString(letter.toUpper());
            expected << (move == 'P'                                           ? questionOnShow(screen)
                         : awardVisible(*m_registry, quiz) && !awardBefore ? kAwardArrival
                         : move == 'R'                                         ? "Correct!"
                                                                               : "Sorry, try again.");
            if (move == 'R' && !quiz.newQuestion && expected.last() == "Correct!")
                expected << questionOnShow(screen);
            QCOMPARE(heard(), expected);
        }
        QCOMPARE(awardVisible(*m_registry, quiz), moves.count('R') == 10);
    }

    // A click the board does not take says what to press; only a game's last move is
    // answered, with how to play again.
    void ticTacToeSaysWhatToPressAndItsResult()
    {
        TicTacToeScreen::replaceRandom([] { return 0.95; });
        Screen& screen = shown(ScreenId::Form1, 600000);
        click(screen, "Picture1(5)");
        QCOMPARE(heard(), QStringList{"To play, first press the button that says Click to start game."});
        for (const char* control : {"Cmdgamestart", "Picture1(2)", "Picture1(4)", "Picture1(1)", "Picture1(7)"})
            click(screen, control);
        QCOMPARE(heard(), QStringList{"You win!" + kPlayAgain});
        click(screen, "Picture1(9)");
        QCOMPARE(heard(), QStringList{"This game is over." + kPlayAgain});
        click(screen, "Cmdgamestart");
        click(screen, "Picture1(5)");
        TicTacToeScreen::replaceRandom({});
        QCOMPARE(heard(), QStringList());
    }

    // The greeting waits for the player, which comes after the first frame; a press is
    // answered in Mr. Pim's voice, not cut by the button's own words.
    void mainMenuGreetsAndAnswers()
    {
        Speech::setSpeaker(nullptr);
        SpokenControls::setRestMilliseconds(kRest);
        m_registry.emplace(createScreen);
        QWidget* button = testing::shown(*m_registry, ScreenId::SproutMain).control("Command1");
        QCoreApplication::processEvents();
        Speech::setSpeaker(m_speaker);
        QCOMPARE(heard(), QStringList{kGreeting});
        m_speaker->forget();
        QTest::mouseMove(button);
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::qWait(kRest * 4);
        }
        const QString board = "Here on the board you can click on an activity you want to do. There are lessons "
                              "on learning letters, numbers, colors, shapes, and some neat games to help you practice!";
        QCOMPARE(heard(), QStringList(2, board));
        QCOMPARE(m_speaker->voices, QList<words::Voice>(2, words::Voice::Teacher));
        Speech::setMuted(true);
        QTest::mouseClick(button, Qt::LeftButton);
        play(testing::shown(*m_registry, ScreenId::Spellword), kSpellWord, "WR");
        QCOMPARE(heard(), QStringList());
    }
};

QTEST_MAIN(TestSpokenWords)
#include "tst_spokenwords.moc"
