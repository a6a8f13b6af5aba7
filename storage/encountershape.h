#pragma once

#include <QtGlobal>

#include <array>

// The shape of an encounter, the same in its files and wherever it is shown
// or printed: forty encounters to a dungeon, each with a monster table of
// ten rows under four captioned columns.
namespace EncounterShape {

// The encounters of a dungeon, numbered 1 to EncounterCount: the spots on
// its map.
constexpr int EncounterCount = 40;

constexpr int MonsterRows = 10;
// Left to right, on screen, on paper and in the file.
constexpr std::array<const char *, 4> ColumnCaptions = {"Monster Name", "AC", "DMG", "HP"};
constexpr int ColumnCount = int(ColumnCaptions.size());
constexpr int NameColumn = 0;

// Cell 10 x column + row, the order of the table file's records.
constexpr int CellCount = MonsterRows * ColumnCount;
constexpr int cellIndex(int column, int row)
{
    return MonsterRows * column + row;
}

// The longest cell text a record holds, in bytes of the code page.
constexpr qsizetype MaxCellBytes = 126;

} // namespace EncounterShape
