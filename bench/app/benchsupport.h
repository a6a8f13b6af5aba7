#pragma once

// What the board benchmarks share: the encounters they show and save, the
// scratch Dungeons folder they live in, medians and the result table.

#include "storage/filesteps.h"

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

// Wall-clock time, and the CPU time of the whole process with every thread:
// the work a press costs the machine, whatever else the machine is doing.
struct Cost
{
    double wallMs, cpuMs;
};

class Stopwatch
{
public:
    Cost elapsed() const
    {
        return {(now(CLOCK_MONOTONIC) - m_wall) / 1e6,
                (now(CLOCK_PROCESS_CPUTIME_ID) - m_cpu) / 1e6};
    }

private:
    static qint64 now(clockid_t clock)
    {
        timespec time;
        clock_gettime(clock, &time);
        return time.tv_sec * 1'000'000'000LL + time.tv_nsec;
    }

    qint64 m_wall = now(CLOCK_MONOTONIC);
    qint64 m_cpu = now(CLOCK_PROCESS_CPUTIME_ID);
};

struct Costs
{
    std::vector<double> wallMs, cpuMs;

    void add(Cost cost)
    {
        wallMs.push_back(cost.wallMs);
        cpuMs.push_back(cost.cpuMs);
    }
    Cost median() const { return {Bench::median(wallMs), Bench::median(cpuMs)}; }

    template<typename Work>
    void time(Work work)
    {
        const Stopwatch stopwatch;
        work();
        add(stopwatch.elapsed());
    }
};


// One row of the table bench/run-all.sh prints.
void printRow(const QString &benchmark, const QString &figure, const QString &goal,
              const QString &met);
QString metText(bool met);

// Prints the medians of a step's costs and their row of the table; met when
// the CPU time is under goalCpuMs.
void report(const char *what, int runs, const Costs &costs, const QString &goal = {},
            double goalCpuMs = 0);

} // namespace Bench
