#include "filesteps.h"

#include "codepage/windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Storage {

namespace {

// Only character 32: tabs and no-break spaces are part of the text.
QStringView trimSpaces(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// Opening first and asking afterwards: QFile::exists() calls a file missing
// while another copy of the program replaces it, and the old table's bytes
// would then be lost.
bool isMissing(const QString &path)
{
    std::error_code error;
    return !std::filesystem::exists(path.toStdU16String(), error) && !error;
}

WriteResult cannotSave(const QString &path, const QString &reason)
{
    return { WriteResult::Failure::CannotSave, path, reason };
}

WriteResult cannotCreateFolder(const QString &path, const QString &reason)
{
    return { WriteResult::Failure::CannotCreateFolder, path, reason };
}

QString reasonOf(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message());
}

} // namespace

QString WriteResult::message() const
{
    const QString where = QDir::toNativeSeparators(path);
    switch (failure) {
    case Failure::None:
        break;
    case Failure::CannotCreateFolder:
        return QCoreApplication::translate("Storage", "Cannot create the folder %1: %2").arg(where, reason);
    case Failure::CannotSave:
        return QCoreApplication::translate("Storage", "Cannot save %1: %2").arg(where, reason);
    }
    return {};
}

qint16 encounterNumber(const QString &numberText)
{
    // Plain decimal notation only: no exponent, no hexadecimal, no group
    // separators, and ASCII digits only, whatever the locale.
    static const QRegularExpression decimal(
            QRegularExpression::anchoredPattern(QStringLiteral(R"(([+-]?)([0-9]*)(?:\.([0-9]*))?)")));

    // A copy, not the view: Qt 6.8 deprecates matching a view in favour of
    // matchView(), which Qt 6.4 does not have.
    const QRegularExpressionMatch match = decimal.match(trimSpaces(numberText).toString());
    const QStringView whole = match.capturedView(2);
    QStringView fraction = match.capturedView(3);
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty()))
        return 0;

    // Saturates far above the range, so that any number of digits is safe.
    int magnitude = 0;
    for (QChar digit : whole)
        magnitude = std::min(magnitude * 10 + digit.digitValue(), 1'000'000);

    // Rounding on the digits themselves keeps it exact: as a double,
    // 0.50000000000000001 would become a tie and round down.
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    const int againstHalf = fraction.compare(u"5");
    if (againstHalf > 0 || (againstHalf == 0 && magnitude % 2 == 1))
        ++magnitude;

    const int value = match.capturedView(1) == u"-" ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return 0;
    return qint16(value);
}

namespace {
QString &chosenProgramFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    return chosenProgramFolder().isEmpty() ? QCoreApplication::applicationDirPath() : chosenProgramFolder();
}

void useProgramFolder(const QString &folder)
{
    chosenProgramFolder() = folder;
}

EncounterFiles encounterFiles(const QString &programFolder, qint16 dungeonNumber,
                              const QString &numberText)
{
    EncounterFiles files;
    files.dungeonsRoot = programFolder + QStringLiteral("/Dungeons");
    files.dungeonFolder = dungeonFolder(programFolder, dungeonNumber);
    files.tableFile = files.dungeonFolder + u'/' + numberText + QStringLiteral(".Encounter");
    files.detailsFile = files.tableFile + QString::number(encounterNumber(numberText));
    return files;
}

QString dungeonFolder(const QString &programFolder, qint16 dungeonNumber)
{
    return programFolder + QStringLiteral("/Dungeons/Dungeon") + QString::number(dungeonNumber);
}

Cells decodeTable(QByteArrayView table)
{
    QStringDecoder decoder(Windows1252::CodecName, QStringConverter::Flag::Stateless);
    Cells cells;
    // Records past the end, and one cut short by it, read empty.
    for (int i = 0; i < EncounterShape::CellCount && (i + 1) * RecordSize <= table.size(); ++i) {
        const QByteArrayView record = table.sliced(i * RecordSize, RecordSize);
        const quint16 length = qFromLittleEndian<quint16>(record.data());
        // No writer of this format makes a longer one: the record is damaged,
        // and its neighbour's bytes are no text of this cell.
        if (length > EncounterShape::MaxCellBytes)
            continue;
        const QString text = decoder.decode(record.sliced(2, length));
        cells[i] = trimSpaces(text).toString();
    }
    return cells;
}

bool isWholeTable(QByteArrayView table)
{
    const qsizetype records = std::min<qsizetype>(table.size(), TableSize);
    if (records % RecordSize != 0)
        return false;
    for (qsizetype at = 0; at < records; at += RecordSize) {
        if (qFromLittleEndian<quint16>(table.data() + at) > EncounterShape::MaxCellBytes)
            return false;
    }
    return true;
}

QByteArray encodeTable(const Cells &cells, QByteArrayView oldTable)
{
    // A record cut short by the end of the old file never read as anything,
    // so it is not carried over either.
    const qsizetype kept = oldTable.size() >= TableSize
            ? oldTable.size()
            : oldTable.size() - oldTable.size() % RecordSize;
    QByteArray table = oldTable.first(kept).toByteArray();
    if (table.size() < TableSize)
        table.resize(TableSize, '\0');

    for (int i = 0; i < EncounterShape::CellCount; ++i) {
        const QByteArray text = Windows1252::encode(cells[i]);
        if (text.size() > EncounterShape::MaxCellBytes)
            continue; // one cell too long must not cost the rest of the save
        char *record = table.data() + i * RecordSize;
        qToLittleEndian<quint16>(quint16(text.size()), record);
        std::copy(text.begin(), text.end(), record + 2);
        std::fill(record + 2 + text.size(), record + RecordSize, '\0');
    }
    return table;
}

namespace {

SimulatedFaults simulated;
std::function<void(const QString &)> unlockedFolderNotice;

// Copies of the program sharing a dungeon folder take turns at its
// encounters: readers together, a save alone. The lock is the folder's own,
// so it leaves no file behind, and the system lets go of it when its holder
// dies.
class FolderTurn
{
public:
    enum Kind { Shared = LOCK_SH, Alone = LOCK_EX };

    FolderTurn(const QString &folder, Kind kind)
        : m_folder(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_folder < 0)
            m_error = std::error_code(errno, std::generic_category());
        else
            take(kind);
        if (!isLockable())
            noticeUnlocked(folder);
    }
    ~FolderTurn()
    {
        if (m_folder >= 0)
            ::close(m_folder); // lets go of the lock
    }
    FolderTurn(const FolderTurn &) = delete;
    FolderTurn &operator=(const FolderTurn &) = delete;

    // From a shared turn to one alone; others may go first meanwhile.
    void takeAlone()
    {
        if (isHeld())
            take(Alone);
    }

    // Whether the files may be read or changed: with the turn held, or where
    // the folder's file system has no locks to take turns with.
    bool isOurs() const { return isHeld() || !isLockable(); }
    bool isHeld() const { return m_folder >= 0 && !m_error; }
    QString reason() const { return reasonOf(m_error); }

private:
    void take(Kind kind)
    {
        for (;;) {
            if (simulated.lockError != 0) {
                m_error = std::error_code(simulated.lockError, std::generic_category());
                return;
            }
            if (::flock(m_folder, kind) == 0)
                return;
            if (errno != EINTR) {
                m_error = std::error_code(errno, std::generic_category());
                return;
            }
        }
    }

    bool isLockable() const
    {
        return m_folder < 0 || (m_error.value() != ENOLCK && m_error.value() != EOPNOTSUPP);
    }

    static void noticeUnlocked(const QString &folder)
    {
        static QSet<QString> noticed;
        if (!noticed.contains(folder) && unlockedFolderNotice) {
            noticed.insert(folder);
            unlockedFolderNotice(folder);
        }
    }

    int m_folder;
    std::error_code m_error;
};

// Where a new file is finished before it takes the place of path: hidden,
// and named like no encounter file.
QString pendingName(const QString &path)
{
    const QFileInfo file(path);
    return file.path() + QStringLiteral("/.") + file.fileName() + QStringLiteral(".pending");
}

bool exists(const QString &path)
{
    std::error_code error;
    return std::filesystem::exists(path.toStdU16String(), error);
}

void removeFile(const QString &path)
{
    std::error_code error;
    std::filesystem::remove(path.toStdU16String(), error);
}

WriteResult movePendingIntoPlace(const QString &path)
{
    std::error_code error;
    std::filesystem::rename(pendingName(path).toStdU16String(), path.toStdU16String(), error);
    if (error)
        return cannotSave(path, reasonOf(error));
    return {};
}

bool isSaveCutShort(const EncounterFiles &files)
{
    return exists(pendingName(files.tableFile)) || exists(pendingName(files.detailsFile));
}

} // namespace

// A save keeps its pending table only until its pending details are
// finished, and those only until they are in place: a pending table alone
// is a save that never got that far, pending details one that must go on.
void completeInterruptedSave(const EncounterFiles &files)
{
    const bool tableWaits = exists(pendingName(files.tableFile));
    const bool detailsWait = exists(pendingName(files.detailsFile));
    if (tableWaits && !detailsWait) {
        removeFile(pendingName(files.tableFile));
        return;
    }
    if (tableWaits && !movePendingIntoPlace(files.tableFile).ok())
        return;
    if (detailsWait)
        movePendingIntoPlace(files.detailsFile);
}

namespace {

QByteArray openTableBytes(const QString &tableFile)
{
    QFile file(tableFile);
    // Opening a missing file for writing leaves an empty table behind where
    // the dungeon folder exists; where it does not, the open fails and
    // nothing is created.
    if (!file.open(QIODevice::ReadOnly)
        && !(isMissing(tableFile) && file.open(QIODevice::ReadWrite)))
        return {};
    return file.readAll();
}

void readDetails(const QString &detailsFile, SavedEncounter *encounter)
{
    QFile file(detailsFile);
    if (file.open(QIODevice::ReadOnly)) {
        encounter->details = file.readAll();
        encounter->detailsState = file.error() == QFileDevice::NoError ? SavedEncounter::Details::Read
                                                                       : SavedEncounter::Details::Unreadable;
    } else if (!isMissing(detailsFile)) {
        encounter->detailsState = SavedEncounter::Details::Unreadable;
    }
    if (encounter->detailsState != SavedEncounter::Details::Read)
        encounter->details.clear();
}

} // namespace

SavedEncounter readEncounter(const EncounterFiles &files, ReadMode mode)
{
    // Without a dungeon folder there is nothing to lock, complete or read.
    FolderTurn turn(files.dungeonFolder, FolderTurn::Shared);
    const bool opens = mode == ReadMode::Open && turn.isOurs();
    if (opens && isSaveCutShort(files)) {
        turn.takeAlone();
        if (turn.isOurs())
            completeInterruptedSave(files);
    }

    const EncounterFiles saved = lastSavedFiles(files);
    const QByteArray table = opens && saved.tableFile == files.tableFile
            ? openTableBytes(files.tableFile)
            : readFileContent(saved.tableFile);
    SavedEncounter encounter;
    encounter.cells = decodeTable(table);
    readDetails(saved.detailsFile, &encounter);
    encounter.version = Version(table, encounter.details);
    return encounter;
}

Stamp stampOf(const EncounterFiles &files)
{
    const auto nanoseconds = [](const timespec &time) {
        return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    Stamp stamp;
    const QString paths[] = { files.tableFile, files.detailsFile, pendingName(files.tableFile),
                              pendingName(files.detailsFile) };
    for (size_t i = 0; i < stamp.m_files.size(); ++i) {
        struct stat status;
        if (::stat(QFile::encodeName(paths[i]).constData(), &status) == 0)
            stamp.m_files[i] = { qint64(status.st_ino), qint64(status.st_size),
                                 nanoseconds(status.st_mtim), nanoseconds(status.st_ctim) };
    }
    return stamp;
}

Cells readTableCreatingFile(const EncounterFiles &files)
{
    return readEncounter(files, ReadMode::Open).cells;
}

void setUnlockedFolderNotice(std::function<void(const QString &dungeonFolder)> notice)
{
    unlockedFolderNotice = std::move(notice);
}

void simulateFaults(SimulatedFaults faults)
{
    simulated = faults;
}

Cells readExistingTable(const QString &tableFile)
{
    return decodeTable(readFileContent(tableFile));
}

EncounterFiles lastSavedFiles(const EncounterFiles &files)
{
    // As completeInterruptedSave finds them: pending details are a save that
    // goes on, with its table pending still or already in place.
    EncounterFiles saved = files;
    if (exists(pendingName(files.detailsFile))) {
        if (exists(pendingName(files.tableFile)))
            saved.tableFile = pendingName(files.tableFile);
        saved.detailsFile = pendingName(files.detailsFile);
    }
    return saved;
}

QByteArray readFileContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

WriteResult createFolders(const EncounterFiles &files)
{
    for (const QString &folder : { files.dungeonsRoot, files.dungeonFolder }) {
        std::error_code error;
        std::filesystem::create_directory(folder.toStdU16String(), error);
        if (error)
            return cannotCreateFolder(folder, reasonOf(error));
    }
    return {};
}

namespace {

// Reads what a table file holds before it is overwritten, since some of its
// bytes are carried over; a missing file holds nothing.
WriteResult readOldTable(const QString &tableFile, QByteArray *oldTable)
{
    QFile file(tableFile);
    if (!file.open(QIODevice::ReadOnly)) {
        if (isMissing(tableFile))
            return {};
        return cannotSave(tableFile, file.errorString());
    }
    *oldTable = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return cannotSave(tableFile, file.errorString());
    return {};
}

// Writes the whole content to a save file that is not yet committed.
WriteResult writeWhole(QSaveFile &file, const QByteArray &content)
{
    // Unbuffered, so that a disk running full fails a write rather than the
    // final flush: QSaveFile (Qt 6.4) commits a truncated file when only that
    // flush fails.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return cannotSave(file.fileName(), file.errorString());
    // A short write gives no reason; the write after it fails with one.
    for (qsizetype written = 0; written < content.size();) {
        const qint64 chunk = file.write(content.constData() + written, content.size() - written);
        if (chunk <= 0)
            return cannotSave(file.fileName(), file.errorString());
        written += chunk;
    }
    return {};
}

WriteResult commit(QSaveFile &file)
{
    if (!file.commit())
        return cannotSave(file.fileName(), file.errorString());
    return {};
}

} // namespace

WriteResult writeTable(const QString &tableFile, const Cells &cells)
{
    QByteArray oldTable;
    if (WriteResult result = readOldTable(tableFile, &oldTable); !result.ok())
        return result;
    return writeFileAtomically(tableFile, encodeTable(cells, oldTable));
}

namespace {

// Whether a new file may take the place of path, as QSaveFile judges it: a
// folder may not, nor a file that may not be written.
WriteResult checkReplaceable(const QString &path)
{
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        return cannotSave(path, probe.errorString());
    probe.cancelWriting();
    return {};
}

// Finishes the new content of path under its pending name.
WriteResult writePending(const QString &path, const QByteArray &content)
{
    WriteResult result = writeFileAtomically(pendingName(path), content);
    if (!result.ok())
        result.path = path;
    return result;
}

} // namespace

namespace {

// The save of saveEncounter; with no expected version, over whatever the
// files hold.
SaveResult save(const EncounterFiles &files, const Cells &cells, const QByteArray &details,
                const Version *expected)
{
    SaveResult result;
    if (expected)
        result.onDisk = *expected;
    if ((result.written = createFolders(files)); !result.written.ok())
        return result;
    const FolderTurn turn(files.dungeonFolder, FolderTurn::Alone);
    if (!turn.isOurs()) {
        result.written = cannotSave(files.tableFile, turn.reason());
        return result;
    }
    completeInterruptedSave(files);

    // The last save, and so the table the new one is built over, as a read
    // finds them: a save whose details could not follow its table may still
    // wait to be completed.
    const EncounterFiles saved = lastSavedFiles(files);
    QByteArray oldTable;
    if ((result.written = readOldTable(saved.tableFile, &oldTable)); !result.written.ok())
        return result;
    result.onDisk = Version(oldTable, readFileContent(saved.detailsFile));
    if (expected && result.onDisk != *expected) {
        result.conflict = true;
        return result;
    }
    for (const QString &path : { files.tableFile, files.detailsFile }) {
        if ((result.written = checkReplaceable(path)); !result.written.ok())
            return result;
    }

    const QByteArray table = encodeTable(cells, oldTable);
    if ((result.written = writePending(files.tableFile, table)); !result.written.ok())
        return result;
    if ((result.written = writePending(files.detailsFile, details)); !result.written.ok()) {
        removeFile(pendingName(files.tableFile));
        return result;
    }
    if ((result.written = movePendingIntoPlace(files.tableFile)); !result.written.ok()) {
        removeFile(pendingName(files.tableFile));
        removeFile(pendingName(files.detailsFile));
        return result;
    }
    // The table is in place, so the save stands: should the details fail to
    // follow, readers find them where they wait for the next read or save to
    // move them.
    result.onDisk = Version(table, details);
    result.written = simulated.detailsMoveError != 0
            ? cannotSave(files.detailsFile, reasonOf(std::error_code(simulated.detailsMoveError,
                                                                     std::generic_category())))
            : movePendingIntoPlace(files.detailsFile);
    return result;
}

} // namespace

SaveResult saveEncounter(const EncounterFiles &files, const Cells &cells, const QByteArray &details,
                         const Version &expected)
{
    return save(files, cells, details, &expected);
}

WriteResult writeEncounter(const EncounterFiles &files, const Cells &cells,
                           const QByteArray &details)
{
    return save(files, cells, details, nullptr).written;
}

bool isStorableCellText(QStringView text)
{
    // A character the code page holds is one byte.
    return Windows1252::canEncode(text) && text.size() <= EncounterShape::MaxCellBytes;
}

WriteResult writeFileAtomically(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (WriteResult result = writeWhole(file, content); !result.ok())
        return result;
    return commit(file);
}

} // namespace Storage

namespace Storage {

namespace {

// The file's bytes; a missing file leaves content empty and is no error.
WriteResult readWhole(const QString &path, std::optional<QByteArray> *content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (isMissing(path))
            return {};
        return cannotSave(path, file.errorString());
    }
    *content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return cannotSave(path, file.errorString());
    return {};
}

} // namespace

WriteResult updateFile(const QString &dungeonFolder, const QString &path,
                       const std::function<Update(const QByteArray *old)> &update)
{
    std::error_code error;
    std::filesystem::create_directories(dungeonFolder.toStdU16String(), error);
    if (error)
        return cannotCreateFolder(dungeonFolder, reasonOf(error));
    const FolderTurn turn(dungeonFolder, FolderTurn::Alone);
    if (!turn.isOurs())
        return cannotSave(path, turn.reason());

    std::optional<QByteArray> old;
    if (WriteResult result = readWhole(path, &old); !result.ok())
        return result;
    const Update next = update(old ? &*old : nullptr);
    if (!next.refusal.isEmpty())
        return cannotSave(path, next.refusal);
    if (!next.content || next.content == old)
        return {};
    return writeFileAtomically(path, *next.content);
}

FileRead readFileShared(const QString &dungeonFolder, const QString &path)
{
    const FolderTurn turn(dungeonFolder, FolderTurn::Shared);
    FileRead read;
    if (const WriteResult result = readWhole(path, &read.content); !result.ok())
        read.error = result.reason;
    return read;
}

} // namespace Storage
