#pragma once

#include "encountershape.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>

// The files of one encounter, stored below the program's folder:
//   Dungeons/Dungeon<d>/<T>.Encounter      forty 128-byte records, the monster table
//   Dungeons/Dungeon<d>/<T>.Encounter<N>   the encounter details as RTF
// where T is the number text exactly as the window shows it and N its
// conversion to a 16-bit integer.
//
// An encounter is read and saved as one: readEncounter gives both files of
// one save, saveEncounter replaces both, and copies of the program sharing a
// dungeon folder take turns at it (readers together, a save alone), so no
// read ever pairs the table of one save with the details of another. A crash
// or a full disk during a save leaves the encounter as it was, or as the
// save wrote it, never a mix.
namespace Storage {

// Cell i is column i / 10 ("Monster Name", "AC", "DMG", "HP"), row i % 10.
using Cells = std::array<QString, EncounterShape::CellCount>;

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

// The folder holding the Dungeons folder: the executable's own, unless the
// start-up chose another with useProgramFolder().
QString programFolder();
void useProgramFolder(const QString &folder);

EncounterFiles encounterFiles(const QString &programFolder, qint16 dungeonNumber,
                              const QString &numberText);
// Dungeons/Dungeon<d> below the program's folder.
QString dungeonFolder(const QString &programFolder, qint16 dungeonNumber);

// Which save of an encounter its files hold. Two versions are equal only
// when the files hold the same bytes, so no two different saves look alike.
class Version
{
public:
    Version() = default;
    Version(QByteArray table, QByteArray details)
        : m_table(std::move(table)), m_details(std::move(details)) {}
    bool operator==(const Version &) const = default;

    // The bytes of the save's files, as an export copies them.
    const QByteArray &table() const { return m_table; }
    const QByteArray &details() const { return m_details; }

private:
    QByteArray m_table, m_details; // a missing file holds nothing
};

struct SavedEncounter
{
    enum class Details { Missing, Unreadable, Read };

    Cells cells; // each trimmed of spaces; empty where nothing can be read
    Details detailsState = Details::Missing;
    QByteArray details; // the RTF document, when read
    Version version;
};

enum class ReadMode {
    // As the board and the editor open an encounter: a save cut short is
    // completed or dropped, and a missing table file is left behind empty
    // where the dungeon folder exists.
    Open,
    // As find and the booklet look: no file or folder is created or changed.
    LookOnly,
};

// Both files of the encounter's last save, read as one. Never fails: what
// cannot be read is empty.
SavedEncounter readEncounter(const EncounterFiles &files, ReadMode mode);

// A cheap sign of a new save, for readers that look often (find, on every
// keystroke): the status of the encounter's files, their pending ones
// included, taken without reading or locking. Every save changes it, but for
// two saves of equal sizes within one tick of the file system's clock that
// reuse the same file numbers; readEncounter is the exact reading.
class Stamp
{
public:
    bool operator==(const Stamp &) const = default;

private:
    friend Stamp stampOf(const EncounterFiles &files);
    std::array<std::array<qint64, 4>, 4> m_files{}; // number, size, modified, changed
};
Stamp stampOf(const EncounterFiles &files);

struct SaveResult
{
    WriteResult written;
    // Another save landed since the version the save expected: nothing was
    // written, and onDisk is that other save.
    bool conflict = false;
    // What the files hold once the save returns: this save's version when it
    // stands (also when its details fail to follow its table, see
    // saveEncounter), else what was there before.
    Version onDisk;

    bool ok() const { return !conflict && written.ok(); }
};

// Saves both files of an encounter, provided they still hold `expected`:
// creates the folders, then finishes both new files beside the old ones
// before moving them into place, the table first. The table's records carry
// the cells (characters outside Windows-1252 as '?', a cell over 126 bytes
// keeping its old record) over the old file's bytes, so bytes past the
// fortieth record are kept. A failure leaves the encounter as it was, but
// for one rare case: details that fail to follow the table are reported,
// and moved into place by the next read or save; readers already see them.
SaveResult saveEncounter(const EncounterFiles &files, const Cells &cells, const QByteArray &details,
                         const Version &expected);

// Where the file system of a dungeon folder offers no locks (some network
// shares), reads and saves go on without taking turns; the notice is called
// once for each such folder, so the program can say that copies sharing it
// are not kept apart.
void setUnlockedFolderNotice(std::function<void(const QString &dungeonFolder)> notice);

// Whether the bytes of a table file read whole: none of its forty records
// cut short or with a length over 126, which the board shows as empty cells.
bool isWholeTable(QByteArrayView table);

// Whether a cell holding text can be stored and read back unchanged.
bool isStorableCellText(QStringView text);

// Replaces a file's content atomically: the old file stays whole until the
// new one is complete on disk. The one way the program writes a file.
WriteResult writeFileAtomically(const QString &path, const QByteArray &content);

// What an update makes of a file's old content (null when the file is
// missing): the new content, or nothing to leave the file alone, with the
// reason when that is a refusal.
struct Update
{
    std::optional<QByteArray> content;
    QString refusal;
};

// Reads a file of the dungeon folder, makes its new content from the old and
// writes it atomically, all in the folder's turn alone: copies of the
// program sharing the folder apply their changes one after the other, so
// none is lost. Creates the folder where missing. A refusal fails with its
// reason and writes nothing.
WriteResult updateFile(const QString &dungeonFolder, const QString &path,
                       const std::function<Update(const QByteArray *old)> &update);

// Reads a file of the dungeon folder in the folder's shared turn, so that it
// is never read half way through another copy's update; nothing when the
// file is missing, an error when it cannot be read.
struct FileRead
{
    std::optional<QByteArray> content;
    QString error;
};
FileRead readFileShared(const QString &dungeonFolder, const QString &path);

} // namespace Storage
