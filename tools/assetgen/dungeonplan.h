#pragma once

#include <QMap>
#include <QPolygonF>
#include <QStringList>

// The plan of the built-in dungeon, keyed by hand, from which assetgen draws
// the map and samplegen takes the sample adventure's rooms.
namespace DungeonPlan {

// The grid: lines 20 pixels apart, the first at x = 10 and y = 20.
constexpr int Pitch = 20;
constexpr int FirstLineX = 10;
constexpr int FirstLineY = 20;
constexpr int Columns = 24;
constexpr int Rows = 32;

constexpr int lineX(int i) { return FirstLineX + Pitch * i; }
constexpr int lineY(int j) { return FirstLineY + Pitch * j; }

// The plan's lines, each 2 * Columns + 1 characters (see dungeonplan.cpp).
QStringList planLines();

// For each spot of the map that lies in a walled room, the room's outline in
// map pixels along the grid lines its walls stand on. Doors count as walls; a
// spot whose floor runs on into the corridors has no room.
QMap<int, QPolygonF> roomOutlines();

} // namespace DungeonPlan
