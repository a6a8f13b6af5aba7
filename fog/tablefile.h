#pragma once

#include "fogstate.h"

#include "storage/encounterfiles.h"

#include <QString>

// A dungeon's table file, Dungeons/DungeonN/table.json: what the players
// have seen of it, kept between sessions.
//   { "revealed": [3, 7, 12], "current": 12 }
// Keys the program does not know are kept when it rewrites the file.
namespace TableFile {

QString path(const QString &dungeonFolder);

struct ReadResult
{
    FogState fog;  // hidden everywhere when the file is missing or unreadable
    QString error; // why the file cannot be read; empty when it can or is missing

    bool ok() const { return error.isEmpty(); }
};

ReadResult read(const QString &path);

// Replaces the file atomically with the fog's keys set, creating its folder
// when missing. Refuses, leaving the file as it is, when the file exists but
// cannot be read, since its other keys would be lost.
Storage::WriteResult write(const QString &path, const FogState &fog);

} // namespace TableFile
