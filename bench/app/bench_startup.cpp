// Start-up and memory of the whole program against the smallest Qt Widgets
// programs: each is started afresh many times, in turn, and timed from the
// moment it is started to the moment its window is first painted. The probes
// run on the platform this driver runs on (QT_QPA_PLATFORM, DISPLAY).
#include "benchsupport.h"
#include "firstpaint.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

namespace {

// What one probe reported, by report line: milliseconds since it was started,
// its CPU time in milliseconds and its peak resident memory in MiB.
struct Reading
{
    double milliseconds;
    double cpuMilliseconds;
    double peakMiB;
};
using Readings = std::map<QByteArray, Reading>;

std::optional<Readings> launch(const QString &probe, const QStringList &arguments = {})
{
    QProcess process;
    process.setProgram(QCoreApplication::applicationDirPath() + QLatin1Char('/') + probe);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = Probe::monotonicNanoseconds();
    process.start();
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(probe), qPrintable(process.errorString()));
        return std::nullopt;
    }
    Readings readings;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 4)
            readings[fields[0]] = {(fields[1].toLongLong() - started) / 1e6,
                                   fields[2].toLongLong() / 1e6, fields[3].toLongLong() / 1024.0};
    }
    if (!readings.count("painted")) {
        std::fprintf(stderr, "%s never painted\n", qPrintable(probe));
        return std::nullopt;
    }
    return readings;
}

// A program started again and again, and the medians of what it reported.
struct Contestant
{
    const char *name;
    QString probe;
    QStringList arguments;
    std::vector<double> milliseconds, cpuMilliseconds, peakMiB;

    bool launchOnce()
    {
        const auto readings = launch(probe, arguments);
        if (!readings)
            return false;
        const Reading &painted = readings->at("painted");
        milliseconds.push_back(painted.milliseconds);
        cpuMilliseconds.push_back(painted.cpuMilliseconds);
        peakMiB.push_back(painted.peakMiB);
        return true;
    }
    double ms() const { return Bench::median(milliseconds); }
    double cpuMs() const { return Bench::median(cpuMilliseconds); }
    double mib() const { return Bench::median(peakMiB); }
};

// The median of the ratios of two programs' starts taken in the same round:
// a busy spell of the machine slows both starts of a round alike, so this
// holds still where the ratio of the two medians swings.
double pairedRatio(const std::vector<double> &numerators, const std::vector<double> &denominators)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < std::min(numerators.size(), denominators.size()); ++i)
        ratios.push_back(numerators[i] / denominators[i]);
    return Bench::median(ratios);
}

// Peak memory of the board once every encounter has been shown, each with
// typical content.
std::optional<double> peakAfterVisitingAll(int runs)
{
    Bench::ScratchDungeons dungeons;
    QTextDocument details;
    Bench::fillTypicalDetails(&details);
    for (int number = 1; number <= 40; ++number) {
        if (dungeons.write(number, Bench::typicalCells(number), details) < 0)
            return std::nullopt;
    }
    std::vector<double> peakMiB;
    for (int run = 0; run < runs; ++run) {
        const auto readings = launch(QStringLiteral("startup_probe"), {QStringLiteral("--visit-all")});
        if (!readings || !readings->count("visited"))
            return std::nullopt;
        peakMiB.push_back(readings->at("visited").peakMiB);
    }
    return Bench::median(peakMiB);
}

// The machine's one-minute load average while the figures were taken: other
// programs stretch the clock, not the CPU time.
QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readLine().split(' ').value(0));
}

QString fixed(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Start-up and memory of Dungeon Board."));
    options.addHelpOption();
    options.addOption({QStringLiteral("runs"), QStringLiteral("Starts of each program."),
                       QStringLiteral("n"), QStringLiteral("30")});
    options.addOption({QStringLiteral("label"), QStringLiteral("Names the display in the table."),
                       QStringLiteral("text"), QGuiApplication::platformName()});
    options.process(application);
    const int runs = qMax(1, options.value(QStringLiteral("runs")).toInt());
    const QString label = options.value(QStringLiteral("label"));

    // The window with one label is the yardstick; the empty window shows what
    // the first text on screen costs any program.
    std::array<Contestant, 3> contestants = {{
        {"dungeon board", QStringLiteral("startup_probe"), {}, {}, {}, {}},
        {"one empty window", QStringLiteral("minimal_probe"), {}, {}, {}, {}},
        {"one window, one label", QStringLiteral("minimal_probe"), {QStringLiteral("--label")}, {}, {}, {}},
    }};
    Contestant &board = contestants[0], &empty = contestants[1], &labelled = contestants[2];

    // The first start of each fills the page cache; it is not counted.
    for (const Contestant &contestant : contestants) {
        if (!launch(contestant.probe, contestant.arguments))
            return 1;
    }
    for (int run = 0; run < runs; ++run) {
        // Taking turns at going first spreads any drift of the machine evenly.
        for (size_t turn = 0; turn < contestants.size(); ++turn) {
            if (!contestants[(run + turn) % contestants.size()].launchOnce())
                return 1;
        }
    }
    const auto visitedMiB = peakAfterVisitingAll(qMin(runs, 5));
    if (!visitedMiB)
        return 1;

    std::printf("Start-up to first paint on %s, median of %d starts each\n", qPrintable(label), runs);
    for (const Contestant &contestant : contestants) {
        std::printf("  %-22s %7.1f ms (%5.2f x)   CPU %6.1f ms (%5.2f x)   peak %6.1f MiB\n",
                    contestant.name, contestant.ms(), contestant.ms() / labelled.ms(),
                    contestant.cpuMs(), contestant.cpuMs() / labelled.cpuMs(), contestant.mib());
    }
    std::printf("  board after visiting all 40 encounters: peak %.1f MiB\n", *visitedMiB);

    // The window with one label is the yardstick: any window with text pays
    // for fonts, which an empty window never sets up.
    const double ratio = board.ms() / labelled.ms();
    const double cpuRatio = board.cpuMs() / labelled.cpuMs();
    const double roundRatio = pairedRatio(board.milliseconds, labelled.milliseconds);
    std::printf("  board / one-label window, median of the rounds' ratios: %.2f x (CPU %.2f x)\n",
                roundRatio, pairedRatio(board.cpuMilliseconds, labelled.cpuMilliseconds));
    const double memoryRatio = board.mib() / labelled.mib();
    const QString load = loadAverage();
    Bench::printRow(QStringLiteral("Start-up to first paint, %1").arg(label),
                    QStringLiteral("%1 ms (CPU %2 ms); one-label window %3 ms (CPU %4 ms): %5 x "
                                   "(CPU %6 x), round by round %7 x; load average %8")
                        .arg(fixed(board.ms()), fixed(board.cpuMs()), fixed(labelled.ms()),
                             fixed(labelled.cpuMs()), fixed(ratio, 2), fixed(cpuRatio, 2),
                             fixed(roundRatio, 2), load),
                    QStringLiteral("within 1.2 x"), Bench::metText(ratio <= 1.2));
    Bench::printRow(QStringLiteral("Start-up, empty window, %1").arg(label),
                    QStringLiteral("%1 ms (CPU %2 ms): the one-label window is %3 x it")
                        .arg(fixed(empty.ms()), fixed(empty.cpuMs()),
                             fixed(labelled.ms() / empty.ms(), 2)),
                    QStringLiteral("-"), QStringLiteral("-"));
    Bench::printRow(QStringLiteral("Peak memory after start-up, %1").arg(label),
                    QStringLiteral("%1 MiB; one-label window %2 MiB: %3 x")
                        .arg(fixed(board.mib()), fixed(labelled.mib()), fixed(memoryRatio, 2)),
                    QStringLiteral("within 1.15 x"), Bench::metText(memoryRatio <= 1.15));
    Bench::printRow(QStringLiteral("Peak memory after visiting all 40 encounters, %1").arg(label),
                    QStringLiteral("%1 MiB (+%2 MiB over start-up)")
                        .arg(fixed(*visitedMiB), fixed(*visitedMiB - board.mib())),
                    QStringLiteral("-"), QStringLiteral("-"));
    return 0;
}
