#pragma once

#include <QByteArray>
#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QSizeF>
#include <QString>

class QImage;

// The Universal VTT file (.dd2vtt, .df2vtt, .uvtt) that map makers write:
//   { "format": 0.3,
//     "resolution": { "map_origin": {"x": 0, "y": 0}, "map_size": {"x": 30, "y": 20},
//                     "pixels_per_grid": 70 },
//     "line_of_sight": [ [ {"x": 1, "y": 1}, {"x": 9, "y": 1}, ... ], ... ],
//     "objects_line_of_sight": [ ... ],
//     "portals": [ { "position": {...}, "bounds": [{...}, {...}], "rotation": 0,
//                    "closed": true, "freestanding": false } ],
//     "environment": {...}, "lights": [...], "image": "<base64>" }
// Positions are in grid cells; a pixel of the picture is
// (value - map_origin) * pixels_per_grid.
namespace Import {

// More than any map maker writes; a file with more is refused rather than
// letting the room search run long.
constexpr qsizetype MaxWallPoints = 100'000;

struct UniversalVtt
{
    QSizeF mapSize;          // in cells
    int pixelsPerGrid = 0;
    QList<QPolygonF> walls;  // in cells from the map's top left corner, props' outlines included
    QList<QLineF> portals;   // doors and windows, from one post to the other, likewise
    QPointF firstGridLine;   // where grid lines cross nearest the top left corner, in cells
    QByteArray image;        // the picture's bytes
};

struct UniversalVttRead
{
    UniversalVtt map;
    QString error; // the reason the file cannot be used

    bool ok() const { return error.isEmpty(); }
};

// Reads and checks the JSON: numbers where numbers belong, a positive whole
// pixels_per_grid, walls no farther off the map than its own size and at
// most MaxWallPoints points, and an image in base64 (not yet decoded as a
// picture).
UniversalVttRead parseUniversalVtt(const QByteArray &json);

// What a dungeon writes as a Universal VTT file.
struct VttExport
{
    double cellSize = 70;        // pixels
    QPointF gridOrigin;          // where two grid lines cross, in pixels
    QList<QPolygonF> rooms;      // outlines in pixels, written as closed walls
    QList<QLineF> doors;         // in pixels
};

// Format 0.3 with the picture as PNG.
QByteArray universalVttJson(const QImage &picture, const VttExport &map);

} // namespace Import
