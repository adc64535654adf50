// The player's rules, with a fake audio server that takes samples in real time:
// a new phrase cuts the one playing, a burst of phrases never queues up, stop is
// silence, and with no server or a server that goes away it stays silent and
// speaks again later. Each test phrase is one constant level, so the samples
// written tell which phrase they came from.
#include "voiceplayer.h"
#include "wavbytes.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <mutex>

using namespace sprout;
using namespace sprout::test;

namespace {

struct FakeServer {
    std::mutex mutex;
    bool available = true;
    int writesBeforeGoingAway = -1;
    int opens = 0;
    // One entry per write: the level written (0 for silence), or -1 for a flush.
    std::vector<std::pair<int, std::size_t>> log;

    std::map<int, std::size_t> samplesByLevel()
    {
        std::lock_guard lock(mutex);
        std::map<int, std::size_t> total;
        for (auto [level, count] : log)
            if (level > 0)
                total[level] += count;
        return total;
    }
    // The levels in the order they were written, each run once; -1 is a flush.
    std::vector<int> order()
    {
        std::lock_guard lock(mutex);
        std::vector<int> levels;
        for (auto [level, count] : log)
            if (level != 0 && (levels.empty() || levels.back() != level))
                levels.push_back(level);
        return levels;
    }
};

class FakeSink : public AudioSink {
public:
    explicit FakeSink(std::shared_ptr<FakeServer> server) : m_server(std::move(server)) {}
    bool open(int, std::string& error) override
    {
        std::lock_guard lock(m_server->mutex);
        ++m_server->opens;
        error = "no server here";
        return m_server->available;
    }
    bool write(const std::int16_t* samples, std::size_t count, std::string& error) override
    {
        {
            std::lock_guard lock(m_server->mutex);
            if (!m_server->available || m_server->writesBeforeGoingAway == 0) {
                m_server->available = false;
                error = "gone";
                return false;
            }
            --m_server->writesBeforeGoingAway;
            m_server->log.emplace_back(samples[0], count);
        }
        QThread::usleep(count * 1000000 / VoicePlayer::kSampleRate);
        return true;
    }
    void flush() override
    {
        std::lock_guard lock(m_server->mutex);
        m_server->log.emplace_back(-1, 0);
    }
    double latencyMs() override { return 1; }

private:
    std::shared_ptr<FakeServer> m_server;
};

constexpr std::size_t kWhole200Ms = VoicePlayer::kSampleRate / 5;

} // namespace

class TestVoicePlayer : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::shared_ptr<FakeServer> m_server;
    std::unique_ptr<VoicePlayer> m_player;

    // "voice/<level>.wav": a constant level for ms milliseconds, at 16 kHz.
    void makeVoice(int level, int ms)
    {
        QVERIFY(writeFile(m_folder.filePath("voice/%1.wav").arg(level).toStdString(),
                          wavBytes(tone(0, ms, 16000, level))));
    }
    void say(int level) { m_player->sayFile("voice/" + std::to_string(level) + ".wav"); }
    static void pause(int ms) { QThread::msleep(ms); }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_folder.path()).mkpath("voice"));
        for (int level = 1000; level <= 20000; level += 1000)
            makeVoice(level, level == 1000 ? 1000 : 200);
        QVERIFY(writeFile(m_folder.filePath("voice/damaged.wav").toStdString(), {'R', 'I', 'F', 'F'}));
    }
    void init()
    {
        m_server = std::make_shared<FakeServer>();
        m_player = std::make_unique<VoicePlayer>(m_folder.path().toStdString(),
                                                 [server = m_server] { return std::make_unique<FakeSink>(server); });
        m_player->start();
    }
    void cleanup() { m_player.reset(); }

    void newPhraseCutsTheOneThatPlays()
    {
        say(1000);
        pause(150);
        say(2000);
        pause(400);
        QCOMPARE(m_server->order(), (std::vector<int>{-1, 1000, -1, 2000}));
        QVERIFY(m_server->samplesByLevel()[1000] < VoicePlayer::kSampleRate / 2);
        QVERIFY(qAbs(qint64(m_server->samplesByLevel()[2000]) - qint64(kWhole200Ms)) <= 2);
        QCOMPARE(m_player->timing().phrasesStarted, 2);
    }

    void burstNeverQueuesUp()
    {
        for (int level = 1000; level <= 20000; level += 1000)
            say(level);
        pause(600);
        const std::map<int, std::size_t> written = m_server->samplesByLevel();
        QVERIFY2(m_player->timing().phrasesStarted <= 3, "phrases said in a burst were queued");
        QVERIFY(qAbs(qint64(written.at(20000)) - qint64(kWhole200Ms)) <= 2);
        QCOMPARE(m_server->order().back(), 20000);
    }

    void stopIsSilenceAtOnce()
    {
        say(1000);
        pause(100);
        m_player->stop();
        pause(50);
        const std::size_t before = m_server->samplesByLevel()[1000];
        pause(200);
        QCOMPARE(m_server->samplesByLevel()[1000], before);
        QCOMPARE(m_server->order().back(), -1);
    }

    void waitsForStartAndThenSaysTheNewest()
    {
        m_player = std::make_unique<VoicePlayer>(m_folder.path().toStdString(),
                                                 [server = m_server] { return std::make_unique<FakeSink>(server); });
        say(2000);
        say(3000);
        pause(100);
        QCOMPARE(m_server->opens, 0);
        m_player->start();
        pause(400);
        QCOMPARE(m_server->order(), (std::vector<int>{-1, 3000}));
    }

    void brokenFilesAreSilentAndTheRestGoesOn()
    {
        for (const char* name : {"voice/missing.wav", "voice/damaged.wav"}) {
            m_player->sayFile(name);
            pause(50);
        }
        QCOMPARE(m_server->opens, 0);
        say(2000);
        pause(400);
        QCOMPARE(m_server->order(), (std::vector<int>{-1, 2000}));
    }

    void withoutServerSilentAndAsksAgainLater()
    {
        m_server->available = false;
        say(2000);
        pause(50);
        say(3000);
        pause(50);
        QCOMPARE(m_server->opens, 1); // no second try straight away
        QVERIFY(m_server->order().empty());
        m_server->available = true;
        pause(1100);
        say(3000);
        pause(400);
        QCOMPARE(m_server->order(), (std::vector<int>{-1, 3000}));
    }

    void serverGoingAwayMidPhraseIsSurvived()
    {
        m_server->writesBeforeGoingAway = 5;
        say(1000);
        pause(200);
        QCOMPARE(m_server->samplesByLevel()[1000], std::size_t(5 * VoicePlayer::kSampleRate / 100));
        m_server->available = true;
        m_server->writesBeforeGoingAway = -1;
        say(2000);
        pause(400);
        QCOMPARE(m_server->opens, 2);
        QCOMPARE(m_server->order().back(), 2000);
        QVERIFY(qAbs(qint64(m_server->samplesByLevel()[2000]) - qint64(kWhole200Ms)) <= 2);
    }
};

QTEST_GUILESS_MAIN(TestVoicePlayer)
#include "tst_voiceplayer.moc"
