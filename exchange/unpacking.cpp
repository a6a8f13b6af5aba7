#include "unpacking.h"
#include "dungeonarchive.h"

#include "storage/encounterfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QRegularExpression>
#include <QSet>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace Exchange {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Exchange", text);
}

} // namespace

FileKind fileKind(const QString &name)
{
    if (name == u"dungeon.json")
        return FileKind::Description;
    if (name == u"table.json")
        return FileKind::RevealedRooms;
    if (name == u"fight.json")
        return FileKind::Fight;
    // Characters no common file system forbids, and no hidden file: the
    // pending files of a save start with a dot.
    static const QRegularExpression plain(QStringLiteral(R"(^[^.<>:"/\\|?*\x00-\x1f\x7f][^<>:"/\\|?*\x00-\x1f\x7f]{0,199}$)"));
    if (!plain.match(name).hasMatch())
        return FileKind::Unexpected;
    static const QRegularExpression encounter(QStringLiteral(R"(^(.+)\.Encounter(-?[0-9]+)?$)"));
    if (const QRegularExpressionMatch match = encounter.match(name); match.hasMatch()) {
        if (!match.hasCaptured(2))
            return FileKind::EncounterTable;
        // The program looks for no other details file of that table.
        return match.captured(2) == QString::number(Storage::encounterNumber(match.captured(1)))
                ? FileKind::EncounterDetails
                : FileKind::Unexpected;
    }
    static const QRegularExpression picture(QStringLiteral(R"(\.(png|jpe?g|gif|bmp|webp|tiff?)$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return picture.match(name).hasMatch() ? FileKind::Picture : FileKind::Unexpected;
}

namespace {

// libarchive reads through this in small chunks, so that the bytes it has
// taken so far bound what an entry has packed to within one chunk.
struct Source
{
    static constexpr qint64 ChunkSize = 4096;

    QIODevice *input;
    qint64 delivered = 0;
    char chunk[ChunkSize];
};

la_ssize_t readChunk(archive *, void *client, const void **buffer)
{
    auto source = static_cast<Source *>(client);
    const qint64 read = source->input->read(source->chunk, Source::ChunkSize);
    if (read < 0)
        return ARCHIVE_FATAL;
    source->delivered += read;
    *buffer = source->chunk;
    return la_ssize_t(read);
}

la_int64_t seekInput(archive *, void *client, la_int64_t offset, int whence)
{
    QIODevice *input = static_cast<Source *>(client)->input;
    const qint64 base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? input->pos() : input->size();
    return input->seek(base + offset) ? input->pos() : ARCHIVE_FATAL;
}

struct ArchiveFree
{
    void operator()(archive *a) const { archive_read_free(a); }
};
using Reader = std::unique_ptr<archive, ArchiveFree>;

class Unpacker
{
public:
    Unpacker(QIODevice &input, const QString &folder) : m_folder(folder) { m_source.input = &input; }

    QString run()
    {
        if (QString refusal = readList(); !refusal.isEmpty())
            return refusal;
        m_source.input->seek(0);
        m_source.delivered = 0;
        const Reader reader(archive_read_new());
        m_archive = reader.get();
        // The streaming reader: every byte it unpacks is one it was given in
        // order, so the sizes below are those of the bytes themselves.
        archive_read_support_format_zip_streamable(m_archive);
        if (archive_read_open(m_archive, &m_source, nullptr, readChunk, nullptr) != ARCHIVE_OK)
            return damaged();
        for (;;) {
            archive_entry *entry = nullptr;
            const int status = archive_read_next_header(m_archive, &entry);
            if (status == ARCHIVE_EOF)
                return {};
            if (status != ARCHIVE_OK)
                return damaged();
            if (QString refusal = expansionOfLast(); !refusal.isEmpty())
                return refusal;
            if (++m_entries > MaxEntries)
                return tooMany();
            if (QString refusal = checkEntry(entry); !refusal.isEmpty())
                return refusal;
            if (QString refusal = unpack(); !refusal.isEmpty())
                return refusal;
        }
    }

private:
    // Only the archive's closing list tells a link from a file, so it is
    // read first; nothing is unpacked from it.
    QString readList()
    {
        const Reader reader(archive_read_new());
        m_archive = reader.get();
        archive_read_support_format_zip_seekable(m_archive);
        archive_read_set_seek_callback(m_archive, seekInput);
        if (archive_read_open(m_archive, &m_source, nullptr, readChunk, nullptr) != ARCHIVE_OK)
            return damaged();
        for (int entries = 1;; ++entries) {
            archive_entry *entry = nullptr;
            const int status = archive_read_next_header(m_archive, &entry);
            if (status == ARCHIVE_EOF)
                return {};
            if (status != ARCHIVE_OK)
                return damaged();
            if (entries > MaxEntries)
                return tooMany();
            if (QString refusal = checkPath(entry); !refusal.isEmpty())
                return refusal;
            m_listed.insert(m_name);
        }
    }

    QString tooMany() const { return tr("it holds more than %1 files").arg(MaxEntries); }

    QString damaged() const
    {
        const char *reason = archive_error_string(m_archive);
        return tr("it is not a ZIP archive, or it is damaged (%1)")
                .arg(reason ? QString::fromLocal8Bit(reason) : tr("no reason given"));
    }

    QString checkPath(archive_entry *entry)
    {
        const char *utf8 = archive_entry_pathname_utf8(entry);
        const char *raw = archive_entry_pathname(entry);
        m_name = utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(raw ? raw : "");
        static const QRegularExpression absolute(QStringLiteral(R"(^([/\\]|[A-Za-z]:))"));
        if (absolute.match(m_name).hasMatch())
            return tr("the file \"%1\" has an absolute path").arg(m_name);
        static const QRegularExpression parent(QStringLiteral(R"((^|[/\\])\.\.([/\\]|$))"));
        if (parent.match(m_name).hasMatch())
            return tr("the path \"%1\" reaches out of its folder").arg(m_name);
        if (archive_entry_filetype(entry) == AE_IFLNK || archive_entry_symlink(entry)
            || archive_entry_hardlink(entry))
            return tr("\"%1\" is a link").arg(m_name);
        return {};
    }

    QString checkEntry(archive_entry *entry)
    {
        if (QString refusal = checkPath(entry); !refusal.isEmpty())
            return refusal;
        // What the entries say of themselves must be what the list says.
        if (!m_listed.contains(m_name))
            return tr("it is damaged: \"%1\" is missing from its list of files").arg(m_name);
        if (archive_entry_filetype(entry) != AE_IFREG || fileKind(m_name) == FileKind::Unexpected)
            return tr("\"%1\" is no file of a dungeon").arg(m_name);
        // Names that differ only in case are one file on Windows and macOS.
        if (m_names.contains(m_name.toCaseFolded()))
            return tr("it holds \"%1\" twice").arg(m_name);
        m_names.insert(m_name.toCaseFolded());
        m_headerAt = archive_read_header_position(m_archive);
        return {};
    }

    // The entry's packed bytes so far, headers included: no more than those
    // libarchive has been given since the entry began.
    qint64 packedSoFar() const { return qMax<qint64>(1, m_source.delivered - m_headerAt); }

    QString tooExpanded() const
    {
        return tr("\"%1\" unpacks to more than %2 times its packed size").arg(m_name, QString::number(MaxExpansion));
    }

    // Once the next entry begins, the last one's packed size is exact.
    QString expansionOfLast() const
    {
        if (m_name.isEmpty())
            return {};
        const qint64 packed = qMax<qint64>(1, archive_read_header_position(m_archive) - m_headerAt);
        return m_unpacked > MaxExpansion * packed ? tooExpanded() : QString();
    }

    QString unpack()
    {
        QFile file(m_folder + u'/' + m_name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return tr("cannot write %1: %2").arg(file.fileName(), file.errorString());
        m_unpacked = 0;
        char buffer[16384];
        for (;;) {
            const la_ssize_t read = archive_read_data(m_archive, buffer, sizeof buffer);
            if (read == 0)
                return {};
            if (read < 0)
                return damaged();
            m_unpacked += read;
            m_total += read;
            if (m_total > MaxUnpackedBytes)
                return tr("it unpacks to more than %1 MB").arg(MaxUnpackedBytes / (1024 * 1024));
            if (m_unpacked > MaxExpansion * packedSoFar())
                return tooExpanded();
            if (file.write(buffer, read) != read)
                return tr("cannot write %1: %2").arg(file.fileName(), file.errorString());
        }
    }

    QString m_folder;
    Source m_source;
    archive *m_archive = nullptr;
    int m_entries = 0;
    QSet<QString> m_listed; // by the closing list
    QSet<QString> m_names;  // unpacked so far, in any case
    QString m_name;      // the entry being unpacked
    qint64 m_headerAt = 0;
    qint64 m_unpacked = 0;
    qint64 m_total = 0;
};

} // namespace

QString unpackArchive(QIODevice &input, const QString &folder)
{
    return Unpacker(input, folder).run();
}

} // namespace Exchange
