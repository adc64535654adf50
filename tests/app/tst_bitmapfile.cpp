// The picture files beside the program: the bitmap check that decides what reaches
// the picture decoder, tried on good bitmaps of every kind and on headers that lie,
// and what the program does when a file is missing or spoilt.
#include "bitmapbytes.h"
#include "bitmapfile.h"
#include "programfolder.h"
#include "screentesting.h"

#include <QSet>
#include <QTemporaryDir>

using namespace sprout;
using namespace sprout::testing;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A size in kB from /proc/self/status.
qint64 statusKb(const char* key)
{
    QFile status("/proc/self/status");
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    return text.mid(text.indexOf(key) + qstrlen(key)).trimmed().split(' ').first().toLongLong();
}

// Every message says which file, what is wrong and how to get it back.
void verifyMessage(const QString& message, const QString& path, const QString& what)
{
    QVERIFY2(message.contains(path) && message.contains(what, Qt::CaseInsensitive)
                 && message.contains("Reinstalling the program puts the file back"),
             qPrintable(message));
}

} // namespace

class TestBitmapFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;

private slots:
    // Asking for the largest file the check allows held that much memory, hundreds of
    // megabytes, for every picture read. First, before anything else raises the peak.
    void readingASmallPictureReservesLittleMemory()
    {
        const QString path = m_folder.filePath("Chair.bmp");
        QVERIFY(writeFile(path, bitmapBytes({.width = 217, .height = 81})));
        const qint64 before = statusKb("VmSize:");
        QVERIFY(BitmapFile::load(path).ok());
        QVERIFY2(statusKb("VmPeak:") - before < 64 * 1024, qPrintable(QString::number(statusKb("VmPeak:") - before)));
    }

    void everyPictureFileOfTheProgramReads()
    {
        const QDir bin(qEnvironmentVariable("SPROUT_BIN_DIR"));
        const QStringList files = bin.entryList({"*.bmp"}, QDir::Files);
        QVERIFY2(files.size() >= 68 + 4, qPrintable(QString::number(files.size()))); // quizzes and awards
        QSet<QByteArray> seen;
        for (const QString& name : files) {
            const BitmapFile::Loaded loaded = BitmapFile::load(programFilePath(bin.path(), "\\" + name));
            QVERIFY2(loaded.ok(), qPrintable(loaded.problem));
            // A picture drawn twice by mistake would make two answers look alike.
            const QImage& picture = loaded.picture;
            const QByteArray pixels(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
            QVERIFY2(!seen.contains(pixels), qPrintable(name + " looks like another picture"));
            seen.insert(pixels);
        }
    }

    // The program copies the rows of 24-bit bitmaps itself: it must see what the
    // general decoder sees, whichever way up the rows are stored.
    void goodBitmapsPassTheCheckAndReadAsTheDecoderSeesThem()
    {
        const QString path = m_folder.filePath("picture.bmp");
        for (const GoodBitmap& bitmap : goodBitmaps()) {
            const BitmapCheck check = checkBitmap(bitmap.bytes);
            QVERIFY2(check.ok() && check.detail.isEmpty(), qPrintable(bitmap.name + (": " + check.detail)));
            QCOMPARE(QSize(check.width, check.height), QSize(bitmap.width, bitmap.height));
            QVERIFY(writeFile(path, bitmap.bytes));
            const BitmapFile::Loaded loaded = BitmapFile::load(path);
            const QImage decoded = QImage::fromData(bitmap.bytes, "BMP").convertToFormat(QImage::Format_RGB32);
            QVERIFY2(loaded.ok() && loaded.picture.convertToFormat(QImage::Format_RGB32) == decoded, bitmap.name);
        }
    }

    void badBitmapsAreRefusedWithTheirReason()
    {
        for (const BadBitmap& bad : badBitmaps()) {
            QVERIFY2(!bad.decoderFails || QImage::fromData(bad.bytes, "BMP").isNull(), bad.name);
            const BitmapCheck check = checkBitmap(bad.bytes);
            QVERIFY2(check.problem == bad.problem && check.detail.contains(bad.detail), qPrintable(bad.name + (": " + check.detail)));
        }
        const QByteArray whole = bitmapBytes({.width = 6, .height = 5, .bits = 8, .coloursUsed = 3});
        QVERIFY(checkBitmap(whole).ok());
        for (qsizetype length = 0; length < whole.size(); ++length) { // every copy cut short
            const BitmapCheck check = checkBitmap(QByteArrayView(whole).first(length));
            QVERIFY2(!check.ok() && !check.detail.isEmpty(), qPrintable(QString("accepted %1 bytes").arg(length)));
        }
    }

    void badFileIsRefusedWithItsReason_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes"); // none: no file at all
        QTest::addColumn<QString>("what");
        const QByteArray good = bitmapBytes({.width = 40, .height = 30});
        QTest::newRow("missing") << "Fork.bmp" << QByteArray() << "is missing";
        QTest::newRow("zero bytes") << "Apple.bmp" << QByteArray("") << "empty (0 bytes)";
        QTest::newRow("text renamed") << "House.bmp" << QByteArray("Chair, table, house.\n") << "is not a picture";
        QTest::newRow("pixels cut short") << "Moon.bmp" << good.left(good.size() / 2) << "damaged: the file is cut short";
        QTest::newRow("compressed") << "Boat.bmp" << bitmapBytes({.bits = 8, .compression = 1}) << "cannot be shown";
    }
    void badFileIsRefusedWithItsReason()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, what);
        const QString path = m_folder.filePath(fileName);
        if (!bytes.isNull())
            QVERIFY(writeFile(path, bytes));
        const BitmapFile::Loaded loaded = BitmapFile::load(path);
        QVERIFY(!loaded.ok());
        QVERIFY(loaded.picture.isNull());
        verifyMessage(loaded.problem, path, what);
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path)); // and a folder in its place
        verifyMessage(BitmapFile::load(path).problem, path, "there is a folder");
        QVERIFY(QDir(path).removeRecursively());
    }

    void tableIsFilledInOrderOrNotAtAll()
    {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("11.bmp"), bitmapBytes({.width = 3, .height = 2})));
        QVERIFY(writeFile(folder.filePath("Black.bmp"), "not a bitmap"));
        ReportRecorder reports;
        QList<QImage> pics;
        // An empty name keeps a slot without a picture, as the sums' table has.
        QVERIFY(BitmapFile::loadTable(folder.path(), {"\\11.bmp", "", "\\11.bmp"}, pics));
        QCOMPARE(pics.size(), 3);
        QVERIFY(pics[1].isNull());
        QVERIFY(pics[2].size() == QSize(3, 2));
        QVERIFY(reports.messages.isEmpty());
        // "Grey" is missing, "Black" spoilt: only the first failure is told, and the
        // table stays as it was, so that no half-filled quiz comes up.
        QVERIFY(!BitmapFile::loadTable(folder.path(), {"\\11.bmp", "\\Grey.bmp", "\\Black.bmp"}, pics));
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY(reports.messages[0].startsWith(BitmapFile::reportTitle()));
        QVERIFY(!reports.messages[0].contains("Black"));
        verifyMessage(reports.messages[0], QDir(folder.path()).filePath("Grey.bmp"), "is missing");
        QVERIFY(pics.size() == 3);
        QVERIFY(pics[1].isNull());
    }

    void pathsLeadIntoTheProgramFolder()
    {
        // Without its backslash a name runs into the folder's own name, as it always has.
        QCOMPARE(programFilePath("/opt/sproutkin", "Chair.bmp"), QString("/opt/sproutkinChair.bmp"));
        // The program's own folder, wherever it is started from.
        QVERIFY(QDir::setCurrent(m_folder.path()));
        QCOMPARE(programFilePath("\\Chair.bmp"), QCoreApplication::applicationDirPath() + "/Chair.bmp");
    }
};

QTEST_MAIN(TestBitmapFile)
#include "tst_bitmapfile.moc"
