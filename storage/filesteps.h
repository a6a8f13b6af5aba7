#pragma once

// The steps storage builds its one read and one save from. Private to
// storage: the rest of the program reads and saves through
// encounterfiles.h. Its tests, benchmarks and the sample generator reach the
// steps here.

#include "encounterfiles.h"

#include <QByteArrayView>

namespace Storage {

// A record is a little-endian 16-bit length L (0 to 126), L bytes of
// Windows-1252 text and zero filler.
constexpr qsizetype RecordSize = 128;
constexpr qsizetype TableSize = EncounterShape::CellCount * RecordSize;
static_assert(EncounterShape::MaxCellBytes == RecordSize - 2);

// The cells held by the bytes of a table file, each trimmed of spaces.
// Only whole records count: a record cut short by the end of the bytes, or
// one whose length field exceeds 126, reads as empty text. Bytes past the
// fortieth record are ignored.
Cells decodeTable(QByteArrayView table);

// The bytes of a table file holding the cells, untrimmed, built over the
// file's old bytes: the result is at least TableSize bytes, anything past
// the fortieth record is kept, and a record whose cell needs more than 126
// bytes keeps its old bytes (empty text where there were none). Characters
// outside Windows-1252 are stored as '?'.
QByteArray encodeTable(const Cells &cells, QByteArrayView oldTable = {});

// The table as the board opens it (readEncounter in ReadMode::Open).
Cells readTableCreatingFile(const EncounterFiles &files);

// Reads the forty cells, each trimmed of spaces, and never creates or
// changes a file: a missing or unreadable file reads as empty cells.
Cells readExistingTable(const QString &tableFile);

// The files that hold the encounter's last save, found without changing
// anything: where a save was interrupted after both its new files were
// finished, those new files, which the next read or save moves into place.
EncounterFiles lastSavedFiles(const EncounterFiles &files);

// Moves the new files of a save that was cut short after both were
// finished into place, and drops those of one cut short earlier.
void completeInterruptedSave(const EncounterFiles &files);

// The whole content of a file; empty when it is missing or cannot be read.
QByteArray readFileContent(const QString &path);

// Creates the dungeons root and the dungeon folder where missing.
WriteResult createFolders(const EncounterFiles &files);

// Writes records 1 to 40 from the cells (see encodeTable), replacing the
// file atomically, without taking the folder's turn. Fails without touching
// the file when its old content cannot be read, since that content is
// partly carried over.
WriteResult writeTable(const QString &tableFile, const Cells &cells);

// Saves as saveEncounter does, over whatever the files hold.
WriteResult writeEncounter(const EncounterFiles &files, const Cells &cells,
                           const QByteArray &details);

// Faults that tests cannot make a real file system give on demand: while
// set, taking a folder's turn fails with lockError (a file system without
// locks gives ENOLCK), and a save's details fail to follow its table with
// detailsMoveError. 0 lets the step succeed.
struct SimulatedFaults
{
    int lockError = 0;
    int detailsMoveError = 0;
};
void simulateFaults(SimulatedFaults faults);

} // namespace Storage
