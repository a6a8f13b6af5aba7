// Prints how long reading and writing one full table file takes, and one
// whole encounter (the table and typical details) as the program reads and
// saves it: the median of many runs, in microseconds.
#include "storage/filesteps.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

volatile qsizetype sink; // keeps the measured work from being optimised away

template <typename Step>
double medianMicroseconds(int runs, Step step)
{
    std::vector<qint64> nanoseconds;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        step();
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::nth_element(nanoseconds.begin(), nanoseconds.begin() + runs / 2, nanoseconds.end());
    return nanoseconds[runs / 2] / 1000.0;
}

// Every cell filled, the heaviest table a game master types.
Storage::Cells fullTable()
{
    Storage::Cells cells;
    for (int row = 0; row < 10; ++row) {
        cells[row] = QStringLiteral("Orc leader of the Bleeding Eye, rank %1").arg(row + 1);
        cells[10 + row] = QString::number(10 + row);
        cells[20 + row] = QStringLiteral("2d6+%1").arg(row);
        cells[30 + row] = QString::number(40 + row);
    }
    return cells;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const Storage::EncounterFiles files = Storage::encounterFiles(dir.path(), 1, "7");
    const Storage::Cells cells = fullTable();
    if (!Storage::createFolders(files).ok() || !Storage::writeTable(files.tableFile, cells).ok()) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(dir.path()));
        return 1;
    }
    const QByteArray table = Storage::encodeTable(cells);

    const int runs = 2000;
    std::printf("table of 40 filled cells, median of %d runs\n", runs);
    std::printf("encode in memory   %9.1f us\n", medianMicroseconds(runs, [&] {
        sink = Storage::encodeTable(cells, table).size();
    }));
    std::printf("decode in memory   %9.1f us\n", medianMicroseconds(runs, [&] {
        sink = Storage::decodeTable(table)[0].size();
    }));
    std::printf("read table file    %9.1f us\n", medianMicroseconds(runs, [&] {
        sink = Storage::readTableCreatingFile(files)[0].size();
    }));
    std::printf("write table file   %9.1f us\n", medianMicroseconds(runs, [&] {
        sink = Storage::writeTable(files.tableFile, cells).ok();
    }));

    const QByteArray details = "{\\rtf1\\ansi " + QByteArray(2000, 'x') + '}';
    Storage::Version version = Storage::readEncounter(files, Storage::ReadMode::Open).version;
    std::printf("save encounter     %9.1f us\n", medianMicroseconds(runs, [&] {
        version = Storage::saveEncounter(files, cells, details, version).onDisk;
    }));
    std::printf("read encounter     %9.1f us\n", medianMicroseconds(runs, [&] {
        sink = Storage::readEncounter(files, Storage::ReadMode::Open).details.size();
    }));
    return 0;
}
