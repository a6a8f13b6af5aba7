#include "encounterindex.h"

#include "rtf/rtf.h"

#include <QFile>
#include <QTextDocument>

#include <algorithm>

#include <sys/stat.h>

namespace {

// Characters of context shown on either side of a match in the details.
constexpr qsizetype ContextReach = 30;
// The first column of the monster table, cells 0 to 9, holds the names.
constexpr int MonsterNameCells = 10;

// A row of the result list is one line: paragraph breaks, tabs and pictures
// become spaces. Each stands for one character, so positions keep their meaning.
QString onOneLine(QString text)
{
    for (QChar &character : text) {
        if (character == u'\n' || character == u'\t' || character == QChar::LineSeparator
            || character == QChar::ObjectReplacementCharacter)
            character = u' ';
    }
    return text;
}

// The match at `at` with whole words around it, "..." marking what is left out.
QString inContext(const QString &text, qsizetype at, qsizetype length)
{
    qsizetype start = std::max<qsizetype>(0, at - ContextReach);
    qsizetype end = std::min(text.size(), at + length + ContextReach);
    // Begin and end on a word boundary unless that would cut into the match.
    if (start > 0) {
        const qsizetype space = text.indexOf(u' ', start);
        if (space >= 0 && space < at)
            start = space + 1;
    }
    if (end < text.size()) {
        const qsizetype space = text.lastIndexOf(u' ', end - 1);
        if (space >= at + length)
            end = space;
    }
    QString context = text.mid(start, end - start).trimmed();
    if (start > 0)
        context.prepend(QStringLiteral("..."));
    if (end < text.size())
        context.append(QStringLiteral("..."));
    return context;
}

} // namespace

EncounterIndex::EncounterIndex(const QString &programFolder, qint16 dungeonNumber)
{
    for (int n = 1; n <= int(m_encounters.size()); ++n)
        m_encounters[n - 1].files =
            Storage::encounterFiles(programFolder, dungeonNumber, QString::number(n));
}

void EncounterIndex::refresh()
{
    for (Encounter &encounter : m_encounters) {
        const Storage::EncounterFiles files = Storage::lastSavedFiles(encounter.files);
        const FileStamp tableStamp = stampOf(files.tableFile);
        if (tableStamp != encounter.tableStamp) {
            const Storage::Cells cells = Storage::readExistingTable(files.tableFile);
            encounter.monsterNames.clear();
            for (int cell = 0; cell < MonsterNameCells; ++cell) {
                if (!cells[cell].isEmpty())
                    encounter.monsterNames.append(onOneLine(cells[cell]));
            }
            encounter.tableStamp = tableStamp;
        }
        const FileStamp detailsStamp = stampOf(files.detailsFile);
        if (detailsStamp != encounter.detailsStamp) {
            encounter.details = detailsStamp.exists ? detailsText(files.detailsFile)
                                                    : QString();
            encounter.detailsStamp = detailsStamp;
        }
    }
}

QList<EncounterIndex::Match> EncounterIndex::find(const QString &text) const
{
    QList<Match> matches;
    if (text.isEmpty())
        return matches;
    for (int n = 1; n <= int(m_encounters.size()); ++n) {
        const Encounter &encounter = m_encounters[n - 1];
        const auto name = std::find_if(
            encounter.monsterNames.begin(), encounter.monsterNames.end(),
            [&text](const QString &name) { return name.contains(text, Qt::CaseInsensitive); });
        if (name != encounter.monsterNames.end()) {
            matches.append({n, *name});
            continue;
        }
        const qsizetype at = encounter.details.indexOf(text, 0, Qt::CaseInsensitive);
        if (at >= 0)
            matches.append({n, inContext(encounter.details, at, text.size())});
    }
    return matches;
}

// One stat call per file: checking all eighty files runs on every keystroke.
EncounterIndex::FileStamp EncounterIndex::stampOf(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    const auto nanoseconds = [](const timespec &time) {
        return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    // Saves replace a file by renaming a new one over it, which changes its
    // status time even when size and modification time happen to match.
    return {true, qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
}

QString EncounterIndex::detailsText(const QString &detailsFile)
{
    QFile file(detailsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextDocument document;
    Rtf::read(file.readAll(), &document);
    return onOneLine(document.toPlainText());
}
