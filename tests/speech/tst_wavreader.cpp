// The voice files' reader: what it reads and how, and that damaged files are
// refused with a reason that names the file, before anything is allocated.
#include "wavbytes.h"
#include "wavreader.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace sprout;
using namespace sprout::test;

class TestWavReader : public QObject {
    Q_OBJECT

private slots:
    void readsOrRefuses()
    {
        QTemporaryDir folder;
        for (const WavCase& wav : wavCases()) {
            const std::string path = folder.filePath(wav.name).toStdString();
            QVERIFY(writeFile(path, wav.bytes));
            const WavReading reading = readWavFile(path);
            const QString error = QString::fromStdString(reading.error);
            QVERIFY2(wav.refusal ? error.startsWith(QString::fromStdString(path + ": ")) && error.contains(wav.refusal)
                                 : reading.ok() && reading.sound.sampleRate == wav.rate,
                     qPrintable(wav.name + (": " + error)));
            QCOMPARE(reading.sound.samples, wav.samples);
        }
        QVERIFY(readWavFile(folder.filePath("missing").toStdString()).error.find("missing: ") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(TestWavReader)
#include "tst_wavreader.moc"
