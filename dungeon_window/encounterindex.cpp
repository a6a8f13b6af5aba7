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

// Search compares text case folded and without accents: "cafe" finds "café".
// Each character of the folded text remembers where it came from, so that a
// match is shown in the text as written.
EncounterIndex::FoldedText folded(const QString &text)
{
    EncounterIndex::FoldedText result;
    result.text.reserve(text.size());
    result.origin.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text[i];
        // Decomposition splits "é" into "e" and a combining accent, left out below.
        const QString parts = character.decompositionTag() == QChar::NoDecomposition
                ? QString(character)
                : QString(character).normalized(QString::NormalizationForm_KD);
        for (const QChar part : parts.toCaseFolded()) {
            if (part.category() == QChar::Mark_NonSpacing)
                continue;
            result.text.append(part);
            result.origin.append(i);
        }
    }
    return result;
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
        // Taken before the read: a save landing in between changes it again.
        const Storage::Stamp stamp = Storage::stampOf(encounter.files);
        if (stamp == encounter.stamp)
            continue;
        encounter.stamp = stamp;
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
            encounter.foldedDetails = folded(encounter.details);
        }
        encounter.version = saved.version;
    }
}

QList<EncounterIndex::Match> EncounterIndex::find(const QString &text) const
{
    QList<Match> matches;
    const QString wanted = folded(text).text;
    if (wanted.isEmpty())
        return matches;
    for (int n = 1; n <= int(m_encounters.size()); ++n) {
        const Encounter &encounter = m_encounters[n - 1];
        const auto name = std::find_if(
            encounter.monsterNames.begin(), encounter.monsterNames.end(),
            [&wanted](const QString &name) { return folded(name).text.contains(wanted); });
        if (name != encounter.monsterNames.end()) {
            matches.append({n, *name});
            continue;
        }
        const FoldedText &details = encounter.foldedDetails;
        const qsizetype at = details.text.indexOf(wanted);
        if (at >= 0) {
            const qsizetype start = details.origin[at];
            const qsizetype end = details.origin[at + wanted.size() - 1] + 1;
            matches.append({n, inContext(encounter.details, start, end - start)});
        }
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
