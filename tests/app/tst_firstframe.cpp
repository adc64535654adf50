// The real program, asked by scripts/bench to report its first frame: it prints the
// figures on one line and ends by itself with success.
#include <QtTest>
#include <ctime>

class TestFirstFrame : public QObject {
    Q_OBJECT
    static long long monotonicNanoseconds()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return now.tv_sec * 1000000000LL + now.tv_nsec;
    }

private slots:
    void reportsTheFirstFrameAndEnds()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("SPROUTKIN_BENCH_FIRST_FRAME", "1");
        program.setProcessEnvironment(environment);
        const long long before = monotonicNanoseconds();
        program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", {});
        QVERIFY2(program.waitForFinished(60000), "the program did not end after its first frame");
        const long long after = monotonicNanoseconds();
        QCOMPARE(program.exitCode(), 0);
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput()).trimmed();
        const auto figures = QRegularExpression("^first-frame-ms \\d+\\.\\d monotonic-ns (\\d+) vmhwm-kb [1-9]\\d*$").match(output);
        QVERIFY2(figures.hasMatch(), qPrintable(output));
        QVERIFY2(figures.captured(1).toLongLong() > before && figures.captured(1).toLongLong() < after,
                 "the frame's clock reading is not from this run");
    }
};

QTEST_GUILESS_MAIN(TestFirstFrame)
#include "tst_firstframe.moc"
