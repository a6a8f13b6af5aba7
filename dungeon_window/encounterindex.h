#pragma once

#include "storage/encounterfiles.h"

#include <QList>
#include <QString>

#include <array>

// The searchable text of a dungeon's forty encounters: the monster names and
// the details as plain text. It only reads the encounter files, and keeps up
// with saves by re-reading an encounter whose files changed on disk.
class EncounterIndex
{
public:
    struct Match
    {
        int number;      // 1 to 40
        QString context; // the matching text with some of its surroundings
    };

    EncounterIndex(const QString &programFolder, qint16 dungeonNumber);

    // Re-reads every encounter whose files changed since the last refresh;
    // before the first, every file counts as missing.
    void refresh();

    // The encounters whose monster names or details contain text, ignoring
    // case, in number order; none for empty text.
    QList<Match> find(const QString &text) const;

private:
    // What tells a file that was replaced or written from the one read before.
    struct FileStamp
    {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedNs = 0, changedNs = 0;
        bool operator==(const FileStamp &) const = default;
    };

    struct Encounter
    {
        Storage::EncounterFiles files;
        FileStamp tableStamp, detailsStamp;
        QStringList monsterNames;
        QString details;
    };

    static FileStamp stampOf(const QString &path);
    static QString detailsText(const QString &detailsFile);

    std::array<Encounter, 40> m_encounters;
};
