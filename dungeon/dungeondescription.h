#pragma once

#include "storage/encountershape.h"

#include <QJsonObject>
#include <QLineF>
#include <QList>
#include <QMap>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <functional>
#include <optional>

// The description of one dungeon, Dungeons/DungeonN/dungeon.json, a file game
// masters write by hand and share:
//   { "title": "The Sunken Halls of Orvane",
//     "map": "map.jpg",
//     "spots": { "1": [212, 96], "2": [640, 410] },
//     "rooms": { "1": [[180, 60], [260, 60], [260, 140], [180, 140]] },
//     "areas": { "1": [[260, 90], [320, 90], [320, 110], [260, 110]] },
//     "grid": { "size": 70, "origin": [0, 0] },
//     "doors": [ [[140, 70], [210, 70]] ] }
// Coordinates are pixels of the map picture: a spot is the centre of its
// number square, a room the outline of the spot's room, an area the outline
// of a part of the map that holds no encounter (a corridor, say), named by a
// number of its own so that what the players saw of it stays named. Without "map" the
// dungeon uses the built-in map and its spot table, and the coordinates are
// those of the built-in map. "grid" (the side of a cell and a point where
// grid lines cross) and "doors" (each from one post to the other) come with
// maps brought from other programs.
namespace Dungeon {

constexpr int SpotCount = EncounterShape::EncounterCount;
constexpr int MaxDungeonNumber = 999;
constexpr int MaxAreaNumber = 999;
constexpr QSize BuiltInMapSize{500, 680};

struct MapGrid
{
    double size = 0; // the side of a cell in pixels
    QPointF origin;  // where two grid lines cross
};

struct DungeonDescription
{
    QString title;
    QString mapFile;                   // a file name in the dungeon folder; empty for the built-in map
    QMap<int, QPointF> spots;          // spot number (1 to 40) to the centre of its number square
    QMap<int, QPolygonF> rooms;        // spot number to the outline of its room
    QMap<int, QPolygonF> areas;        // area number (1 to MaxAreaNumber) to its outline
    std::optional<MapGrid> grid;       // the map's grid, when known
    QList<QLineF> doors;               // each door from one post to the other
    QJsonObject otherKeys;             // what the program does not know, written back unchanged

    bool hasOwnMap() const { return !mapFile.isEmpty(); }
};

// The outcome of reading a description. A folder without dungeon.json reads
// as the empty description, which is no failure.
struct DescriptionRead
{
    DungeonDescription description;  // the empty description when the file cannot be read
    QString error;                   // "<path>: <reason>" when it cannot
    bool exists = false;             // whether the folder holds dungeon.json

    bool ok() const { return error.isEmpty(); }
};

QString descriptionPath(const QString &folder);
QString mapPath(const QString &folder, const DungeonDescription &description);

// Reads and checks Dungeons/DungeonN/dungeon.json: JSON with the keys above,
// a map picture that exists in the folder and can be read, and every
// coordinate on the picture. The picture's size comes from its header; its
// pixels are not decoded here.
DescriptionRead readDungeonDescription(const QString &folder);

// The same checks on the bytes of a description, for a picture of mapSize
// (read from the picture named by "map" when mapSize is empty).
DescriptionRead parseDungeonDescription(const QByteArray &json, const QString &folder,
                                        QSize mapSize = {});

// The JSON text of a description: the keys the program does not know as they
// were, then "title", "map", "spots", "rooms", "grid" and "doors".
QByteArray descriptionJson(const DungeonDescription &description);

// Replaces dungeon.json atomically. Refuses, leaving the file alone, when the
// folder's dungeon.json exists but cannot be read as a description: it may
// hold a game master's work that only a person can mend. Returns the error,
// empty on success.
QString writeDungeonDescription(const QString &folder, const DungeonDescription &description);

// The numbers of the DungeonN folders below <programFolder>/Dungeons, in order.
QList<int> dungeonNumbers(const QString &programFolder);
// The smallest number from 1 to 999 with no folder yet; 0 when all are taken.
int nextFreeDungeonNumber(const QString &programFolder);

// Makes the next free DungeonN folder for a map picture: copies the picture
// in as map.<its extension> and writes a dungeon.json with the title and the
// map and no spots placed. Returns the new number, or 0 and the reason in
// `error`; a picture that cannot be used leaves no folder behind.
int createDungeon(const QString &programFolder, const QString &picturePath, const QString &title,
                  QString *error);

// Makes the next free DungeonN folder from what `fill` writes into a new
// hidden folder of the Dungeons folder; the folder takes its name only when
// fill returns no error, and is removed otherwise. Returns the new number, or
// 0 and the reason in `error`.
int createDungeonWith(const QString &programFolder, const std::function<QString(const QString &folder)> &fill,
                      QString *error);

} // namespace Dungeon
