#pragma once

#include "storage/encounterfiles.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

// Where the game master left off: the dungeon on display, the character
// names, the notes, where the party markers stood and the Combat window.
// Kept in Dungeons/session.json:
//   { "dungeon": 2, "names": ["Brakka", ...], "notes": "{\rtf1 ...}",
//     "markers": [{"box": [352, 680], "map": [812.5, 140]}, ...],
//     "combat": {"open": true, "showOrder": false} }
// A marker's "map" is its place on a dungeon's own map, absent elsewhere.
struct Session
{
    struct Marker
    {
        QPoint inBox;
        std::optional<QPointF> onMap;
        bool operator==(const Marker &) const = default;
    };

    int dungeon = 1;
    QStringList names;     // the six character names
    QByteArray notes;      // the notes as RTF
    QList<Marker> markers; // the seven party markers
    bool combatOpen = false;
    bool orderShownToPlayers = false;

    bool operator==(const Session &) const = default;
};

namespace SessionFile {

constexpr int NameCount = 6;
constexpr int MarkerCount = 7;

QString path(const QString &programFolder);

QByteArray encode(const Session &session);
// Nothing, and the reason, when the bytes are no session.
std::optional<Session> decode(const QByteArray &bytes, QString *reason);

struct ReadResult
{
    std::optional<Session> session; // nothing when missing or unreadable
    QString error;                  // "<path>: <reason>" when unreadable
};
ReadResult read(const QString &path);

Storage::WriteResult write(const QString &path, const Session &session);

} // namespace SessionFile
