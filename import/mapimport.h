#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

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
    QStringList notesLeftOut; // a one-page dungeon's note numbers past forty
    QString error;        // "<file>: <reason>"

    bool ok() const { return number != 0; }
};

// The file dialog's patterns of the map files import reads, e.g. "*.dd2vtt".
QStringList mapFilePatterns();
// Whether import reads the file, judging by its name.
bool isMapFile(const QString &path);
// Whether it is a one-page dungeon, which brings its own title.
bool isOnePageDungeon(const QString &path);

// What the game master is told of an import that went well but left
// something out; empty when nothing was.
QString leftOutNotice(const ImportResult &result);

// Makes the next free DungeonN from a map file, titled `title`:
// - a Universal VTT file: the picture beside dungeon.json, a room and a spot
//   for each room its walls and doors close (the forty largest, numbered in
//   reading order), its grid and its doors;
// - a one-page dungeon (.json): the picture drawn from its plan, a room for
//   each of its rooms that is more than a corridor, spot N at note N, whose
//   text becomes encounter N's details, its own title (when it has one) and
//   its story.
// Nothing is left behind when it fails.
ImportResult importMapFile(const QString &programFolder, const QString &path, const QString &title);

// The title of a Universal VTT file's dungeon, asked once the file has been
// read, so that nothing is typed for a file that cannot be used; no answer
// makes nothing (and tells nothing). `suggested` is the file's name.
using TitleQuestion = std::function<std::optional<QString>(const QString &suggested)>;
ImportResult importMapFile(const QString &programFolder, const QString &path, const TitleQuestion &askTitle);

// Writes dungeon `number` as a Universal VTT file; the error, empty on success.
QString exportUniversalVtt(const QString &programFolder, int number, const QString &path);

} // namespace Import
