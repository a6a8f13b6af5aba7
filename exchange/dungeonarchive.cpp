#include "dungeonarchive.h"

#include "unpacking.h"

#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "dungeon/newdungeonfolder.h"
#include "fight/fight.h"
#include "fog/tablefile.h"
#include "rtf/rtf.h"
#include "storage/encounterfiles.h"
#include "storage/portablefilename.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextDocument>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace Exchange {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Exchange", text);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

struct File
{
    QString name;
    QByteArray content;
    QDateTime modified;
};

// ---- Export ----------------------------------------------------------------

// The files an export takes, or the reason it cannot.
struct Gathered
{
    QList<File> files;
    QString error;
};

QString encounterPrefix(const QString &name)
{
    return name.left(name.lastIndexOf(QStringLiteral(".Encounter")));
}

void addShared(Gathered *gathered, const QString &folder, const QString &name)
{
    const QString path = folder + u'/' + name;
    const Storage::FileRead read = Storage::readFileShared(folder, path);
    if (!read.error.isEmpty())
        gathered->error = tr("%1: %2").arg(native(path), read.error);
    else if (read.content)
        gathered->files.append({name, *read.content, QFileInfo(path).lastModified()});
}

// Each encounter as one save, so its table and details always belong together.
void addEncounters(Gathered *gathered, const QString &folder)
{
    QMap<int, QStringList> prefixes; // by number, so the archive lists them in order
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        const FileKind kind = fileKind(name);
        if (kind != FileKind::EncounterTable && kind != FileKind::EncounterDetails)
            continue;
        QStringList &same = prefixes[Storage::encounterNumber(encounterPrefix(name))];
        if (!same.contains(encounterPrefix(name)))
            same.append(encounterPrefix(name));
    }
    for (const QStringList &same : std::as_const(prefixes)) {
        for (const QString &prefix : same) {
            Storage::EncounterFiles files;
            files.dungeonsRoot = QFileInfo(folder).path();
            files.dungeonFolder = folder;
            files.tableFile = folder + u'/' + prefix + QStringLiteral(".Encounter");
            files.detailsFile = files.tableFile + QString::number(Storage::encounterNumber(prefix));
            const Storage::SavedEncounter saved = Storage::readEncounter(files, Storage::ReadMode::LookOnly);
            if (saved.detailsState == Storage::SavedEncounter::Details::Unreadable) {
                gathered->error = tr("%1 cannot be read").arg(native(files.detailsFile));
                return;
            }
            if (QFileInfo::exists(files.tableFile) || !saved.version.table().isEmpty())
                gathered->files.append({QFileInfo(files.tableFile).fileName(), saved.version.table(),
                                        QFileInfo(files.tableFile).lastModified()});
            if (saved.detailsState == Storage::SavedEncounter::Details::Read)
                gathered->files.append({QFileInfo(files.detailsFile).fileName(), saved.version.details(),
                                        QFileInfo(files.detailsFile).lastModified()});
        }
    }
}

Gathered gather(const QString &folder, ExportChoices choices)
{
    Gathered gathered;
    const Dungeon::DescriptionRead description = Dungeon::readDungeonDescription(folder);
    if (!description.ok()) {
        gathered.error = description.error;
        return gathered;
    }
    if (description.exists)
        addShared(&gathered, folder, QFileInfo(Dungeon::descriptionPath(folder)).fileName());
    if (description.description.hasOwnMap() && gathered.error.isEmpty())
        addShared(&gathered, folder, description.description.mapFile);
    if (gathered.error.isEmpty())
        addEncounters(&gathered, folder);
    if (choices.revealedRooms && gathered.error.isEmpty())
        addShared(&gathered, folder, QFileInfo(TableFile::path(folder)).fileName());
    if (choices.fight && gathered.error.isEmpty())
        addShared(&gathered, folder, QStringLiteral("fight.json"));

    // An archive of nothing would only be refused where it is imported.
    if (gathered.error.isEmpty() && gathered.files.isEmpty())
        gathered.error = tr("the dungeon holds nothing yet");
    qint64 total = 0;
    for (const File &file : std::as_const(gathered.files))
        total += file.content.size();
    if (gathered.error.isEmpty() && (gathered.files.size() > MaxEntries || total > MaxUnpackedBytes))
        gathered.error = tr("the dungeon is larger than an import takes (%1 files, %2 MB)")
                                 .arg(QString::number(MaxEntries), QString::number(MaxUnpackedBytes / (1024 * 1024)));
    return gathered;
}

la_ssize_t writeToFile(archive *, void *client, const void *buffer, size_t length)
{
    const qint64 written = static_cast<QSaveFile *>(client)->write(static_cast<const char *>(buffer), qint64(length));
    return written < 0 ? ARCHIVE_FATAL : la_ssize_t(written);
}

struct WriterFree
{
    void operator()(archive *a) const { archive_write_free(a); }
};

QString writeEntry(archive *zip, const File &file)
{
    // Stored as it is where deflating packs tighter than an import allows,
    // as a plain map picture or a long run of empty records may.
    if (qCompress(file.content).size() * (MaxExpansion / 2) < file.content.size())
        archive_write_zip_set_compression_store(zip);
    else
        archive_write_zip_set_compression_deflate(zip);
    const std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(),
                                                                                &archive_entry_free);
    archive_entry_set_pathname_utf8(entry.get(), file.name.toUtf8().constData());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), file.content.size());
    if (file.modified.isValid())
        archive_entry_set_mtime(entry.get(), file.modified.toSecsSinceEpoch(), 0);
    if (archive_write_header(zip, entry.get()) != ARCHIVE_OK)
        return QString::fromLocal8Bit(archive_error_string(zip));
    for (qsizetype at = 0; at < file.content.size();) {
        const la_ssize_t written = archive_write_data(zip, file.content.constData() + at, size_t(file.content.size() - at));
        if (written <= 0)
            return QString::fromLocal8Bit(archive_error_string(zip));
        at += written;
    }
    return {};
}

QString writeArchive(const QList<File> &files, QSaveFile &out)
{
    const std::unique_ptr<archive, WriterFree> zip(archive_write_new());
    archive_write_set_format_zip(zip.get());
    archive_write_set_bytes_in_last_block(zip.get(), 1);
    if (archive_write_open(zip.get(), &out, nullptr, writeToFile, nullptr) != ARCHIVE_OK)
        return out.errorString();
    for (const File &file : files) {
        if (QString error = writeEntry(zip.get(), file); !error.isEmpty())
            return out.error() != QFileDevice::NoError ? out.errorString() : error;
    }
    if (archive_write_close(zip.get()) != ARCHIVE_OK)
        return out.error() != QFileDevice::NoError ? out.errorString()
                                                   : QString::fromLocal8Bit(archive_error_string(zip.get()));
    return {};
}

// ---- Import ----------------------------------------------------------------

// The reasons of the program's readers name the file by its path in the
// unpacking folder, which the game master never sees.
QString withoutFolder(QString reason, const QString &folder)
{
    return reason.replace(native(folder) + QDir::separator(), QString()).replace(folder + u'/', QString());
}

bool isText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError() && !bytes.contains('\0');
}

QString checkFile(const QString &folder, const QString &name, const Dungeon::DescriptionRead &description)
{
    const QString path = folder + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("%1: %2").arg(name, file.errorString());
    const QByteArray bytes = file.readAll();
    switch (fileKind(name)) {
    case FileKind::Unexpected:
        return tr("\"%1\" is no file of a dungeon").arg(name);
    case FileKind::Description:
        return {}; // read whole before
    case FileKind::Picture: {
        if (name != description.description.mapFile)
            return tr("\"%1\" is no file of a dungeon: dungeon.json names no such map").arg(name);
        const Dungeon::MapPicture picture = Dungeon::readMapPicture(path, QSize(256, 256));
        return picture.ok() ? QString() : tr("%1: %2").arg(name, picture.error);
    }
    case FileKind::EncounterTable:
        return Storage::isWholeTable(bytes) ? QString() : tr("%1: the monster table is damaged").arg(name);
    case FileKind::EncounterDetails: {
        if (!Rtf::isRtf(bytes) && !isText(bytes))
            return tr("%1: the details are neither RTF nor text").arg(name);
        QTextDocument document;
        Rtf::read(bytes, &document);
        return {};
    }
    case FileKind::RevealedRooms: {
        const TableFile::ReadResult read = TableFile::parse(bytes);
        return read.ok() ? QString() : tr("%1: %2").arg(name, read.error);
    }
    case FileKind::Fight: {
        const FightRead read = readFight(bytes);
        return read.state ? QString() : tr("%1: %2").arg(name, read.error);
    }
    }
    return {};
}

} // namespace

QString archiveFileName(const QString &title, int dungeonNumber)
{
    const QString fallback = tr("Dungeon %1").arg(dungeonNumber);
    return Storage::portableFileName(title, fallback) + u'.' + QLatin1String(ArchiveSuffix);
}

QString exportDungeon(const QString &dungeonFolder, const QString &archivePath, ExportChoices choices)
{
    const Gathered gathered = gather(dungeonFolder, choices);
    if (!gathered.error.isEmpty())
        return tr("Cannot export %1: %2").arg(native(dungeonFolder), gathered.error);
    QSaveFile out(archivePath);
    QString error;
    if (!out.open(QIODevice::WriteOnly))
        error = out.errorString();
    else if (error = writeArchive(gathered.files, out); error.isEmpty() && !out.commit())
        error = out.errorString();
    return error.isEmpty() ? QString() : tr("Cannot save %1: %2").arg(native(archivePath), error);
}

QString checkUnpackedDungeon(const QString &folder)
{
    const Dungeon::DescriptionRead description = Dungeon::readDungeonDescription(folder);
    if (!description.ok())
        return withoutFolder(description.error, folder);
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (QString refusal = checkFile(folder, name, description); !refusal.isEmpty())
            return withoutFolder(refusal, folder);
    }
    return {};
}

ImportResult importDungeon(const QString &programFolder, const QString &archivePath)
{
    const auto refused = [&archivePath](const QString &reason) {
        return ImportResult{0, tr("Cannot import %1: %2").arg(native(archivePath), reason)};
    };
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
    Dungeon::NewFolder building(programFolder);
    if (building.path().isEmpty())
        return refused(tr("cannot create a folder in %1").arg(native(programFolder + QStringLiteral("/Dungeons"))));
    if (QString reason = unpackArchive(file, building.path()); !reason.isEmpty())
        return refused(reason);
    if (QString reason = checkUnpackedDungeon(building.path()); !reason.isEmpty())
        return refused(reason);
    QString error;
    const int number = building.claimFreeNumber(&error);
    return number != 0 ? ImportResult{number, {}} : refused(error);
}

} // namespace Exchange
