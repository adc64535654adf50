// The bitmap check decides what reaches the picture decoder, so it is tried on good
// bitmaps of every kind the program reads and on headers that lie.
#include "bitmapbytes.h"

#include <QRandomGenerator>
#include <QTest>

using namespace sprout;
using namespace sprout::testing;

class TestBitmapCheck : public QObject {
    Q_OBJECT
private slots:
    void acceptsGoodBitmaps()
    {
        for (const GoodBitmap& bitmap : goodBitmaps()) {
            const BitmapCheck check = checkBitmap(bitmap.bytes);
            QVERIFY2(check.ok() && check.detail.isEmpty(), qPrintable(bitmap.name + (": " + check.detail)));
            QCOMPARE(QSize(check.width, check.height), QSize(bitmap.width, bitmap.height));
        }
    }

    void refusesBadBitmapsWithTheirReason()
    {
        for (const BadBitmap& bad : badBitmaps()) {
            QVERIFY2(!bad.decoderFails || QImage::fromData(bad.bytes, "BMP").isNull(), bad.name);
            const BitmapCheck check = checkBitmap(bad.bytes);
            QVERIFY2(check.problem == bad.problem && check.detail.contains(bad.detail),
                     qPrintable(bad.name + (": " + check.detail)));
        }
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
            if (check.ok()) {
                ++accepted;
                QCOMPARE(QImage::fromData(bytes, "BMP").size(), QSize(check.width, check.height));
            }
        }
        QVERIFY(accepted > 0); // harmless changes, such as to the resolution, still pass
    }
};

QTEST_GUILESS_MAIN(TestBitmapCheck)
#include "tst_bitmapcheck.moc"
