// The voice through a real audio server, the way the program speaks: phrases go
// through Speech to the player, which plays their voice files to the private
// server of scripts/audio-server.sh; its null sink's monitor is recorded and the
// recording checked: every tone whole from its first sample, a new phrase cutting
// the old, a burst heard as its last phrase only, nothing while muted.
#include "voiceplayer.h"
#include "wavbytes.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace sprout;
using namespace sprout::test;

namespace {

constexpr int kRate = 48000;
constexpr int kWindow = kRate / 200; // 5 ms

// What was heard in each 5 ms: 0 for silence, else the tone's pitch in Hz, from the
// distance between the first and the last zero crossing in the window (a window
// holds only two periods of the low tone: counting crossings alone is too coarse).
std::vector<int> pitches(const QByteArray& recording)
{
    const auto* samples = reinterpret_cast<const std::int16_t*>(recording.constData());
    const qsizetype count = recording.size() / 2;
    std::vector<int> windows;
    for (qsizetype start = 0; start + kWindow <= count; start += kWindow) {
        const std::int16_t* window = samples + start;
        double energy = 0;
        int crossings = 0, first = -1, last = -1;
        for (int i = 0; i < kWindow; ++i) {
            energy += double(window[i]) * window[i];
            if (i > 0 && (window[i - 1] < 0) != (window[i] < 0)) {
                ++crossings;
                last = i;
                first = first < 0 ? i : first;
            }
        }
        const bool heard = std::sqrt(energy / kWindow) > 1000 && crossings >= 3;
        windows.push_back(heard ? int((crossings - 1) * double(kRate) / (2.0 * (last - first))) : 0);
    }
    return windows;
}

// Milliseconds heard of a pitch (within a fifth of it).
int msOf(const std::vector<int>& windows, int hz)
{
    return 5 * int(std::count_if(windows.begin(), windows.end(), [hz](int heard) {
               return heard > 0 && std::abs(heard - hz) < hz / 5;
           }));
}

const words::Phrase kLow{words::Voice::Narrator, "low"};   // 400 Hz, 300 ms
const words::Phrase kHigh{words::Voice::Teacher, "high"};  // 1000 Hz, 300 ms
const words::Phrase kLong{words::Voice::Narrator, "long"}; // 400 Hz, 2 s

} // namespace

class TestVoiceServer : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::shared_ptr<VoicePlayer> m_player;
    QProcess m_recorder;

    void makeVoice(const words::Phrase& phrase, double hz, int ms, int rate)
    {
        QVERIFY(writeFile(m_folder.filePath(QString::fromStdString(words::voiceFileName(phrase))).toStdString(),
                          wavBytes(tone(hz, ms, rate, 12000), {.sampleRate = rate})));
    }
    void record()
    {
        m_recorder.start("parec", {"-d", "vnull.monitor", "--raw", "--format=s16le", "--rate=48000",
                                   "--channels=1", "--latency-msec=10"});
        QVERIFY(m_recorder.waitForStarted());
        QTest::qWait(300);
        m_recorder.readAllStandardOutput(); // whatever came before the test's sounds
    }
    // Waits while the recorder's output is read, so that it never stalls on a full pipe.
    std::vector<int> heard(int waitMs)
    {
        QTest::qWait(waitMs);
        m_recorder.terminate();
        m_recorder.waitForFinished();
        return pitches(m_recorder.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        const QByteArray dir = qEnvironmentVariableIsSet("SPROUT_AUDIO_DIR") ? qgetenv("SPROUT_AUDIO_DIR")
                                                                               : "/tmp/sproutkin-audio";
        qputenv("PULSE_SERVER", "unix:" + dir + "/pulse/native");
        if (QProcess::execute("pactl", {"get-default-sink"}) != 0) {
            if (qgetenv("CI") == "true")
                QFAIL("No private audio server: scripts/audio-server.sh starts one.");
            QSKIP("No private audio server here (scripts/audio-server.sh starts one).");
        }
        QVERIFY(QDir(m_folder.path()).mkpath("voice"));
        // The two voices as the voice maker writes them, at two rates.
        makeVoice(kLow, 400, 300, 16000);
        makeVoice(kHigh, 1000, 300, 22050);
        makeVoice(kLong, 400, 2000, 16000);
        m_player = std::make_shared<VoicePlayer>(m_folder.path().toStdString());
        m_player->start();
        Speech::setSpeaker(m_player);
        // The first phrase opens the stream; the tests below are about a warm one.
        Speech::say(kLow);
        QTest::qWait(600);
    }
    void cleanupTestCase() { Speech::setSpeaker(nullptr); }
    void cleanup() { Speech::setMuted(false); }

    void playsAPhraseWholeFromItsFirstSample()
    {
        record();
        Speech::say(kHigh);
        const std::vector<int> windows = heard(800);
        QVERIFY2(std::abs(msOf(windows, 1000) - 300) <= 10, qPrintable(QString::number(msOf(windows, 1000))));
        QCOMPARE(msOf(windows, 400), 0); // nothing but the phrase said
    }

    void newPhraseCutsTheOld()
    {
        record();
        Speech::say(kLong);
        QTest::qWait(500);
        Speech::say(kHigh);
        const std::vector<int> windows = heard(1000);
        const auto firstHigh = std::find_if(windows.begin(), windows.end(), [](int hz) { return hz > 800; });
        QVERIFY(firstHigh != windows.end());
        QVERIFY2(std::abs(msOf(windows, 1000) - 300) <= 10, "the new phrase is not whole");
        QVERIFY2(msOf(windows, 400) > 400 && msOf(windows, 400) < 700,
                 qPrintable(QString("the old phrase played %1 ms").arg(msOf(windows, 400))));
        QVERIFY2(std::none_of(firstHigh, windows.end(), [](int hz) { return hz > 0 && hz < 600; }),
                 "the old phrase went on after the new one began");
    }

    void burstIsHeardAsItsLastPhrase()
    {
        record();
        for (int i = 0; i < 10; ++i) {
            Speech::say(kLong);
            Speech::say(kLow);
        }
        Speech::say(kHigh);
        const std::vector<int> windows = heard(800);
        QVERIFY(std::abs(msOf(windows, 1000) - 300) <= 10);
        QVERIFY2(msOf(windows, 400) <= 50, qPrintable(QString("%1 ms of older phrases").arg(msOf(windows, 400))));
    }

    void silentWhenMuted()
    {
        record();
        Speech::say(kLong);
        QTest::qWait(200);
        Speech::setMuted(true);
        Speech::say(kHigh);
        const std::vector<int> windows = heard(800);
        QCOMPARE(msOf(windows, 1000), 0);
        QVERIFY2(msOf(windows, 400) < 300, "muting did not silence the phrase that played");
    }
};

QTEST_GUILESS_MAIN(TestVoiceServer)
#include "tst_voiceserver.moc"
