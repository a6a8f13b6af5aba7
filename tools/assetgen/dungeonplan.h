#pragma once

#include "assets/pictures.h"

#include <QMap>
#include <QPolygonF>
#include <QStringList>

// The plan of the built-in dungeon, keyed by hand, from which assetgen draws
// the map and samplegen takes the sample adventure's rooms.
namespace DungeonPlan {

// The grid of the built-in map.
constexpr int Pitch = BuiltInMap::GridPitch;
constexpr int FirstLineX = BuiltInMap::FirstGridLines.x();
constexpr int FirstLineY = BuiltInMap::FirstGridLines.y();
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
