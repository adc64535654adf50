#include "randomsource.h"

#include <QtTest>

using sprout::RandomSource;

class TestRandomSource : public QObject {
    Q_OBJECT
private slots:
    void drawsFollowTheGeneratorExactly()
    {
        RandomSource source;
        QCOMPARE(qRound64(source.next() * 1e7), 7055475); // the first draw of every start
        // An independent model in 64-bit integers: the draw of n is floor(x * n / 2^24),
        // which double precision must reproduce exactly.
        std::uint64_t x = (1140671485ull * 327680 + 12820163ull) % 16777216ull;
        const int sizes[] = {2, 3, 4, 7, 9, 10, 19, 1000};
        for (int i = 0; i < 200000; ++i) {
            const int n = sizes[i % std::size(sizes)];
            x = (1140671485ull * x + 12820163ull) % 16777216ull;
            QCOMPARE(source.draw(n), int(x * n / 16777216ull));
        }
        QCOMPARE(&RandomSource::program(), &RandomSource::program());
    }
};

QTEST_APPLESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
