#pragma once

#include <QByteArrayView>
#include <QString>

class QIODevice;

// A dungeon in one file, Title.dungeon, to send to another game master or
// carry to another computer: a ZIP archive of the dungeon folder's files,
// each byte for byte and with its own name, no folders:
//   dungeon.json, the map picture it names, <T>.Encounter, <T>.Encounter<N>,
//   and, when asked for, table.json (the revealed rooms) and fight.json.
// An archive comes from anyone, so its import trusts nothing in it: it is
// unpacked into a folder of its own, checked by the program's own readers,
// and only then named as the next free DungeonN.
namespace Exchange {

inline constexpr char ArchiveSuffix[] = "dungeon";
// What an import takes at most. Packed sizes come from the bytes actually
// read while unpacking, never from the archive's own headers.
constexpr int MaxEntries = 200;
constexpr qint64 MaxUnpackedBytes = 256 * 1024 * 1024;
constexpr qint64 MaxExpansion = 100; // unpacked bytes of an entry per packed byte

struct ExportChoices
{
    bool revealedRooms = false; // table.json
    bool fight = false;         // fight.json
};

// "<Title>.dungeon", a name every file system takes; "Dungeon N.dungeon"
// for a dungeon without a title.
QString archiveFileName(const QString &title, int dungeonNumber);

// Writes the dungeon folder's files to the archive, replacing it
// atomically. Each encounter's two files are those of one save. Returns
// the message naming the file and the reason, empty on success.
QString exportDungeon(const QString &dungeonFolder, const QString &archivePath, ExportChoices choices);

struct ImportResult
{
    int number = 0; // the new DungeonN
    QString error;  // "Cannot import <file>: <reason>" when refused

    bool ok() const { return number != 0; }
};

// Unpacks the archive as the next free dungeon below
// <programFolder>/Dungeons. A refusal leaves nothing behind.
ImportResult importDungeon(const QString &programFolder, const QString &archivePath);

// The steps of an import, for its tests and the fuzzer. Both return the
// reason of a refusal, empty when the files are fine.
//
// Unpacks the archive read from `input` into the empty `folder`, refusing
// what is not a ZIP archive or is damaged, paths that are absolute or hold
// "..", links, names that are no dungeon file, and archives over the limits.
QString unpackArchive(QIODevice &input, const QString &folder);
// Reads every file of an unpacked dungeon through the program's readers.
QString checkUnpackedDungeon(const QString &folder);

} // namespace Exchange
