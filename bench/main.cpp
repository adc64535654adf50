// Speed and memory of Sproutkin against bare baselines, printed as one table.
// Run by scripts/bench on a virtual X server; see README.md, "Performance".
//   sproutkin-bench [--runs N]
// Every figure is the median of N runs (more for the short ones) with its range,
// beside a baseline measured in the same run.
#include "clock.h"
#include "fullscreenbench.h"
#include "microbench.h"
#include "screenprobe.h"
#include "statistics.h"
#include "voicebench.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <optional>

using namespace sprout::bench;

namespace {

QString binFolder() { return QCoreApplication::applicationDirPath(); }

struct Finished {
    QString output;
    int exitCode = -1;
    double wallMs = 0;
};

Finished runChild(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                  int expectedExitCode = 0)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    Finished finished;
    const long long start = monotonicNanoseconds();
    child.start(program, arguments);
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
    }
    finished.wallMs = (monotonicNanoseconds() - start) / 1e6;
    finished.output = QString::fromLocal8Bit(child.readAllStandardOutput());
    finished.exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    if (finished.exitCode != expectedExitCode)
        std::fprintf(stderr, "bench: %s %s ended with %d: %s\n", qPrintable(program),
                     qPrintable(arguments.join(' ')), finished.exitCode,
                     child.readAllStandardError().constData());
    return finished;
}

QString field(const QString& text, const QString& key)
{
    return QRegularExpression(QRegularExpression::escape(key) + QStringLiteral(" (\\S+)"))
        .match(text).captured(1);
}

// Start-up of one program to its first frame, timed from just before it is started.
struct StartUp {
    Samples ms;
    Samples peakMiB;
};

void startOnce(const QString& program, StartUp& into)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SPROUTKIN_BENCH_FIRST_FRAME"), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    const long long start = monotonicNanoseconds();
    child.start(program, {});
    child.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    const QString frame = field(output, QStringLiteral("monotonic-ns"));
    if (child.exitCode() != 0 || frame.isEmpty()) {
        std::fprintf(stderr, "bench: %s gave no first frame (%s)\n", qPrintable(program),
                     qPrintable(output.trimmed()));
        return;
    }
    into.ms.add((frame.toLongLong() - start) / 1e6);
    into.peakMiB.add(field(output, QStringLiteral("vmhwm-kb")).toDouble() / 1024);
}

// What a figure is held to: a multiple of its baseline measured in the same run (so
// that the goal holds on a slow machine as on a fast one), an amount above it, or a
// plain limit.
struct Goal {
    enum class Kind { None, Times, Above, Below } kind = Kind::None;
    double limit = 0;
};
Goal times(double limit) { return {Goal::Kind::Times, limit}; }
Goal above(double limit) { return {Goal::Kind::Above, limit}; }
Goal below(double limit) { return {Goal::Kind::Below, limit}; }

struct Row {
    QString figure;
    Samples value;
    Samples baseline;
    Goal goal;
    QString note;
};

QString number(double value)
{
    if (value >= 100)
        return QString::number(value, 'f', 0);
    if (value >= 10)
        return QString::number(value, 'f', 1);
    if (value >= 0.1)
        return QString::number(value, 'f', 2);
    return QString::number(value, 'f', 3);
}

QString cell(const Samples& samples)
{
    if (samples.empty())
        return QStringLiteral("—");
    return number(samples.median());
}

QString range(const Samples& samples)
{
    if (samples.empty())
        return QStringLiteral("—");
    return number(samples.min()) + QStringLiteral(" – ") + number(samples.max());
}

// The figure as its goal reads it: a multiple of the baseline, an amount above it,
// or the figure itself; nothing when there is no goal or a sample is missing.
std::optional<double> judged(const Row& row)
{
    if (row.goal.kind == Goal::Kind::None || row.value.empty())
        return {};
    if (row.goal.kind == Goal::Kind::Below)
        return row.value.median();
    if (row.baseline.empty())
        return {};
    return row.goal.kind == Goal::Kind::Times ? row.value.median() / row.baseline.median()
                                              : row.value.median() - row.baseline.median();
}

// "| against baseline | goal | met |" of one row.
QString verdict(const Row& row)
{
    const std::optional<double> figure = judged(row);
    const QString limit = QString::number(row.goal.limit);
    QString against = QStringLiteral("—"), goal = QStringLiteral("—");
    switch (row.goal.kind) {
    case Goal::Kind::None: break;
    case Goal::Kind::Times:
        goal = QStringLiteral("≤ %1 ×").arg(limit);
        if (figure)
            against = QStringLiteral("%1 ×").arg(QString::number(*figure, 'f', 2));
        break;
    case Goal::Kind::Above:
        goal = QStringLiteral("≤ + %1").arg(limit);
        if (figure)
            against = QStringLiteral("+ %1").arg(number(*figure));
        break;
    case Goal::Kind::Below: goal = QStringLiteral("≤ %1").arg(limit); break;
    }
    const QString met = !figure ? QStringLiteral("—") : *figure <= row.goal.limit ? QStringLiteral("yes")
                                                                                  : QStringLiteral("NO");
    return against + QStringLiteral(" | ") + goal + QStringLiteral(" | ") + met;
}

QString firstLine(const QString& path, const QString& prefix)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // Files in /proc say they are empty until read: read all, not line by line.
    for (const QString& line : QString::fromLocal8Bit(file.readAll()).split('\n'))
        if (line.startsWith(prefix))
            return line.section(':', 1).trimmed();
    return {};
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(' ', 0, 2)
                                          : QString();
}

int measure(int runs)
{
    const QString program = binFolder() + QStringLiteral("/sproutkin");
    const QString bareProgram = binFolder() + QStringLiteral("/sproutkin-bench-window");
    const QString self = QCoreApplication::applicationFilePath();
    const QString loadBefore = loadAverage();
    std::vector<Row> rows;

    std::fprintf(stderr, "bench: start-up, %d runs each\n", runs * 2);
    StartUp sproutkin, bare;
    for (int run = 0; run < runs * 2; ++run) {
        // Taking turns spreads whatever else the machine does over both alike.
        startOnce(program, sproutkin);
        startOnce(bareProgram, bare);
    }
    rows.push_back({QStringLiteral("Start-up to the main menu's first frame (ms)"), sproutkin.ms,
                    bare.ms, times(1.2), QStringLiteral("baseline: bare window program")});
    rows.push_back({QStringLiteral("Peak memory at the first frame (MiB)"), sproutkin.peakMiB,
                    bare.peakMiB, {}, QString()});

    std::fprintf(stderr, "bench: memory after every screen, %d runs\n", runs);
    for (const bool voice : {false, true}) {
        Samples visited;
        QString phrases = QStringLiteral("?");
        for (int run = 0; run < runs; ++run) {
            QStringList arguments{QStringLiteral("--visit-all")};
            if (!voice)
                arguments << QStringLiteral("--silent");
            const Finished finished = runChild(self, arguments);
            if (finished.exitCode == 0) {
                visited.add(field(finished.output, QStringLiteral("vmhwm-kb")).toDouble() / 1024);
                phrases = field(finished.output, QStringLiteral("phrases-started"));
            }
        }
        // The voice may add up to 8 MiB: its client library, stream and phrase cache.
        rows.push_back({voice ? QStringLiteral("Peak memory after all 16 screens, voice on (MiB)")
                              : QStringLiteral("Peak memory after all 16 screens, voice off (MiB)"),
                        visited, bare.peakMiB, above(voice ? 33 : 25),
                        voice ? QStringLiteral("%1 phrases played").arg(phrases) : QString()});
    }

    const QStringList names = screenNames();
    std::fprintf(stderr, "bench: first opening in a fresh process, %d runs per screen\n", runs);
    auto openInFreshProcess = [&](const QString& name, bool first, Samples& painted, Samples& call) {
        QStringList arguments{QStringLiteral("--open"), name};
        if (first)
            arguments << QStringLiteral("--first");
        const Finished finished = runChild(self, arguments);
        const QStringList parts = finished.output.trimmed().split(' ');
        if (finished.exitCode == 0 && parts.size() == 4 && parts[3] == QLatin1String("1")) {
            call.add(parts[1].toDouble());
            painted.add(parts[2].toDouble());
        }
    };
    Samples bareFirst, bareFirstCall, bareAfterMenu, bareAfterMenuCall;
    std::vector<Samples> coldPainted(names.size()), coldCall(names.size());
    for (int run = 0; run < runs; ++run) {
        openInFreshProcess(QLatin1String(kBareName), true, bareFirst, bareFirstCall);
        openInFreshProcess(QLatin1String(kBareName), false, bareAfterMenu, bareAfterMenuCall);
        for (int index = 0; index < names.size(); ++index)
            openInFreshProcess(names[index], index == 0, coldPainted[index], coldCall[index]);
    }
    for (int index = 0; index < names.size(); ++index) {
        const bool menu = index == 0;
        rows.push_back({QStringLiteral("First opening, first in process: %1 (ms)").arg(names[index]),
                        coldPainted[index], menu ? bareFirst : bareAfterMenu, times(menu ? 1.35 : 3),
                        QStringLiteral("show() %1").arg(cell(coldCall[index]))
                            + (menu ? QStringLiteral("; first window of the process")
                                    : QStringLiteral("; after the main menu"))});
    }

    const int rounds = runs + 1;
    std::fprintf(stderr, "bench: warm openings and returns, %d rounds\n", rounds);
    std::vector<Samples> warmOpen(names.size() + 1), warmOpenCall(names.size() + 1),
        warmReturn(names.size() + 1), warmReturnCall(names.size() + 1);
    Samples stale, staleCall;
    const Finished warm = runChild(self, {QStringLiteral("--warm"), QString::number(rounds)});
    for (const QString& line : warm.output.split('\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(' ');
        // Round 0 opens every screen for the first time in the process: not warm.
        if (parts.size() == 4 && parts[0] == QLatin1String("stale") && parts[1].toInt() > 0) {
            staleCall.add(parts[2].toDouble());
            stale.add(parts[3].toDouble());
        }
        if (parts.size() != 7 || parts[0] != QLatin1String("warm") || parts[1].toInt() == 0)
            continue;
        qsizetype index = names.indexOf(parts[2]);
        if (index < 0)
            index = names.size(); // the bare window
        warmOpenCall[index].add(parts[3].toDouble());
        warmOpen[index].add(parts[4].toDouble());
        warmReturnCall[index].add(parts[5].toDouble());
        warmReturn[index].add(parts[6].toDouble());
    }
    const qsizetype bareIndex = names.size();
    for (int index = 0; index < names.size(); ++index)
        rows.push_back({QStringLiteral("First opening, warm: %1 (ms)").arg(names[index]), warmOpen[index],
                        warmOpen[bareIndex], times(3), QStringLiteral("show() %1").arg(cell(warmOpenCall[index]))});
    for (int index = 0; index < names.size(); ++index)
        rows.push_back({QStringLiteral("Return to a loaded screen: %1 (ms)").arg(names[index]), warmReturn[index],
                        warmReturn[bareIndex], times(2),
                        QStringLiteral("show()+hide() %1").arg(cell(warmReturnCall[index]))});
    rows.push_back({QStringLiteral("Return to a screen left long ago, pixels let go: frmColors (ms)"),
                    stale, warmOpen[bareIndex], times(3),
                    QStringLiteral("show()+hide() %1; baseline: opening a new bare window").arg(cell(staleCall))});

    std::fprintf(stderr, "bench: game rules\n");
    const MicroResult move = ticTacToeMove(runs * 2);
    rows.push_back({QStringLiteral("Tic-Tac-Toe: child's move and computer's answer, no pause (ns)"),
                    move.figure, move.baseline, {}, QStringLiteral("baseline: starting a game")});
    const MicroResult score = scoreRule(runs * 2);
    rows.push_back({QStringLiteral("Quiz score rule, one result text (ns)"), score.figure,
                    score.baseline, {}, QStringLiteral("baseline: asking whether the award is due")});

    std::fprintf(stderr, "bench: picture generation, %d runs\n", runs);
    Samples drawing, drawingBaseline;
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir folder;
        const Finished finished = runChild(QStringLiteral(SPROUT_ASSETGEN),
                                           {folder.filePath(QStringLiteral("builtin")),
                                            folder.filePath(QStringLiteral("files"))},
                                           offscreen);
        if (finished.exitCode == 0)
            drawing.add(finished.wallMs);
        // Without its two folders the tool starts its application object and stops.
        drawingBaseline.add(runChild(QStringLiteral(SPROUT_ASSETGEN), {}, offscreen, 2).wallMs);
    }
    rows.push_back({QStringLiteral("Picture generation, assetgen, all pictures (ms)"), drawing,
                    drawingBaseline, below(5000), QStringLiteral("baseline: assetgen start-up only")});

    std::fprintf(stderr, "bench: voice latency, %d phrases\n", runs * 4);
    const VoiceLatency voice = voiceLatency(runs * 4);
    rows.push_back({QStringLiteral("Voice: say() to the phrase's first sound leaving the program (ms)"),
                    voice.sayToFirstWriteMs, voice.serverLatencyMs, below(50),
                    voice.sayToFirstWriteMs.empty()
                        ? QStringLiteral("no audio server answered")
                        : QStringLiteral("baseline: the audio server's own latency for it (ms)")});
    rows.push_back({QStringLiteral("Voice: first phrase, opening the stream (ms)"), voice.firstPhraseMs, {}, {},
                    QStringLiteral("once, after the main menu's first frame")});

    QString cpu = firstLine(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name"));
    if (cpu.isEmpty()) // some virtual machines name no model
        cpu = QStringLiteral("CPU model not named in /proc/cpuinfo");
    std::printf("Machine: %d cores (nproc), %s, Qt %s, %s; load average %s before, %s after\n\n",
                QThread::idealThreadCount(), qPrintable(cpu), qVersion(),
                qPrintable(QSysInfo::prettyProductName()), qPrintable(loadBefore),
                qPrintable(loadAverage()));
    std::printf("| Figure | median | min – max | baseline median | baseline min – max | against baseline "
                "| goal | met | note |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---|---|---|\n");
    for (const Row& row : rows)
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", qPrintable(row.figure), qPrintable(cell(row.value)),
                    qPrintable(range(row.value)), qPrintable(cell(row.baseline)), qPrintable(range(row.baseline)),
                    qPrintable(verdict(row)), qPrintable(row.note));
    std::printf("\nRuns: start-up %d each, first openings %d per screen (fresh process each), "
                "warm openings and returns %d rounds in one process, memory %d, "
                "game rules %d samples, assetgen %d, voice %d phrases.\n",
                runs * 2, runs, rounds - 1, runs, runs * 2, runs, runs * 4);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (isProbe(argc, argv))
        return runProbe(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    int runs = 7;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--runs")); at > 0)
        runs = qMax(1, arguments.value(at + 1).toInt());
    if (arguments.contains(QStringLiteral("--full-screen")))
        return measureFullScreen(runs);
    return measure(runs);
}
