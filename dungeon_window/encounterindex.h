#pragma once

#include "storage/encounterfiles.h"

#include <QList>
#include <QString>

#include <array>

// The searchable text of a dungeon's forty encounters: the monster names and
// the details as plain text. It only reads the encounter files, and keeps up
// with saves by re-reading them.
class EncounterIndex
{
public:
    struct Match
    {
        int number;      // 1 to EncounterShape::EncounterCount
        QString context; // the matching text with some of its surroundings
    };

    EncounterIndex(const QString &programFolder, qint16 dungeonNumber);

    // Takes in every save made since the last refresh; before the first,
    // every file counts as missing.
    void refresh();

    // The encounters whose monster names or details contain text, ignoring
    // case and accents, in number order; none for empty text.
    QList<Match> find(const QString &text) const;

    // How many encounters have a monster's name or details text.
    int filledCount() const;

    // Text as find compares it; origin[i] is the index in the text as written
    // of the character text[i] comes from.
    struct FoldedText
    {
        QString text;
        QList<qsizetype> origin;
    };

private:
    struct Encounter
    {
        Storage::EncounterFiles files;
        Storage::Stamp stamp;     // of the files when last read
        Storage::Version version; // the save indexed
        QByteArray rtf;           // its details, parsed only when they change
        QStringList monsterNames;
        QString details;
        FoldedText foldedDetails;
    };

    static QString detailsText(const QByteArray &rtf);

    std::array<Encounter, EncounterShape::EncounterCount> m_encounters;
};
