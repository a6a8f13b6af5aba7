#pragma once

#include <QString>
#include <QByteArray>
#include <QByteArrayView>
#include <array>

// The files of one encounter, stored below the program's folder:
//   Dungeons/Dungeon<d>/<T>.Encounter      forty 128-byte records, the monster table
//   Dungeons/Dungeon<d>/<T>.Encounter<N>   the encounter details as RTF
// where T is the number text exactly as the window shows it and N its
// conversion to a 16-bit integer.
//
// A record is a little-endian 16-bit length L (0 to 126), L bytes of
// Windows-1252 text and zero filler. Every write replaces its file atomically,
// so a crash or a full disk leaves the old file whole; see writeEncounter for
// the pair.
namespace Storage {

constexpr int CellCount = 40;
constexpr qsizetype RecordSize = 128;
constexpr qsizetype MaxCellBytes = RecordSize - 2;
constexpr qsizetype TableSize = CellCount * RecordSize;

// Cell i is column i / 10 ("Monster Name", "AC", "DMG", "HP"), row i % 10.
using Cells = std::array<QString, CellCount>;

// The outcome of a write: on failure, the folder or file that could not be
// written and the system's reason.
struct WriteResult
{
    enum class Failure { None, CannotCreateFolder, CannotSave };

    Failure failure = Failure::None;
    QString path;
    QString reason;

    bool ok() const { return failure == Failure::None; }
    // What the user is told, e.g. "Cannot save <path>: <reason>".
    QString message() const;
};

struct EncounterFiles
{
    QString dungeonsRoot;
    QString dungeonFolder;
    QString tableFile;
    QString detailsFile;
};

// Trims spaces, reads a decimal number (sign and fraction allowed, no
// exponent), rounds half to even; 0 when the text is no number or does not
// fit in 16 bits.
qint16 encounterNumber(const QString &numberText);

// The folder holding the executable.
QString programFolder();

EncounterFiles encounterFiles(const QString &programFolder, qint16 dungeonNumber,
                              const QString &numberText);

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

// Reads the forty cells as the board and the editor do, each trimmed of
// spaces. Never fails: what cannot be read is empty. First completes a save
// of the encounter that was interrupted. Opening a missing table file in an
// existing dungeon folder leaves an empty file behind; a missing folder
// stays missing.
Cells readTableCreatingFile(const EncounterFiles &files);

// Reads the forty cells, each trimmed of spaces, and never creates or
// changes a file: a missing or unreadable file reads as empty cells.
Cells readExistingTable(const QString &tableFile);

// The files that hold the encounter's last save, found without changing
// anything: where a save was interrupted after both its new files were
// finished, those new files, which the next read or save moves into place
// (see writeEncounter). Readers that only look read these, so they never
// see the table of one save beside the details of another.
EncounterFiles lastSavedFiles(const EncounterFiles &files);

// The whole content of the table file, opened as readTableCreatingFile
// opens it; empty when it cannot be read.
QByteArray readTableBytesCreatingFile(const EncounterFiles &files);

// The whole content of a file; empty when it is missing or cannot be read,
// so a missing table and the empty one its opening creates read the same.
QByteArray readFileContent(const QString &path);

// Creates the dungeons root and the dungeon folder where missing.
WriteResult createFolders(const EncounterFiles &files);

// Writes records 1 to 40 from the cells (see encodeTable), replacing the
// file atomically. Fails without touching the file when its old content
// cannot be read, since that content is partly carried over.
WriteResult writeTable(const QString &tableFile, const Cells &cells);

// Writes both files of an encounter: creates the folders, then writes the
// table (see writeTable) and the details document. Both new files are first
// finished beside the old ones under hidden pending names, then moved into
// place, the table first. A failure leaves the encounter as it was, but for
// one rare case: details that fail to follow the table are reported, and
// moved like those of a save killed after both new files were finished, by
// the next read (readTableCreatingFile) or save of the encounter; a save
// killed earlier is dropped by it. From then on the two files are one
// save's. Copies of the program sharing the folder take turns.
WriteResult writeEncounter(const EncounterFiles &files, const Cells &cells,
                           const QByteArray &details);

// Whether a cell holding text can be stored and read back unchanged.
bool isStorableCellText(QStringView text);

// Replaces a file's content atomically: the old file stays whole until the
// new one is complete on disk.
WriteResult writeFileAtomically(const QString &path, const QByteArray &content);

} // namespace Storage
