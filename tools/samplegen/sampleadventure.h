#pragma once

#include "storage/filesteps.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// The sample adventure is written as sources that read well in review and
// stored in the program's own form, so a first run shows it as any saved
// encounter. Its sources, in one folder:
//   cells.txt   the monster tables: "== N" starts encounter N, then one
//               monster per line, "name | AC | damage | HP"
//   N.html      the details of encounter N; pictures are files beside it
namespace SampleAdventure {

struct StoredFile
{
    QString name; // N.Encounter, N.EncounterN or dungeon.json
    QByteArray bytes;
};

struct Encounters
{
    QMap<int, Storage::Cells> tables;
    QString error; // empty when the sources were read whole
};

struct StoredFiles
{
    QList<StoredFile> files;
    QString error;
};

// The monster tables of cells.txt, by encounter number.
Encounters readTables(const QString &sourceFolder);

// Both stored files of every encounter in the sources, in encounter order,
// then the dungeon's description with the rooms of the built-in map.
// The same sources always give the same bytes.
StoredFiles generate(const QString &sourceFolder);

} // namespace SampleAdventure
