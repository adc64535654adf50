#include "randomsource.h"

#include <QtTest>

using sprout::RandomSource;

class TestRandomSource : public QObject {
    Q_OBJECT
private slots:
    // Against a model in 64-bit integers: r itself and a draw of each quiz's size.
    void drawsFollowTheGeneratorExactly()
    {
        QCOMPARE(qRound64(RandomSource().next() * 1e7), 7055475); // the first draw of every start
        for (const int n : {0, 10, 7, 22, 31}) {
            RandomSource source;
            std::uint64_t x = 327680, mismatches = 0;
            for (int i = 0; i < (1 << 16); ++i) {
                x = (1140671485ull * x + 12820163ull) % 16777216ull;
                mismatches += n ? source.draw(n) != int(x * n >> 24) : source.next() != x / 16777216.0;
            }
            QVERIFY2(mismatches == 0, qPrintable(QString::number(n)));
        }
    }
};

QTEST_APPLESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
