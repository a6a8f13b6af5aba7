#pragma once

// The encounter spots of the dungeon map, shared by the board, which lays a
// clickable label over each, and by assetgen, which draws each number inside
// its spot. Needs nothing beyond QtCore, so that the generator links no
// widgets.

#include "storage/encountershape.h"

#include <QRect>

#include <array>

namespace Map {

constexpr int SpotCount = EncounterShape::EncounterCount;

// Spot n is Spots[n - 1], in map pixels.
constexpr std::array<QRect, SpotCount> Spots = {{
    {8, 24, 17, 9},    {8, 88, 17, 9},    {88, 88, 17, 9},   {312, 24, 17, 9},
    {8, 168, 17, 9},   {232, 104, 9, 9},  {248, 104, 17, 9}, {328, 168, 17, 9},
    {392, 168, 17, 9}, {472, 168, 17, 9}, {472, 104, 17, 9}, {176, 184, 9, 9},
    {472, 184, 17, 9}, {416, 184, 9, 9},  {72, 264, 17, 9},  {96, 264, 9, 9},
    {96, 328, 9, 9},   {312, 328, 17, 9}, {312, 264, 17, 9}, {8, 344, 17, 9},
    {8, 408, 17, 9},   {232, 408, 17, 9}, {232, 344, 17, 9}, {168, 344, 17, 9},
    {312, 344, 17, 9}, {336, 344, 17, 9}, {408, 408, 17, 9}, {152, 488, 17, 9},
    {248, 424, 17, 9}, {472, 488, 17, 9}, {72, 568, 17, 9},  {152, 504, 17, 9},
    {248, 568, 17, 9}, {392, 568, 17, 9}, {72, 584, 17, 9},  {8, 584, 17, 9},
    {96, 584, 17, 9},  {88, 648, 17, 9},  {152, 648, 17, 9}, {312, 648, 17, 9},
}};

} // namespace Map
