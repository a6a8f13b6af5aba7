// bench_booklet: the PDF booklet of a full dungeon, forty encounters of ten
// monsters and a page of formatted details each, built and printed as
// --export-pdf does. Prints the median CPU and wall time of several exports.
//   bench_booklet [runs]

#include "bench/app/benchsupport.h"
#include "booklet/booklet.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>
#include <ctime>

namespace {

constexpr double GoalCpuMs = 1000;

Storage::Cells tenMonsters(int number)
{
    Storage::Cells cells;
    for (int row = 0; row < 10; ++row) {
        cells[row] = QStringLiteral("Cave troll %1 of room %2").arg(row + 1).arg(number);
        cells[10 + row] = QString::number(4 + row % 4);
        cells[20 + row] = QStringLiteral("2d%1+%2").arg(4 + 2 * (row % 3)).arg(row);
        cells[30 + row] = QString::number(20 + 3 * row);
    }
    return cells;
}

// About 800 words with bold, italics, underlining, colour and a list: an A4
// page of text on its own.
void fillPageOfDetails(QTextDocument *document)
{
    Bench::fillTypicalDetails(document);
    const QString paragraph = document->toHtml();
    QString html;
    for (int i = 0; i < 11; ++i)
        html += paragraph;
    html += QStringLiteral("<ul><li>A <b>loose flagstone</b> hides a pit</li><li><i>Three</i> silver keys</li>"
                           "<li>A rope bridge over the well</li><li>The troll's <u>sleeping draught</u></li></ul>");
    document->setHtml(html);
}

double now(clockid_t clock)
{
    timespec time;
    clock_gettime(clock, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;

    Bench::ScratchDungeons dungeons;
    QTextDocument details;
    fillPageOfDetails(&details);
    for (int number = 1; number <= 40; ++number) {
        if (dungeons.write(number, tenMonsters(number), details) < 0)
            return 1;
    }

    QTemporaryDir output;
    const QString pdfPath = output.filePath(QStringLiteral("booklet.pdf"));
    std::vector<double> cpuMs, wallMs;
    for (int run = 0; run < runs; ++run) {
        const double cpu = now(CLOCK_PROCESS_CPUTIME_ID), wall = now(CLOCK_MONOTONIC);
        const Storage::WriteResult result = Booklet::exportPdf(
                Storage::programFolder(), 1, pdfPath, QPageSize(QPageSize::A4));
        cpuMs.push_back(now(CLOCK_PROCESS_CPUTIME_ID) - cpu);
        wallMs.push_back(now(CLOCK_MONOTONIC) - wall);
        if (!result.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(result.message()));
            return 1;
        }
    }

    // Untimed: how many pages the forty encounters take.
    const std::unique_ptr<QTextDocument> booklet = Booklet::dungeonBooklet(Storage::programFolder(), 1);
    QPdfWriter pages(output.filePath(QStringLiteral("pages.pdf")));
    pages.setPageSize(QPageSize(QPageSize::A4));
    Booklet::print(booklet.get(), &pages);

    const double cpu = Bench::median(cpuMs);
    Bench::printRow(QStringLiteral("Booklet of 40 encounters as PDF (10 monsters, a page of details each)"),
                    QStringLiteral("%1 ms CPU, %2 ms wall, %3 A4 pages, %4 KiB of PDF")
                            .arg(cpu, 0, 'f', 1)
                            .arg(Bench::median(wallMs), 0, 'f', 1)
                            .arg(booklet->pageCount())
                            .arg(QFileInfo(pdfPath).size() / 1024),
                    QStringLiteral("under 1 s of CPU"), Bench::metText(cpu < GoalCpuMs));
    return 0;
}
