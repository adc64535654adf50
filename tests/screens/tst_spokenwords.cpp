// The words of the screens, on the built screens themselves: every caption and
// teaching picture a child can point at has words and an accessible name, every
// phrase has its recording, and resting the pointer says the right phrase once.
#include "screenfactory.h"
#include "screentesting.h"

#include "controls.h"
#include "speaker.h"
#include "spokencontrols.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtEndian>

Q_DECLARE_METATYPE(sprout::ScreenId)

using namespace sprout;
using namespace sprout::testing;

namespace {

constexpr int kRest = 10;

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

// A picture spread over the whole window from its corner is the backdrop, not
// something to point at.
bool isBackdrop(const QWidget* widget, const QWidget* client)
{
    return widget->pos() == QPoint(0, 0) && widget->width() * 2 >= client->width()
           && widget->height() * 2 >= client->height();
}

// What a child sees and can point at: captions, pictures, coloured boxes, buttons,
// headed frames and text boxes; not lines, hidden controls or empty see-through labels.
bool childCanPointAt(QWidget* widget, const QWidget* client)
{
    if (widget->isHidden() || widget->width() < 4 || widget->height() < 4
        || qobject_cast<LineControl*>(widget))
        return false;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const bool picture = !label->pixmap().isNull() || label->autoFillBackground();
        return !label->text().trimmed().isEmpty() || (picture && !isBackdrop(label, client));
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return !frame->title().isEmpty();
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QPlainTextEdit*>(widget)
           || qobject_cast<QLineEdit*>(widget);
}

QList<QWidget*> designedControls(Screen& screen)
{
    QList<QWidget*> controls;
    for (QWidget* widget : screen.client()->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && screen.control(widget->objectName()) == widget)
            controls << widget;
    return controls;
}

struct Wav {
    bool valid = false;
    double seconds = 0;
};

// Reads the header of a 16-bit mono PCM WAV file, the only kind the voice comes in.
Wav readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt ")
        return {};
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const bool pcmMono16 = u16(20) == 1 && u16(22) == 1 && u16(34) == 16;
    const quint32 rate = u32(24);
    int chunk = 12 + 8 + static_cast<int>(u32(16));
    while (chunk + 8 <= bytes.size() && bytes.mid(chunk, 4) != "data")
        chunk += 8 + static_cast<int>(u32(chunk + 4));
    if (!pcmMono16 || rate == 0 || chunk + 8 > bytes.size()
        || chunk + 8 + u32(chunk + 4) > static_cast<quint32>(bytes.size()))
        return {};
    return {true, u32(chunk + 4) / 2.0 / rate};
}

QString textOf(const words::Phrase& phrase)
{
    return QString::fromUtf8(phrase.text.data(), static_cast<qsizetype>(phrase.text.size()));
}

} // namespace

class TestSpokenWords : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingSpeaker> m_speaker;

    // Rests the pointer on a point of a control, long enough to be heard.
    void restOn(QWidget* widget, QPoint at)
    {
        QTest::mouseMove(widget, at);
        QTest::qWait(kRest * 4);
    }
    void restOn(QWidget* widget) { restOn(widget, widget->rect().center()); }
    // Takes the pointer off the control to a corner, and forgets what was said there.
    void leave(Screen& screen)
    {
        restOn(screen.client(), QPoint(1, 1));
        m_speaker->said.clear();
        m_speaker->voices.clear();
    }

    // What is said while the pointer walks along the middle of a control, left to right.
    QStringList walkAlong(QWidget* widget)
    {
        m_speaker->said.clear();
        for (int x = 0; x < widget->width(); x += 4)
            restOn(widget, QPoint(x, widget->height() / 2));
        return m_speaker->said;
    }

private slots:
    void initTestCase()
    {
        SpokenControls::setRestMilliseconds(kRest);
        m_speaker = std::make_shared<RecordingSpeaker>();
        Speech::setSpeaker(m_speaker);
    }
    void init() { m_speaker->said.clear(); m_speaker->voices.clear(); }

    void everyControlAChildCanPointAtHasWords_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (int i = 0; i < kScreenCount; ++i)
            QTest::newRow(screenName(ScreenId(i))) << ScreenId(i);
    }
    void everyControlAChildCanPointAtHasWords()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        QStringList missing, named;
        for (QWidget* widget : designedControls(screen)) {
            named << widget->objectName();
            if (!childCanPointAt(widget, screen.client()))
                continue;
            if (!words::wordsOfControl(screenName(id), widget->objectName().toStdString())
                || widget->accessibleName().isEmpty())
                missing << widget->objectName();
        }
        QVERIFY2(missing.isEmpty(), qPrintable("no words for " + missing.join(", ")));
        // And no words for a control the screen does not have: a misspelt name is mute.
        for (const words::ControlWords& row : words::wordsOfScreen(screenName(id))->controls)
            QVERIFY2(named.contains(QString::fromUtf8(row.control.data(), row.control.size())),
                     row.control.data());
    }

    void everyPhraseHasItsRecording()
    {
        const QString folder = qEnvironmentVariable("SPROUT_BIN_DIR") + "/";
        const auto phrases = words::allPhrases();
        QVERIFY(phrases.size() > 150);
        for (const words::Phrase& phrase : phrases) {
            const QString file = QString::fromStdString(words::voiceFileName(phrase));
            const Wav wav = readWav(folder + file);
            const QString what = textOf(phrase) + " in " + file;
            QVERIFY2(wav.valid, qPrintable("no valid recording of " + what));
            // A word takes a fifth to half a second; a single letter a few tenths.
            const int wordCount = textOf(phrase).split(' ', Qt::SkipEmptyParts).size();
            QVERIFY2(wav.seconds > 0.15 && wav.seconds > 0.12 * wordCount
                         && wav.seconds < 1.0 + 0.7 * wordCount,
                     qPrintable(QString("%1 s for ").arg(wav.seconds) + what));
        }
    }

    void restingThePointerSaysTheWords_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("teacher");
        using S = ScreenId;
        const struct { S id; const char* control; const char* said; bool teacher; } rows[] = {
            {S::frmColors, "Label2", "Red", false}, // a swatch says its colour
            {S::frmColors, "Label16", "Black", false},
            {S::frmShapes, "Image3", "Triangle", false},
            {S::frmShapes, "Label5", "A circle is round having no sides, a very common shape you "
                                     "see in fruit, car tires, and plates.", false},
            {S::FrmNumbers, "Image6", "Three apples", false},
            {S::Games, "Label2", "Tic-Tac-Toe", false},
            {S::Form1, "Cmdgamestart", "Click to start game", false},
            {S::Form1, "Picture1(5)", "Middle square", false},
            {S::Form1, "Text1", nullptr, true},
            {S::SproutMain, "Text1", "Hello there, my name is Mr. Pim. I am the teacher of this "
                                     "classroom, I am here to help you learn all sorts of fun "
                                     "things from letters to numbers. To start, click on a "
                                     "lesson on the board!", true},
            {S::GuessColor, "Image2", "What color is this?", false},
            {S::Guessshape, "Image2", "What shape is this?", false},
            {S::MathTest, "Label9", "1", false},
            {S::awardmath, "Picture1", "Your award, for doing an excellent job in math.", false},
        };
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QString("%1 %2").arg(screenName(row.id), row.control)))
                << row.id << QString(row.control) << QString(row.said) << row.teacher;
    }
    void restingThePointerSaysTheWords()
    {
        QFETCH(ScreenId, id);
        QFETCH(QString, control);
        QFETCH(QString, said);
        QFETCH(bool, teacher);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        leave(screen);
        restOn(screen.control(control));
        QCOMPARE(m_speaker->said.size(), 1);
        if (!said.isEmpty())
            QCOMPARE(m_speaker->said.first(), said);
        QCOMPARE(m_speaker->voices.first() == words::Voice::Teacher, teacher);

        restOn(screen.control(control), QPoint(2, 2)); // resting on: said once
        QCOMPARE(m_speaker->said.size(), 1);
        leave(screen);
        restOn(screen.control(control)); // away and back: said again
        QCOMPARE(m_speaker->said.size(), 1);
    }

    // The pictures of the sums and the words say the question on show.
    void quizPicturesSayTheQuestionOnShow_data()
    {
        QTest::addColumn<ScreenId>("id");
        QTest::newRow("MathTest") << ScreenId::MathTest;
        QTest::newRow("Spellword") << ScreenId::Spellword;
    }
    void quizPicturesSayTheQuestionOnShow()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        QWidget* picture = screen.control("Image2");
        const auto question = words::questionFor(
            screenName(id), picture->property("pictureFile").toString().toStdString());
        QVERIFY(question);
        leave(screen);
        restOn(picture);
        QCOMPARE(m_speaker->said, QStringList{textOf(*question)});
    }

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
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
        Screen& screen = registry.reference(id);
        leave(screen);
        QCOMPARE(walkAlong(screen.control(control)), said);
    }

    void aHiddenScreenSaysNothing()
    {
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(ScreenId::frmColors));
        Screen& screen = registry.reference(ScreenId::frmColors);
        leave(screen);
        QTest::mouseMove(screen.control("Label1"));
        registry.hide(ScreenId::frmColors); // before the rest is over
        QTest::qWait(kRest * 3);
        QVERIFY(m_speaker->said.isEmpty());
    }
};

QTEST_MAIN(TestSpokenWords)
#include "tst_spokenwords.moc"
