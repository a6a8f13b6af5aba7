#pragma once

#include "storage/encountershape.h"

#include <QPoint>

#include <array>
#include <span>

class Label;
class QLineEdit;
class QWidget;

// The monster table both windows show: four captioned columns ("Monster
// Name", "AC", "DMG", "HP") of ten cells each; cell 10 x column + row.
using MonsterCells = std::array<QLineEdit *, EncounterShape::CellCount>;

// Where a window puts the table: the top-left corner of the first caption,
// and how far the name cells stand in from their caption's left edge.
struct MonsterTablePlace
{
    QPoint origin;
    int nameIndent = 0;
};

// Creates the captions, named "Label2(i)" and stored in captions[i] after
// the caption index of their column, and the cells, named "Text1(i)", column
// by column, each caption before its cells.
void setupMonsterTable(QWidget *window, MonsterTablePlace where, std::span<Label *> captions,
                       MonsterCells &cells);
