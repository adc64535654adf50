// The voice files' reader: what it accepts and how it reads it, and that damaged
// files are refused with a reason before anything is allocated.
#include "wavbytes.h"
#include "wavreader.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace sprout;
using namespace sprout::test;
using Bytes = std::vector<std::uint8_t>;

Q_DECLARE_METATYPE(Bytes)

class TestWavReader : public QObject {
    Q_OBJECT

    static WavReading parse(const Bytes& bytes) { return parseWav(bytes.data(), bytes.size()); }

private slots:
    void reads_data()
    {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QList<int>>("samples");
        QTest::newRow("mono") << wavBytes({1, -2, 32767, -32768}) << 16000
                              << QList<int>{1, -2, 32767, -32768};
        QTest::newRow("stereo mixed down") << wavBytes({100, 300, -32768, -32768, 32767, -32767},
                                                       {.sampleRate = 48000, .channels = 2})
                                           << 48000 << QList<int>{200, -32768, 0};
        QTest::newRow("other chunk, odd sized, first")
            << wavBytes({5, 6}, {.sampleRate = 22050, .listChunkFirst = true}) << 22050 << QList<int>{5, 6};
        Bytes trailing = wavBytes({7, 8, 9}, {.dataSizeField = 4});
        QTest::newRow("data shorter than the file") << trailing << 16000 << QList<int>{7, 8};
        Bytes oddData = wavBytes({7, 8}, {.channels = 2, .dataSizeField = 3});
        QTest::newRow("odd data size keeps whole frames") << oddData << 16000 << QList<int>{};
    }
    void reads()
    {
        QFETCH(Bytes, bytes);
        QFETCH(int, rate);
        QFETCH(QList<int>, samples);
        const WavReading reading = parse(bytes);
        if (samples.isEmpty()) {
            QCOMPARE(QString::fromStdString(reading.error), QStringLiteral("no sound in it"));
            return;
        }
        QVERIFY2(reading.ok(), reading.error.c_str());
        QCOMPARE(reading.sound.sampleRate, rate);
        QCOMPARE(QList<int>(reading.sound.samples.begin(), reading.sound.samples.end()), samples);
    }

    void refuses_data()
    {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<QString>("reason");
        const Bytes good = wavBytes(tone(440, 10));
        QTest::newRow("empty") << Bytes{} << "no RIFF WAVE header";
        QTest::newRow("not RIFF") << Bytes(good.size(), 'x') << "no RIFF WAVE header";
        QTest::newRow("header only") << Bytes(good.begin(), good.begin() + 12) << "no format chunk";
        QTest::newRow("cut in the data") << Bytes(good.begin(), good.end() - 1) << "a chunk claims";
        QTest::newRow("huge data size") << wavBytes({1}, {.dataSizeField = 0xFFFFFFFF}) << "a chunk claims";
        QTest::newRow("format too short") << wavBytes({1}, {.formatSizeField = 12}) << "too short";
        QTest::newRow("compressed") << wavBytes({1}, {.formatTag = 3}) << "not uncompressed PCM";
        QTest::newRow("8-bit") << wavBytes({1}, {.bits = 8}) << "8-bit samples";
        QTest::newRow("24-bit") << wavBytes({1, 2, 3}, {.bits = 24}) << "24-bit samples";
        QTest::newRow("six channels") << wavBytes({1, 2, 3, 4, 5, 6}, {.channels = 6}) << "6 channels";
        QTest::newRow("rate zero") << wavBytes({1}, {.sampleRate = 0}) << "sample rate of 0";
        QTest::newRow("rate absurd") << wavBytes({1}, {.sampleRate = 1000000}) << "sample rate of 1000000";
        Bytes noData = wavBytes({});
        noData.resize(noData.size() - 8);
        QTest::newRow("no data chunk") << noData << "no sound data";
        QTest::newRow("no samples") << wavBytes({}) << "no sound in it";
        Bytes disagreeing = wavBytes({1, 2});
        disagreeing[32] = 4; // block align
        QTest::newRow("block size disagrees") << disagreeing << "sizes disagree";
        Bytes dataFirst = wavBytes({1, 2});
        std::copy_n("data", 4, dataFirst.begin() + 12);
        QTest::newRow("data before format") << dataFirst << "sound data before its format";
        Bytes tooLarge(kMaxWavBytes + 1, 0);
        std::copy(good.begin(), good.end(), tooLarge.begin());
        QTest::newRow("too large") << tooLarge << "larger than 16 MiB";
    }
    void refuses()
    {
        QFETCH(Bytes, bytes);
        QFETCH(QString, reason);
        const WavReading reading = parse(bytes);
        QVERIFY(!reading.ok());
        QVERIFY2(QString::fromStdString(reading.error).contains(reason), reading.error.c_str());
        QVERIFY(reading.sound.samples.empty());
    }

    void namesTheFile()
    {
        QTemporaryDir folder;
        const std::string good = folder.filePath("good.wav").toStdString();
        const std::string bad = folder.filePath("bad.wav").toStdString();
        QVERIFY(writeFile(good, wavBytes(tone(440, 100))));
        QVERIFY(writeFile(bad, Bytes(100, 0)));
        QCOMPARE(readWavFile(good).sound.samples.size(), std::size_t(1600));
        for (const std::string& path : {bad, folder.filePath("missing.wav").toStdString()}) {
            const WavReading reading = readWavFile(path);
            QVERIFY(!reading.ok());
            QVERIFY2(reading.error.rfind(path + ": ", 0) == 0, reading.error.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(TestWavReader)
#include "tst_wavreader.moc"
