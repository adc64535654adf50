// The bitmap check decides what reaches the picture decoder, so it is tried on
// good bitmaps of every kind the program reads and on headers that lie.
#include "bitmapcheck.h"
#include "bitmapbytes.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>

using namespace sprout;
using namespace sprout::test;
using Problem = BitmapCheck::Problem;

Q_DECLARE_METATYPE(Problem)

class TestBitmapCheck : public QObject {
    Q_OBJECT

private slots:
    void acceptsGoodBitmaps_data();
    void acceptsGoodBitmaps();
    void acceptsWhatTheDecoderWrites();
    void refusesBadBitmaps_data();
    void refusesBadBitmaps();
    void refusesEveryCutShortCopy();
    void agreesWithTheDecoderOnMangledHeaders();
    void refusesWhatTheDecoderCannotRead_data();
    void refusesWhatTheDecoderCannotRead();
};

void TestBitmapCheck::acceptsGoodBitmaps_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("24 bits") << bitmapBytes({}) << 4 << 3;
    QTest::newRow("24 bits, rows padded") << bitmapBytes({.width = 5, .height = 2}) << 5 << 2;
    QTest::newRow("top row first") << bitmapBytes({.width = 3, .height = -7}) << 3 << 7;
    QTest::newRow("32 bits") << bitmapBytes({.bits = 32}) << 4 << 3;
    QTest::newRow("16 bits") << bitmapBytes({.width = 3, .bits = 16}) << 3 << 3;
    QTest::newRow("8 bits, full palette") << bitmapBytes({.bits = 8}) << 4 << 3;
    QTest::newRow("8 bits, short palette") << bitmapBytes({.bits = 8, .coloursUsed = 5}) << 4 << 3;
    QTest::newRow("4 bits") << bitmapBytes({.width = 9, .bits = 4}) << 9 << 3;
    QTest::newRow("1 bit") << bitmapBytes({.width = 33, .bits = 1}) << 33 << 3;
    QTest::newRow("version 5 header") << bitmapBytes({.headerSize = 124}) << 4 << 3;

    QByteArray extra = bitmapBytes({});
    extra.append("trailing bytes are harmless");
    QTest::newRow("bytes after the pixels") << extra << 4 << 3;

    // The oldest header has 16-bit sizes and 3-byte palette entries.
    QByteArray core(14 + 12 + 2 * 8, '\0');
    core[0] = 'B';
    core[1] = 'M';
    put32(core, 10, 26);
    put32(core, 14, 12);
    put16(core, 18, 2);
    put16(core, 20, 2);
    put16(core, 22, 1);
    put16(core, 24, 24);
    QTest::newRow("oldest header") << core << 2 << 2;

    QTest::newRow("largest accepted side")
        << bitmapBytes({.width = kMaxBitmapSide, .height = 1, .bits = 1}) << kMaxBitmapSide << 1;
}

void TestBitmapCheck::acceptsGoodBitmaps()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, width);
    QFETCH(int, height);
    const BitmapCheck check = checkBitmap(bytes);
    QVERIFY2(check.ok(), qPrintable(check.detail));
    QVERIFY(check.detail.isEmpty());
    QCOMPARE(check.width, width);
    QCOMPARE(check.height, height);
}

void TestBitmapCheck::acceptsWhatTheDecoderWrites()
{
    // The picture files are written by the same library that reads them.
    QImage image(37, 11, QImage::Format_RGB888);
    image.fill(Qt::magenta);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "BMP"));
    const BitmapCheck check = checkBitmap(buffer.data());
    QVERIFY2(check.ok(), qPrintable(check.detail));
    QCOMPARE(check.width, 37);
    QCOMPARE(check.height, 11);
    QCOMPARE(check.bitsPerPixel, 24);
}

void TestBitmapCheck::refusesBadBitmaps_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("detailMentions");

    QTest::newRow("empty") << QByteArray() << Problem::Empty << "empty";
    QTest::newRow("one byte") << QByteArray("B") << Problem::NotABitmap << "not hold";
    QTest::newRow("text") << QByteArray("Chair\nTable\n") << Problem::NotABitmap << "not hold";
    QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n0000000000000000", 24)
                         << Problem::NotABitmap << "not hold";
    QTest::newRow("only the signature") << QByteArray("BM") << Problem::Damaged << "header";
    QTest::newRow("header cut") << bitmapBytes({}).left(30) << Problem::Damaged << "header";
    QTest::newRow("unknown header size") << bitmapBytes({.headerSize = 64}) << Problem::Damaged
                                         << "no known kind";

    QTest::newRow("100000 x 100000") << bitmapBytes({.width = 100000, .height = 100000}, 0)
                                     << Problem::TooLarge << "100000 x 100000";
    QTest::newRow("one side too long") << bitmapBytes({.width = kMaxBitmapSide + 1, .height = 1}, 0)
                                       << Problem::TooLarge << "8193 x 1";
    QTest::newRow("too many pixels") << bitmapBytes({.width = 8000, .height = 8000}, 0)
                                     << Problem::TooLarge << "8000 x 8000";
    QTest::newRow("most negative height")
        << bitmapBytes({.height = std::numeric_limits<qint32>::min()}, 0) << Problem::TooLarge
        << "far more";
    QTest::newRow("zero width") << bitmapBytes({.width = 0}) << Problem::Damaged << "0 x 3";
    QTest::newRow("zero height") << bitmapBytes({.height = 0}) << Problem::Damaged << "4 x 0";
    QTest::newRow("negative width") << bitmapBytes({.width = -4}, 36) << Problem::Damaged << "-4 x 3";
    QTest::newRow("no planes") << bitmapBytes({.planes = 0}) << Problem::Damaged << "planes";
    QTest::newRow("7 bits a pixel") << bitmapBytes({.bits = 7}) << Problem::Damaged << "7 bits";
    QTest::newRow("run-length compressed") << bitmapBytes({.bits = 8, .compression = 1})
                                           << Problem::Unsupported << "compressed";
    QTest::newRow("JPEG inside") << bitmapBytes({.compression = 4}) << Problem::Unsupported
                                 << "unknown way";
    QTest::newRow("bit fields on 24 bits") << bitmapBytes({.compression = 3})
                                           << Problem::Unsupported << "unknown way";
    QTest::newRow("palette larger than the bits allow")
        << bitmapBytes({.bits = 4, .coloursUsed = 17}) << Problem::Damaged << "17 colours";
    QTest::newRow("pixels inside the header") << bitmapBytes({.pixelOffset = 20})
                                              << Problem::Damaged << "inside its header";
    QTest::newRow("pixels beyond the end") << bitmapBytes({.pixelOffset = 0xFFFFFFFFu}, 0)
                                           << Problem::Damaged << "after the end";
    QTest::newRow("pixel data cut in half") << bitmapBytes({.width = 20, .height = 20}, 600)
                                            << Problem::Damaged << "cut short";
    QTest::newRow("one byte missing") << bitmapBytes({}).chopped(1) << Problem::Damaged
                                      << "need 90 bytes, but the file holds 89 bytes";
    QTest::newRow("palette bitmap without pixels") << bitmapBytes({.bits = 8}, 0)
                                                   << Problem::Damaged << "cut short";
}

void TestBitmapCheck::refusesBadBitmaps()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Problem, problem);
    QFETCH(QString, detailMentions);
    const BitmapCheck check = checkBitmap(bytes);
    QVERIFY(!check.ok());
    QCOMPARE(check.problem, problem);
    QVERIFY2(check.detail.contains(detailMentions), qPrintable(check.detail));
}

void TestBitmapCheck::refusesEveryCutShortCopy()
{
    const QByteArray whole = bitmapBytes({.width = 6, .height = 5, .bits = 8, .coloursUsed = 3});
    QVERIFY(checkBitmap(whole).ok());
    for (qsizetype length = 0; length < whole.size(); ++length) {
        const BitmapCheck check = checkBitmap(QByteArrayView(whole).first(length));
        QVERIFY2(!check.ok(), qPrintable(QString("accepted the first %1 bytes").arg(length)));
        QVERIFY(!check.detail.isEmpty());
    }
}

void TestBitmapCheck::agreesWithTheDecoderOnMangledHeaders()
{
    // Whatever header the check lets through, the decoder must read completely and
    // at the size the check saw.
    QImage image(9, 7, QImage::Format_RGB888);
    image.fill(QColor(30, 160, 90));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "BMP"));
    const QByteArray original = buffer.data();

    QRandomGenerator random(20240611);
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = original;
        const int changes = 1 + random.bounded(3);
        for (int i = 0; i < changes; ++i)
            bytes[random.bounded(54)] = char(random.bounded(256));
        const BitmapCheck check = checkBitmap(bytes);
        if (!check.ok()) {
            QVERIFY(!check.detail.isEmpty());
            continue;
        }
        ++accepted;
        QVERIFY(check.width > 0 && check.height > 0);
        QVERIFY(qint64(check.width) * check.height <= kMaxBitmapPixels);
        const QImage decoded = QImage::fromData(bytes, "BMP");
        if (!decoded.isNull()) {
            QCOMPARE(decoded.width(), check.width);
            QCOMPARE(decoded.height(), check.height);
        }
    }
    QVERIFY(accepted > 0); // harmless changes, such as to the resolution, still pass
}

// Found by the fuzzer (scripts/fuzz): headers the check let through and the
// picture decoder then could not read at all.
void TestBitmapCheck::refusesWhatTheDecoderCannotRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("detailMentions");

    // Bit field masks of all 32 bits leave the decoder no way to scale a colour.
    QByteArray fullMasks = bitmapBytes({.width = 5, .bits = 32, .compression = 3, .headerSize = 124});
    for (int at = 54; at < 70; at += 4)
        put32(fullMasks, at, 0xFFFFFFFFu);
    QTest::newRow("version 5 header, masks of all bits") << fullMasks << Problem::Damaged << "masks";
    QByteArray fullRed = bitmapBytes({.width = 3, .bits = 16, .compression = 3, .pixelOffset = 66});
    put32(fullRed, 54, 0xFFFFFFFFu);
    put32(fullRed, 58, 0x03e0);
    put32(fullRed, 62, 0x001f);
    QTest::newRow("short header, red mask of all bits") << fullRed << Problem::Damaged << "masks";
    QByteArray fullAlpha = bitmapBytes({.bits = 32, .compression = 3, .headerSize = 108});
    put32(fullAlpha, 54, 0x00ff0000);
    put32(fullAlpha, 58, 0x0000ff00);
    put32(fullAlpha, 62, 0x000000ff);
    put32(fullAlpha, 66, 0xFFFFFFFFu);
    QTest::newRow("version 4 header, alpha mask of all bits") << fullAlpha << Problem::Damaged << "masks";

    // The 52- and 56-byte headers, read by no decoder the program has.
    QTest::newRow("52-byte header, bit fields")
        << bitmapBytes({.width = 5, .bits = 32, .compression = 3, .headerSize = 52})
        << Problem::Unsupported << "52 bytes";
    QTest::newRow("56-byte header") << bitmapBytes({.width = 5, .headerSize = 56})
                                    << Problem::Unsupported << "56 bytes";
}

void TestBitmapCheck::refusesWhatTheDecoderCannotRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Problem, problem);
    QFETCH(QString, detailMentions);
    QVERIFY(QImage::fromData(bytes, "BMP").isNull());
    const BitmapCheck check = checkBitmap(bytes);
    QCOMPARE(check.problem, problem);
    QVERIFY2(check.detail.contains(detailMentions), qPrintable(check.detail));
}

QTEST_GUILESS_MAIN(TestBitmapCheck)
#include "tst_bitmapcheck.moc"
