// The picture files beside the program: what reaches the decoder, and what is said of a bad one.
#include "bitmapbytes.h"
#include "bitmapfile.h"
#include "screentesting.h"

#include <QTemporaryDir>

using namespace sprout;
using namespace sprout::testing;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
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
    // The program copies the rows of 24-bit bitmaps itself: it must see what the decoder sees.
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

    // Each refusal reaches the parent in words that say its kind and the check's reason.
    void badBitmapsAreRefusedWithTheirReason()
    {
        using P = BitmapCheck::Problem;
        const QMap<P, QString> told{{P::Empty, "is empty (0 bytes), so it holds no picture."},
                                    {P::NotABitmap, "is not a picture:"}, {P::Damaged, "is damaged:"},
                                    {P::Unsupported, "cannot be shown:"},
                                    {P::TooLarge, "is damaged or not one of the program's pictures:"}};
        const QString path = m_folder.filePath("Boat.bmp");
        for (const BadBitmap& bad : badBitmaps()) {
            const BitmapCheck check = checkBitmap(bad.bytes);
            QVERIFY2(check.problem == bad.problem && check.detail.contains(bad.detail), qPrintable(bad.name + (": " + check.detail)));
            QVERIFY(writeFile(path, bad.bytes));
            const BitmapFile::Loaded loaded = BitmapFile::load(path);
            QVERIFY(loaded.picture.isNull());
            verifyMessage(loaded.problem, path, told[bad.problem]);
            if (bad.problem != P::Empty) // the one message without the check's words
                QVERIFY2(loaded.problem.contains(": " + check.detail + "."), qPrintable(loaded.problem));
        }
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        verifyMessage(BitmapFile::load(path).problem, path, "there is a folder");
        const QByteArray whole = bitmapBytes({.width = 6, .height = 5, .bits = 8, .coloursUsed = 3});
        QVERIFY(checkBitmap(whole).ok());
        for (qsizetype length = 0; length < whole.size(); ++length) { // every copy cut short
            const BitmapCheck check = checkBitmap(QByteArrayView(whole).first(length));
            QVERIFY2(!check.ok() && !check.detail.isEmpty(), qPrintable(QString("accepted %1 bytes").arg(length)));
        }
    }

    // Only the first failure is told, and no half-filled table is left for a quiz.
    void tableIsFilledInOrderOrNotAtAll()
    {
        const QString folder = m_folder.path();
        QVERIFY(writeFile(folder + "/11.bmp", bitmapBytes({.width = 3, .height = 2})));
        QVERIFY(writeFile(folder + "/Black.bmp", "not a bitmap"));
        ReportRecorder reports;
        QList<QImage> pics;
        QVERIFY(BitmapFile::loadTable(folder, {"\\11.bmp", "", "\\11.bmp"}, pics));
        QCOMPARE(pics.size(), 3);
        QVERIFY(pics[1].isNull());
        QCOMPARE(pics[2].size(), QSize(3, 2));
        QCOMPARE(reports.messages, QStringList());
        QVERIFY(!BitmapFile::loadTable(folder, {"\\11.bmp", "\\Grey.bmp", "\\Black.bmp"}, pics));
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY(reports.messages[0].startsWith(BitmapFile::reportTitle()));
        QVERIFY(!reports.messages[0].contains("Black"));
        verifyMessage(reports.messages[0], folder + "/Grey.bmp", "is missing");
        QCOMPARE(pics.size(), 3);
        QVERIFY(pics[1].isNull());
    }
};

QTEST_MAIN(TestBitmapFile)
#include "tst_bitmapfile.moc"
