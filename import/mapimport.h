#pragma once

#include <QString>
#include <QStringList>

// Making a new dungeon from a map file of another program, and writing a
// dungeon as one.
namespace Import {

// Larger than a picture of the largest allowed size needs, in base64.
constexpr qint64 MaxMapFileBytes = 256LL * 1024 * 1024;

struct ImportResult
{
    int number = 0;       // the new dungeon; 0 when nothing was made
    int rooms = 0;        // the rooms given a spot
    int roomsLeftOut = 0; // rooms found beyond the forty spots
    QString error;        // "<file>: <reason>"

    bool ok() const { return number != 0; }
};

// The file dialog's patterns of the map files import reads, e.g. "*.dd2vtt".
QStringList mapFilePatterns();
// Whether import reads the file, judging by its name.
bool isMapFile(const QString &path);

// Makes the next free DungeonN from a Universal VTT file: the picture beside
// dungeon.json, a room and a spot for each room its walls and doors close
// (the forty largest, numbered in reading order), its grid and its doors.
// Nothing is left behind when it fails.
ImportResult importMapFile(const QString &programFolder, const QString &path, const QString &title);

// Writes dungeon `number` as a Universal VTT file; the error, empty on success.
QString exportUniversalVtt(const QString &programFolder, int number, const QString &path);

} // namespace Import
