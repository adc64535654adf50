// The real program, asked by scripts/bench to report its first frame: it prints the
// figures on one line and ends by itself with success.
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <ctime>

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

} // namespace

class TestFirstFrame : public QObject {
    Q_OBJECT

private slots:
    void reportsTheFirstFrameAndEnds()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("SPROUTKIN_BENCH_FIRST_FRAME", "1");
        QProcess program;
        program.setProcessEnvironment(environment);
        const long long before = monotonicNanoseconds();
        program.start(qEnvironmentVariable("SPROUT_BIN_DIR") + "/sproutkin", {});
        QVERIFY2(program.waitForFinished(60000), "the program did not end after its first frame");
        const long long after = monotonicNanoseconds();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput()).trimmed();
        const QRegularExpressionMatch figures = QRegularExpression(
            "^first-frame-ms (\\d+\\.\\d) monotonic-ns (\\d+) vmhwm-kb (\\d+)$").match(output);
        QVERIFY2(figures.hasMatch(), qPrintable(output));
        const long long frame = figures.captured(2).toLongLong();
        QVERIFY2(frame > before && frame < after, "the frame's clock reading is not from this run");
        QVERIFY(figures.captured(3).toLong() > 0);
    }
};

QTEST_GUILESS_MAIN(TestFirstFrame)
#include "tst_firstframe.moc"
