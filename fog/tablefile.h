#pragma once

#include "fogstate.h"

#include "storage/encounterfiles.h"

#include <QByteArray>
#include <QString>

// A dungeon's table file, Dungeons/DungeonN/table.json: what the players
// have seen of it, kept between sessions.
//   { "revealed": [3, 7, 12], "current": 0, "revealedAreas": [2], "currentArea": 2 }
// Spots and areas in lists of their own, so that a file without areas reads
// as before; "current" names a spot, "currentArea" an area, never both.
// Keys the program does not know are kept when it rewrites the file.
namespace TableFile {

QString path(const QString &dungeonFolder);

struct ReadResult
{
    FogState fog;  // hidden everywhere when the file is missing or unreadable
    QString error; // why the file cannot be read, naming the value; empty when it can or is missing

    bool ok() const { return error.isEmpty(); }
};

// Reads the file in its dungeon folder's shared turn.
ReadResult read(const QString &path);
// The state the bytes of a table file hold.
ReadResult parse(const QByteArray &bytes);

// The file's bytes with the fog's keys set over the other keys of `old`.
QByteArray encode(const FogState &fog, const QByteArray &old = {});

// `theirs` with the change from `base` to `next` applied: rooms revealed or
// hidden by it are so, the others as theirs has them; the current room is
// the change's when it made one current, none only where the change
// knew the current room of the file.
FogState merged(const FogState &theirs, const FogState &base, const FogState &next);

struct ChangeResult
{
    Storage::WriteResult written;
    FogState onDisk; // what the file holds afterwards, the change merged in
    bool unreadable = false; // the file could not be read, so it was left alone
};

// Applies the change from `base` to `next` to what the file holds now, read
// and written in the dungeon folder's turn alone, so that a change another
// copy of the program made meanwhile is kept. Refuses, leaving the file as
// it is, when the file exists but cannot be read, since its other keys would
// be lost.
ChangeResult change(const QString &path, const FogState &base, const FogState &next);

// Replaces the fog the file holds, keeping its other keys.
Storage::WriteResult write(const QString &path, const FogState &fog);

} // namespace TableFile
