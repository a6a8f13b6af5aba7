#include "encounterindex.h"

#include "rtf/rtf.h"

#include <QTextDocument>

#include <algorithm>

namespace {

// Characters of context shown on either side of a match in the details.
constexpr qsizetype ContextReach = 30;

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
        const Storage::SavedEncounter saved =
            Storage::readEncounter(encounter.files, Storage::ReadMode::LookOnly);
        if (saved.version == encounter.version)
            continue;
        encounter.monsterNames.clear();
        for (int row = 0; row < EncounterShape::MonsterRows; ++row) {
            const QString &name = saved.cells[EncounterShape::cellIndex(EncounterShape::NameColumn, row)];
            if (!name.isEmpty())
                encounter.monsterNames.append(onOneLine(name));
        }
        if (saved.details != encounter.rtf) {
            encounter.rtf = saved.details;
            encounter.details = detailsText(saved.details);
        }
        encounter.version = saved.version;
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

int EncounterIndex::filledCount() const
{
    return int(std::count_if(m_encounters.begin(), m_encounters.end(), [](const Encounter &encounter) {
        return !encounter.monsterNames.isEmpty() || !encounter.details.trimmed().isEmpty();
    }));
}

QString EncounterIndex::detailsText(const QByteArray &rtf)
{
    if (rtf.isEmpty())
        return {};
    QTextDocument document;
    Rtf::read(rtf, &document);
    return onOneLine(document.toPlainText());
}
