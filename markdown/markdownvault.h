#pragma once

#include <QString>

// A dungeon as a folder of Markdown notes, for the note apps game masters
// keep their campaigns in (they open such a folder as a vault):
//   "NN Title.md" for each encounter that holds something, titled by the
//   first line of its details: YAML front matter (encounter, dungeon,
//   monsters), the monster table and the details, their pictures beside as
//   "encounter-NN-picture-K.png";
//   "<Dungeon title>.md", the index: the map picture and a [[link]] to each
//   encounter's note.
namespace MarkdownVault {

struct Written
{
    QString indexNote; // the index's file name
    int encounterNotes = 0;
    QString error;     // naming the file and the reason; empty on success

    bool ok() const { return error.isEmpty(); }
};

// Writes dungeon `dungeonNumber` below programFolder into vaultFolder,
// making it where missing and replacing notes of the same names.
Written exportVault(const QString &programFolder, int dungeonNumber, const QString &vaultFolder);

} // namespace MarkdownVault
