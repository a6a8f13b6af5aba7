#pragma once

#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QSize>

// Finding the rooms of a map from its walls and doors: the floor they close
// off, larger than two grid cells, the outside (what reaches the edge of the
// map) left out.
namespace Import {

constexpr int MaxRoomCorners = 64;

struct FoundRoom
{
    QPolygonF outline; // at most MaxRoomCorners corners, in map pixels
    QPointF spot;      // a point well inside the room
    double area = 0;   // in square pixels
};

struct FoundRooms
{
    QList<FoundRoom> rooms; // at most `keep`, the largest, in reading order
    int leftOut = 0;        // rooms found beyond those
};

// `barriers` are the walls and doors in pixels of a map of `mapSize`, whose
// grid cells are `cellSize` pixels; what lies off the map is clipped. The
// caller bounds the barriers' number; the work here is bounded by the map's
// size.
FoundRooms findRooms(QSize mapSize, double cellSize, const QList<QLineF> &barriers, int keep);

} // namespace Import
