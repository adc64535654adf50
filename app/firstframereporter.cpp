#include "firstframereporter.h"

#include "afterfirstframe.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace sprout {

namespace {

long long nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Milliseconds since this process began, from its start time in /proc (counted in
// clock ticks since boot, as CLOCK_BOOTTIME counts); -1 when it cannot be read.
double millisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name may hold blanks; the fields after it never do.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTime = 22 - 3; // field 22, counted from the state (field 3)
    if (fields.size() <= kStartTime)
        return -1;
    const double startSeconds = fields[kStartTime].toDouble() / sysconf(_SC_CLK_TCK);
    return nanoseconds(CLOCK_BOOTTIME) / 1e6 - startSeconds * 1e3;
}

} // namespace

long FirstFrameReporter::peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

bool FirstFrameReporter::asked()
{
    return qEnvironmentVariableIntValue("SPROUTKIN_BENCH_FIRST_FRAME") == 1;
}

void FirstFrameReporter::watch(QWidget* window)
{
    if (window)
        AfterFirstFrame::run(window, report);
}

void FirstFrameReporter::report()
{
    const long long monotonic = nanoseconds(CLOCK_MONOTONIC);
    std::printf("first-frame-ms %.1f monotonic-ns %lld vmhwm-kb %ld\n",
                millisecondsSinceProcessStart(), monotonic, peakResidentKilobytes());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace sprout
