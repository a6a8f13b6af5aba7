#pragma once

#include <QString>
#include <QByteArray>
#include <array>

// The files of one encounter, stored below the program's folder:
//   Dungeons/Dungeon<d>/<T>.Encounter      forty 128-byte records, the monster table
//   Dungeons/Dungeon<d>/<T>.Encounter<N>   the encounter details as RTF
// where T is the number text exactly as the window shows it and N its
// conversion to a 16-bit integer.
namespace Storage {

constexpr int CellCount = 40;
constexpr qsizetype RecordSize = 128;
constexpr qsizetype MaxCellBytes = RecordSize - 2;

// Cell i is column i / 10 ("Monster Name", "AC", "DMG", "HP"), row i % 10.
using Cells = std::array<QString, CellCount>;

// The outcome of a write: empty error means success; otherwise it names the
// file and the system's reason, ready to be shown to the user.
struct WriteResult
{
    QString error;
    bool ok() const { return error.isEmpty(); }
};

struct EncounterFiles
{
    QString dungeonsRoot;
    QString dungeonFolder;
    QString tableFile;
    QString detailsFile;
};

// Trims spaces, reads a decimal number (sign and fraction allowed), rounds
// half to even; 0 when the text is no number or does not fit in 16 bits.
qint16 encounterNumber(const QString &numberText);

// The folder holding the executable.
QString programFolder();

EncounterFiles encounterFiles(const QString &programFolder, qint16 dungeonNumber,
                              const QString &numberText);

// Reads the forty cells, each trimmed of spaces. Never fails: what cannot be
// read is empty. Opening a missing table file in an existing dungeon folder
// leaves an empty file behind; a missing folder stays missing.
Cells readTable(const QString &tableFile);

// Creates the dungeons root and the dungeon folder where missing.
WriteResult createFolders(const EncounterFiles &files);

// Writes records 1 to 40 from the cells, untrimmed, replacing the file
// atomically. A cell too long for its record keeps the record's old bytes.
WriteResult writeTable(const QString &tableFile, const Cells &cells);

// Replaces a file's content atomically: the old file stays whole until the
// new one is complete on disk.
WriteResult writeFileAtomically(const QString &path, const QByteArray &content);

} // namespace Storage
