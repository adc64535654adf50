#include "fullscreenbench.h"

#include "clock.h"
#include "screenprobe.h"
#include "statistics.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <cstdio>
#include <optional>

namespace sprout::bench {

namespace {

struct Run {
    QString output;
    bool ok = false;
};

Run run(const QString& program, const QStringList& arguments, bool fullScreen, bool firstFrame = false)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (fullScreen)
        environment.insert(QStringLiteral("SPROUTKIN_FULLSCREEN"), QStringLiteral("1"));
    if (firstFrame)
        environment.insert(QStringLiteral("SPROUTKIN_BENCH_FIRST_FRAME"), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(program, arguments);
    Run finished;
    finished.ok = child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit
                  && child.exitCode() == 0;
    finished.output = QString::fromLocal8Bit(child.readAllStandardOutput());
    if (!finished.ok)
        std::fprintf(stderr, "bench: %s %s failed: %s\n", qPrintable(program), qPrintable(arguments.join(' ')),
                     child.readAllStandardError().constData());
    return finished;
}

QString field(const QString& text, const QString& key)
{
    return QRegularExpression(QRegularExpression::escape(key) + QStringLiteral(" (\\S+)")).match(text).captured(1);
}

QString number(double value)
{
    return QString::number(value, 'f', value >= 100 ? 0 : value >= 10 ? 1 : 2);
}

QString median(const Samples& samples) { return samples.empty() ? QStringLiteral("—") : number(samples.median()); }
QString range(const Samples& samples)
{
    return samples.empty() ? QStringLiteral("—") : number(samples.min()) + QStringLiteral(" – ") + number(samples.max());
}

void printRow(const QString& figure, const Samples& value, const Samples& baseline, double ratio, double plus = 0,
              const QString& note = {})
{
    QString goal = QStringLiteral("—");
    std::optional<bool> met;
    if (ratio > 0 && !baseline.empty()) {
        const double limit = baseline.median() * ratio + plus;
        goal = plus > 0 ? QStringLiteral("≤ baseline + %1 = %2").arg(plus).arg(number(limit))
                        : QStringLiteral("≤ %1 × baseline = %2").arg(ratio).arg(number(limit));
        if (!value.empty())
            met = value.median() <= limit;
    } else if (ratio < 0 && !value.empty()) { // an absolute limit
        goal = QStringLiteral("≤ %1").arg(-ratio);
        met = value.median() <= -ratio;
    }
    std::printf("| %s | %s | %s | %s | %s | %s | %s | %s |\n", qPrintable(figure), qPrintable(median(value)),
                qPrintable(range(value)), qPrintable(median(baseline)), qPrintable(range(baseline)), qPrintable(goal),
                met ? (*met ? "yes" : "NO") : "—", qPrintable(note));
}

} // namespace

int measureFullScreen(int runs)
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString program = folder + QStringLiteral("/sproutkin");
    const QString bareProgram = folder + QStringLiteral("/sproutkin-bench-window");
    const QString self = QCoreApplication::applicationFilePath();
    const QString size = qEnvironmentVariable("SPROUTKIN_BENCH_SCREEN", QStringLiteral("?"));
    const QString label = QStringLiteral("Full screen %1: ").arg(size);

    std::fprintf(stderr, "bench: full screen %s, start-up\n", qPrintable(size));
    Samples start, bareStart, startPeak, barePeak;
    for (int round = 0; round < runs * 2; ++round)
        for (auto [binary, ms, peak] : {std::tuple(&program, &start, &startPeak), std::tuple(&bareProgram, &bareStart, &barePeak)}) {
            const long long before = monotonicNanoseconds();
            // The program is asked as a parent asks; the bare window reads the bench's switch.
            const QStringList arguments = binary == &program ? QStringList{QStringLiteral("--fullscreen")} : QStringList{};
            const Run started = run(*binary, arguments, true, true);
            const QString frame = field(started.output, QStringLiteral("monotonic-ns"));
            if (started.ok && !frame.isEmpty()) {
                ms->add((frame.toLongLong() - before) / 1e6);
                peak->add(field(started.output, QStringLiteral("vmhwm-kb")).toDouble() / 1024);
            }
        }

    std::fprintf(stderr, "bench: full screen %s, first openings\n", qPrintable(size));
    const QStringList names = screenNames();
    auto open = [&](const QString& name, bool first, Samples& into) {
        QStringList arguments{QStringLiteral("--open"), name};
        if (first)
            arguments << QStringLiteral("--first");
        const QStringList parts = run(self, arguments, true).output.trimmed().split(' ');
        if (parts.size() == 4 && parts[3] == QLatin1String("1"))
            into.add(parts[2].toDouble());
    };
    Samples bareFirst, bareAfterMenu;
    std::vector<Samples> opened(names.size());
    for (int round = 0; round < runs; ++round) {
        open(QLatin1String(kBareName), true, bareFirst);
        open(QLatin1String(kBareName), false, bareAfterMenu);
        for (int index = 0; index < names.size(); ++index)
            open(names[index], index == 0, opened[index]);
    }

    std::fprintf(stderr, "bench: full screen %s, returns, F11 and memory\n", qPrintable(size));
    std::vector<Samples> returned(names.size() + 1);
    for (const QString& line : run(self, {QStringLiteral("--warm"), QString::number(runs + 1)}, true).output.split('\n')) {
        const QStringList parts = line.split(' ');
        if (parts.size() != 7 || parts[0] != QLatin1String("warm") || parts[1].toInt() == 0)
            continue;
        const qsizetype index = names.indexOf(parts[2]);
        returned[index < 0 ? names.size() : index].add(parts[6].toDouble());
    }
    Samples toggleOn, toggleOff;
    for (const QString& line : run(self, {QStringLiteral("--toggle"), QString::number(runs * 2)}, false).output.split('\n'))
        if (const QStringList parts = line.split(' '); parts.size() == 3 && parts[0] == QLatin1String("toggle")) {
            toggleOn.add(parts[1].toDouble());
            toggleOff.add(parts[2].toDouble());
        }
    Samples visited;
    for (int round = 0; round < runs; ++round)
        if (const Run all = run(self, {QStringLiteral("--visit-all"), QStringLiteral("--silent")}, true); all.ok)
            visited.add(field(all.output, QStringLiteral("vmhwm-kb")).toDouble() / 1024);

    std::printf("\n| Figure | median | min – max | baseline median | baseline min – max | goal | met | note |\n");
    std::printf("|---|---:|---:|---:|---:|---|---|---|\n");
    printRow(label + QStringLiteral("start-up to the main menu's first frame (ms)"), start, bareStart, 1.2, 0,
             QStringLiteral("baseline: bare full-screen window program"));
    printRow(label + QStringLiteral("peak memory at the first frame (MiB)"), startPeak, barePeak, 0);
    printRow(label + QStringLiteral("peak memory after all 16 screens, voice off (MiB)"), visited, barePeak, 1, 40);
    printRow(label + QStringLiteral("first window, SproutMain (ms)"), opened[0], bareFirst, 1.35, 0,
             QStringLiteral("baseline: a bare full-screen window as the first"));
    for (int index = 1; index < names.size(); ++index)
        printRow(label + QStringLiteral("first opening, %1 (ms)").arg(names[index]), opened[index], bareAfterMenu, 3);
    for (int index = 0; index < names.size(); ++index)
        printRow(label + QStringLiteral("return to %1 (ms)").arg(names[index]), returned[index], returned[names.size()], 2);
    printRow(label + QStringLiteral("F11 into full screen, to its first frame (ms)"), toggleOn, {}, -100);
    printRow(label + QStringLiteral("F11 back to the window, to its first frame (ms)"), toggleOff, {}, -100);
    std::printf("\nRuns: start-up %d each, first openings %d per screen (fresh process each), returns %d rounds, "
                "F11 %d each way, memory %d.\n", runs * 2, runs, runs, runs * 2, runs);
    return 0;
}

} // namespace sprout::bench
