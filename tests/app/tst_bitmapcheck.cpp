// The bitmap check decides what reaches the picture decoder, so it is tried on good
// bitmaps of every kind the program reads and on headers that lie.
#include "bitmapbytes.h"
#include "bitmapcheck.h"

#include <QRandomGenerator>
#include <QTest>

using namespace sprout;
using namespace sprout::testing;
using Problem = BitmapCheck::Problem;

Q_DECLARE_METATYPE(Problem)

class TestBitmapCheck : public QObject {
    Q_OBJECT
private slots:
    void acceptsGoodBitmaps()
    {
        QList<GoodBitmap> good = goodBitmaps();
        good.append({"largest side", bitmapBytes({.width = kMaxBitmapSide, .height = 1, .bits = 1}), kMaxBitmapSide, 1});
        for (const GoodBitmap& bitmap : good) {
            const BitmapCheck check = checkBitmap(bitmap.bytes);
            QVERIFY2(check.ok() && check.detail.isEmpty(), qPrintable(bitmap.name + (": " + check.detail)));
            QCOMPARE(QSize(check.width, check.height), QSize(bitmap.width, bitmap.height));
        }
    }

    void refusesBadBitmaps_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<bool>("decoderFails");
        auto row = [](const char* name, const QByteArray& bytes, Problem problem, const char* detail, bool decoderFails = false) {
            QTest::newRow(name) << bytes << problem << QString(detail) << decoderFails;
        };
        row("empty", {}, Problem::Empty, "empty");
        row("text", "Chair\nTable\n", Problem::NotABitmap, "not hold");
        row("only the signature", "BM", Problem::Damaged, "header");
        row("unknown header size", bitmapBytes({.headerSize = 64}), Problem::Damaged, "no known kind");
        row("100000 x 100000", bitmapBytes({.width = 100000, .height = 100000}, 0), Problem::TooLarge, "100000 x 100000");
        row("one side too long", bitmapBytes({.width = kMaxBitmapSide + 1, .height = 1}, 0), Problem::TooLarge, "8193 x 1");
        row("too many pixels", bitmapBytes({.width = 8000, .height = 8000}, 0), Problem::TooLarge, "8000 x 8000");
        row("most negative height", bitmapBytes({.height = std::numeric_limits<qint32>::min()}, 0), Problem::TooLarge, "far more");
        row("zero width", bitmapBytes({.width = 0}), Problem::Damaged, "0 x 3");
        row("negative width", bitmapBytes({.width = -4}, 36), Problem::Damaged, "-4 x 3");
        row("no planes", bitmapBytes({.planes = 0}), Problem::Damaged, "planes");
        row("7 bits a pixel", bitmapBytes({.bits = 7}), Problem::Damaged, "7 bits");
        row("run-length compressed", bitmapBytes({.bits = 8, .compression = 1}), Problem::Unsupported, "compressed");
        row("bit fields on 24 bits", bitmapBytes({.compression = 3}), Problem::Unsupported, "unknown way");
        row("palette larger than the bits allow", bitmapBytes({.bits = 4, .coloursUsed = 17}), Problem::Damaged, "17 colours");
        row("pixels inside the header", bitmapBytes({.pixelOffset = 20}), Problem::Damaged, "inside its header");
        row("pixels beyond the end", bitmapBytes({.pixelOffset = 0xFFFFFFFFu}, 0), Problem::Damaged, "after the end");
        row("one byte missing", bitmapBytes({}).chopped(1), Problem::Damaged, "need 90 bytes, but the file holds 89 bytes");

        // Found by the fuzzer (scripts/fuzz): headers the check let through and the
        // decoder then could not read at all. Masks of all 32 bits leave it no way to
        // scale a colour; the 52- and 56-byte headers it does not know.
        QByteArray fullMasks = bitmapBytes({.width = 5, .bits = 32, .compression = 3, .headerSize = 124});
        for (int at = 54; at < 70; at += 4)
            put32(fullMasks, at, 0xFFFFFFFFu);
        row("version 5 header, masks of all bits", fullMasks, Problem::Damaged, "masks", true);
        QByteArray fullRed = bitmapBytes({.width = 3, .bits = 16, .compression = 3, .pixelOffset = 66});
        put32(fullRed, 54, 0xFFFFFFFFu);
        put32(fullRed, 58, 0x03e0);
        put32(fullRed, 62, 0x001f);
        row("short header, red mask of all bits", fullRed, Problem::Damaged, "masks", true);
        QByteArray fullAlpha = bitmapBytes({.bits = 32, .compression = 3, .headerSize = 108});
        for (const auto& [at, mask] : {std::pair{54, 0x00ff0000u}, {58, 0x0000ff00u}, {62, 0x000000ffu}, {66, 0xFFFFFFFFu}})
            put32(fullAlpha, at, mask);
        row("version 4 header, alpha mask of all bits", fullAlpha, Problem::Damaged, "masks", true);
        row("52-byte header", bitmapBytes({.width = 5, .bits = 32, .compression = 3, .headerSize = 52}),
            Problem::Unsupported, "52 bytes", true);
        row("56-byte header", bitmapBytes({.width = 5, .headerSize = 56}), Problem::Unsupported, "56 bytes", true);
    }
    void refusesBadBitmaps()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Problem, problem);
        QFETCH(QString, detail);
        QFETCH(bool, decoderFails);
        if (decoderFails)
            QVERIFY(QImage::fromData(bytes, "BMP").isNull());
        const BitmapCheck check = checkBitmap(bytes);
        QCOMPARE(check.problem, problem);
        QVERIFY2(check.detail.contains(detail), qPrintable(check.detail));
    }

    void refusesEveryCutShortCopy()
    {
        const QByteArray whole = bitmapBytes({.width = 6, .height = 5, .bits = 8, .coloursUsed = 3});
        QVERIFY(checkBitmap(whole).ok());
        for (qsizetype length = 0; length < whole.size(); ++length) {
            const BitmapCheck check = checkBitmap(QByteArrayView(whole).first(length));
            QVERIFY2(!check.ok() && !check.detail.isEmpty(), qPrintable(QString("accepted %1 bytes").arg(length)));
        }
    }

    // Whatever mangled header the check lets through, the decoder reads completely
    // and at the size the check saw.
    void agreesWithTheDecoderOnMangledHeaders()
    {
        const QByteArray original = savedBitmap(QImage::Format_RGB888, 9, 7);
        QRandomGenerator random(20240611);
        int accepted = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = original;
            for (int changes = 1 + random.bounded(3); changes > 0; --changes)
                bytes[random.bounded(54)] = char(random.bounded(256));
            const BitmapCheck check = checkBitmap(bytes);
            if (!check.ok())
                continue;
            ++accepted;
            const QImage decoded = QImage::fromData(bytes, "BMP");
            QVERIFY(!decoded.isNull());
            QCOMPARE(decoded.size(), QSize(check.width, check.height));
        }
        QVERIFY(accepted > 0); // harmless changes, such as to the resolution, still pass
    }
};

QTEST_GUILESS_MAIN(TestBitmapCheck)
#include "tst_bitmapcheck.moc"
