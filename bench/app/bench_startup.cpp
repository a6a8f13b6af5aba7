// Start-up and memory of the whole program against one empty Qt window: each
// probe is started afresh many times, alternating, and timed from the moment
// it is started to the moment its window is first painted. The probes run on
// the platform this driver runs on (QT_QPA_PLATFORM, DISPLAY).
#include "benchsupport.h"
#include "firstpaint.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QProcess>
#include <QTextDocument>

#include <cstdio>
#include <map>
#include <optional>

namespace {

// What one probe reported, by report line: milliseconds since it was started
// and peak resident memory in MiB.
struct Reading
{
    double milliseconds;
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
        if (fields.size() == 3)
            readings[fields[0]] = {(fields[1].toLongLong() - started) / 1e6,
                                   fields[2].toLongLong() / 1024.0};
    }
    if (!readings.count("painted")) {
        std::fprintf(stderr, "%s never painted\n", qPrintable(probe));
        return std::nullopt;
    }
    return readings;
}

struct Series
{
    std::vector<double> milliseconds, peakMiB;
    void add(const Reading &reading)
    {
        milliseconds.push_back(reading.milliseconds);
        peakMiB.push_back(reading.peakMiB);
    }
};

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

    // The first start of each fills the page cache; it is not counted.
    if (!launch(QStringLiteral("minimal_probe")) || !launch(QStringLiteral("startup_probe")))
        return 1;

    Series empty, board;
    for (int run = 0; run < runs; ++run) {
        // Alternating which goes first spreads any drift of the machine evenly.
        std::optional<Readings> emptyRun, boardRun;
        if (run % 2) {
            emptyRun = launch(QStringLiteral("minimal_probe"));
            boardRun = launch(QStringLiteral("startup_probe"));
        } else {
            boardRun = launch(QStringLiteral("startup_probe"));
            emptyRun = launch(QStringLiteral("minimal_probe"));
        }
        if (!emptyRun || !boardRun)
            return 1;
        empty.add(emptyRun->at("painted"));
        board.add(boardRun->at("painted"));
    }

    // Peak memory once every encounter has been shown, each with typical content.
    std::vector<double> visitedMiB;
    {
        Bench::ScratchDungeons dungeons;
        QTextDocument details;
        Bench::fillTypicalDetails(&details);
        for (int number = 1; number <= 40; ++number) {
            if (dungeons.write(number, Bench::typicalCells(number), details) < 0)
                return 1;
        }
        for (int run = 0; run < qMin(runs, 5); ++run) {
            const auto visit = launch(QStringLiteral("startup_probe"), {QStringLiteral("--visit-all")});
            if (!visit || !visit->count("visited"))
                return 1;
            visitedMiB.push_back(visit->at("visited").peakMiB);
        }
    }

    const double boardMs = Bench::median(board.milliseconds);
    const double emptyMs = Bench::median(empty.milliseconds);
    const double ratio = boardMs / emptyMs;
    const double boardMiB = Bench::median(board.peakMiB);
    const double emptyMiB = Bench::median(empty.peakMiB);
    const double visitedPeak = Bench::median(visitedMiB);

    std::printf("Start-up to first paint on %s, median of %d starts each\n", qPrintable(label), runs);
    std::printf("  dungeon board     %7.1f ms   peak %6.1f MiB\n", boardMs, boardMiB);
    std::printf("  one empty window  %7.1f ms   peak %6.1f MiB\n", emptyMs, emptyMiB);
    std::printf("  ratio             %7.2f x\n", ratio);
    std::printf("  after visiting all 40 encounters   peak %6.1f MiB (median of %zu)\n",
                visitedPeak, visitedMiB.size());

    Bench::printRow(QStringLiteral("Start-up to first paint, %1").arg(label),
                    QStringLiteral("%1 ms; empty window %2 ms: %3 x")
                        .arg(boardMs, 0, 'f', 1).arg(emptyMs, 0, 'f', 1).arg(ratio, 0, 'f', 2),
                    QStringLiteral("within 1.3 x"), Bench::metText(ratio <= 1.3));
    Bench::printRow(QStringLiteral("Peak memory after start-up, %1").arg(label),
                    QStringLiteral("%1 MiB; empty window %2 MiB (+%3 MiB)")
                        .arg(boardMiB, 0, 'f', 1).arg(emptyMiB, 0, 'f', 1)
                        .arg(boardMiB - emptyMiB, 0, 'f', 1),
                    QStringLiteral("-"), QStringLiteral("-"));
    Bench::printRow(QStringLiteral("Peak memory after visiting all 40 encounters, %1").arg(label),
                    QStringLiteral("%1 MiB (+%2 MiB over start-up)")
                        .arg(visitedPeak, 0, 'f', 1).arg(visitedPeak - boardMiB, 0, 'f', 1),
                    QStringLiteral("-"), QStringLiteral("-"));
    return 0;
}
