// The player with a fake audio server, then a real one; each phrase is one constant
// level, so the samples heard tell whose they are. And the voice files' reader.
#include "voiceplayer.h"
#include "wavbytes.h"
#include "wavreader.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <mutex>

using namespace sprout;
using namespace sprout::test;

namespace {

// The levels heard in order (each run once, -1 for a flush) and how many samples of each.
struct FakeServer {
    std::mutex mutex;
    int writesLeft = -1; // before it goes away: none when it is not there, -1 for ever
    int opens = 0;
    std::vector<int> order;
    std::map<int, std::size_t> written;
};

struct FakeSink : AudioSink {
    explicit FakeSink(std::shared_ptr<FakeServer> server) : server(std::move(server)) {}
    bool open(int, std::string& error) override
    {
        std::lock_guard lock(server->mutex);
        ++server->opens;
        error = "no server here";
        return server->writesLeft != 0;
    }
    bool write(const std::int16_t* samples, std::size_t count, std::string& error) override
    {
        {
            std::lock_guard lock(server->mutex);
            error = "gone";
            if (server->writesLeft == 0)
                return false;
            --server->writesLeft;
            if (samples[0] != 0 && (server->order.empty() || server->order.back() != samples[0]))
                server->order.push_back(samples[0]);
            server->written[samples[0]] += count;
        }
        QThread::usleep(count * 1000000 / VoicePlayer::kSampleRate);
        return true;
    }
    void flush() override
    {
        std::lock_guard lock(server->mutex);
        server->order.push_back(-1);
    }
    double latencyMs() override { return 1; }
    std::shared_ptr<FakeServer> server;
};

const words::Phrase kLow{words::Voice::Narrator, "low"};   // 300 ms at kLowLevel
const words::Phrase kHigh{words::Voice::Teacher, "high"};  // 300 ms at kHighLevel
const words::Phrase kLong{words::Voice::Narrator, "long"}; // 2 s at kLowLevel
constexpr std::int16_t kLowLevel = 5000, kHighLevel = 12000;

} // namespace

class TestVoicePlayer : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::shared_ptr<FakeServer> m_server;
    std::unique_ptr<VoicePlayer> m_player;

    void newPlayer()
    {
        m_player = std::make_unique<VoicePlayer>(m_folder.path().toStdString(),
                                                 [server = m_server] { return std::make_unique<FakeSink>(server); });
    }
    void say(int level) { m_player->sayFile("voice/" + std::to_string(level) + ".wav"); }
    static void pause(int ms) { QThread::msleep(ms); }
    // Each level said in turn, with the time let pass after it (ms).
    void sayInTurn(std::initializer_list<std::pair<int, int>> levelsThenMs)
    {
        for (auto [level, thenMs] : levelsThenMs) {
            say(level);
            pause(thenMs);
        }
    }
    // A constant level for the time given.
    void makeVoice(const std::string& name, int ms, std::int16_t level, int rate = 16000)
    {
        QVERIFY(writeFile(m_folder.filePath(QString::fromStdString(name)).toStdString(),
                          wavBytes(std::vector(std::size_t(rate) * ms / 1000, level), {.sampleRate = rate})));
    }
    // What the fake server heard, and that the phrase said last was heard whole.
    void checkHeard(const std::vector<int>& order, int whole, int opens)
    {
        std::lock_guard lock(m_server->mutex);
        QCOMPARE(m_server->order, order);
        QVERIFY(qAbs(qint64(m_server->written[whole]) - VoicePlayer::kSampleRate / 5) <= 2); // 200 ms
        QVERIFY(m_server->written[1000] < VoicePlayer::kSampleRate / 2); // never long uncut
        QCOMPARE(m_server->opens, opens);
    }

private slots:
    // "voice/<level>.wav": that level for 200 ms (1000: for a second).
    void initTestCase()
    {
        QVERIFY(QDir(m_folder.path()).mkpath("voice"));
        for (int level = 1000; level <= 4000; level += 1000)
            makeVoice("voice/" + std::to_string(level) + ".wav", level == 1000 ? 1000 : 200, std::int16_t(level));
        QVERIFY(writeFile(m_folder.filePath("voice/damaged.wav").toStdString(), {'R', 'I', 'F', 'F'}));
        makeVoice(words::voiceFileName(kLow), 300, kLowLevel);
        makeVoice(words::voiceFileName(kHigh), 300, kHighLevel, 22050);
        makeVoice(words::voiceFileName(kLong), 2000, kLowLevel);
    }
    void init()
    {
        m_server = std::make_shared<FakeServer>();
        newPlayer();
        m_player->start();
    }
    void cleanup() { m_player.reset(); }

    // Nothing before start; of a burst only the newest; a phrase cut by a new one or by stop
    // is not heard on; broken files are passed over.
    void saysOnlyTheNewest()
    {
        newPlayer();
        sayInTurn({{2000, 100}, {3000, 0}});
        m_player->start();
        pause(400);
        for (const char* name : {"voice/missing.wav", "voice/damaged.wav"}) {
            m_player->sayFile(name);
            pause(50);
        }
        sayInTurn({{1000, 150}, {2000, 0}, {3000, 0}, {4000, 400}, {1000, 100}}); // a burst, then one more
        m_player->stop();
        pause(50);
        checkHeard({-1, 3000, -1, 1000, -1, 4000, -1, 1000, -1}, 4000, 1);
    }

    // Said from when asked for until it ends, is cut or stopped. A phrase said after another
    // follows it whole with no flush between; a new phrase said meanwhile drops it.
    void knowsWhatItSaysAndSaysAfterWithoutCutting()
    {
        const auto written = [this](int level) {
            std::lock_guard lock(m_server->mutex);
            return qint64(m_server->written[level]);
        };
        m_player->say(kLow);
        QVERIFY(m_player->isSaying(kLow));
        pause(150);
        QVERIFY(m_player->isSaying(kLow));
        m_player->sayAfter(kHigh);
        QVERIFY(m_player->isSaying(kHigh));
        pause(1000);
        QVERIFY(!m_player->isSaying(kHigh));
        {
            std::lock_guard lock(m_server->mutex);
            QCOMPARE(m_server->order, (std::vector<int>{-1, kLowLevel, kHighLevel}));
        }
        const qint64 whole = written(kHighLevel);
        for (int level : {kLowLevel, kHighLevel}) // 300 ms each, the first not cut by the second
            QVERIFY2(qAbs(written(level) - VoicePlayer::kSampleRate * 3 / 10) <= 2,
                     qPrintable(QString("%1 samples heard at level %2").arg(written(level)).arg(level)));
        m_player->say(kLow);
        m_player->sayAfter(kHigh);
        say(2000);
        QVERIFY(!m_player->isSaying(kLow));
        QVERIFY(!m_player->isSaying(kHigh));
        pause(800);
        QCOMPARE(written(kHighLevel), whole);
        m_player->say(kHigh);
        m_player->stop();
        QVERIFY(!m_player->isSaying(kHigh));
    }

    // Asks again at once for a server that went away, as it may be restarting;
    // after one that did not answer, only a while later.
    void serverGoingAwayAndMissingAreSurvived()
    {
        m_server->writesLeft = 5;
        sayInTurn({{1000, 200}, {2000, 50}, {3000, 50}});
        m_server->writesLeft = -1;
        pause(1100);
        sayInTurn({{3000, 400}});
        checkHeard({-1, 1000, -1, 3000}, 3000, 3);
    }

    // A phrase heard whole from its first sample, and a new phrase cutting the old at once.
    void throughTheAudioServer()
    {
        qputenv("PULSE_SERVER", "unix:" + qEnvironmentVariable("SPROUT_AUDIO_DIR", "/tmp/sproutkin-audio").toUtf8()
                                    + "/pulse/native");
        if (QProcess::execute("pactl", {"get-default-sink"}) != 0) {
            QVERIFY2(qgetenv("CI") != "true", "No private audio server: scripts/audio-server.sh starts one.");
            QSKIP("No private audio server here (scripts/audio-server.sh starts one).");
        }
        VoicePlayer player(m_folder.path().toStdString());
        player.start();
        player.say(kLow); // opens the stream: what follows is about a warm one
        QTest::qWait(600);
        QProcess recorder;
        recorder.start("parec", {"-d", "vnull.monitor", "--raw", "--format=s16le", "--rate=48000", "--channels=1",
                                 "--latency-msec=10"});
        QVERIFY(recorder.waitForStarted());
        QTest::qWait(300);
        recorder.readAllStandardOutput();
        player.say(kLong);
        QTest::qWait(500);
        player.say(kHigh);
        QTest::qWait(1000); // reading the recorder meanwhile, so that it never stalls
        const QByteArray recording = recorder.readAllStandardOutput();
        const auto* begin = reinterpret_cast<const std::int16_t*>(recording.constData());
        const auto* end = begin + recording.size() / 2;
        const int high = int(std::count(begin, end, kHighLevel)) / 48; // ms
        QVERIFY2(std::abs(high - 300) <= 10, qPrintable(QString("%1 ms high").arg(high)));
        QVERIFY2(std::find(std::find(begin, end, kHighLevel), end, kLowLevel) == end,
                 "the old phrase went on after the new one began");
        recorder.kill();
        recorder.waitForFinished();
    }

    // Each file is read as its samples at its rate, or refused with why, naming it.
    void readsOrRefusesVoiceFiles()
    {
        for (const WavCase& wav : wavCases()) {
            const std::string path = m_folder.filePath(wav.name).toStdString();
            QVERIFY(writeFile(path, wav.bytes));
            const WavReading reading = readWavFile(path);
            QCOMPARE(QString::fromStdString(reading.error), wav.refusal ? QString::fromStdString(path + ": ") + wav.refusal : "");
            QVERIFY2(reading.sound.samples == wav.samples, wav.name);
            if (!wav.refusal)
                QCOMPARE(reading.sound.sampleRate, wav.rate);
        }
        const std::string missing = m_folder.filePath("missing").toStdString();
        QCOMPARE(QString::fromStdString(readWavFile(missing).error), QString::fromStdString(missing + ": cannot be opened"));
    }
};

QTEST_GUILESS_MAIN(TestVoicePlayer)
#include "tst_voiceplayer.moc"
