#pragma once

// What the board benchmarks share: the encounters they show and save, the
// scratch Dungeons folder they live in, medians and the result table.

#include "storage/filesteps.h"

#include <QElapsedTimer>
#include <QString>

#include <ctime>
#include <vector>

class QTextDocument;

namespace Bench {

// Two monsters, as a game master fills in most encounters.
Storage::Cells typicalCells(int number);
// One paragraph of formatted details.
void fillTypicalDetails(QTextDocument *document);
// About a megabyte of RTF: chapters of formatted runs, bulleted and numbered
// lists, a table now and then and a few pictures.
void fillLargeDetails(QTextDocument *document);
// About five megabytes of RTF: the large details and four photographs of
// 1600 x 1200 pixels, as JPEG.
void fillPhotoDetails(QTextDocument *document);

// The Dungeons folder beside the executable, which is where the program looks
// for encounters. It belongs to the benchmarks: made empty at the start and
// removed at the end.
class ScratchDungeons
{
public:
    ScratchDungeons();
    ~ScratchDungeons();
    ScratchDungeons(const ScratchDungeons &) = delete;
    ScratchDungeons &operator=(const ScratchDungeons &) = delete;

    // Writes both files of encounter `number` of dungeon 1; the size of the
    // details file, or -1 with a message when it could not be written.
    qint64 write(int number, const Storage::Cells &cells, const QTextDocument &details);

private:
    QString m_root;
};

double median(std::vector<double> values);

// Wall and CPU time of repeated work. The CPU time counts the work itself,
// however busy the machine is.
struct Costs
{
    std::vector<double> wallMs, cpuMs;

    template<typename Work>
    void time(Work work)
    {
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpu = std::clock();
        work();
        cpuMs.push_back((std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
        wallMs.push_back(wall.nsecsElapsed() / 1e6);
    }
};

// Prints the medians and the worst CPU time, and their row of the table. A
// goal of 0 ms: a figure to explain the others, with no goal of its own.
void report(const char *what, const Costs &costs, const char *goal = "-", double goalCpuMs = 0);

// One row of the table bench/run-all.sh prints.
void printRow(const QString &benchmark, const QString &figure, const QString &goal,
              const QString &met);
QString metText(bool met);

} // namespace Bench
