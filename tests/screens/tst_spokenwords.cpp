// The words of the screens, on the built screens themselves: every caption and
// teaching picture a child can point at has words and an accessible name, every
// phrase has its recording, and resting the pointer says the right phrase once.
#include "screenfactory.h"
#include "screentesting.h"
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

} // namespace

class TestSpokenWords : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingSpeaker> m_speaker = std::make_shared<RecordingSpeaker>();
    std::optional<ScreenRegistry> m_registry;

    // The screen on show, the pointer in its corner and nothing said yet.
    Screen& shown(ScreenId id)
    {
        m_registry.emplace(createScreen);
        [&] { QVERIFY(m_registry->show(id)); }();
        restOn(m_registry->reference(id).client(), QPoint(1, 1));
        m_speaker->forget();
        return m_registry->reference(id);
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
        SpokenControls::setRestMilliseconds(kRest);
        Speech::setSpeaker(m_speaker);
    }
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
};

QTEST_MAIN(TestSpokenWords)
#include "tst_spokenwords.moc"
