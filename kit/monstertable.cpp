#include "monstertable.h"

#include "controls.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

using EncounterShape::ColumnCount;
using EncounterShape::MonsterRows;

// Left to right; Label2 index of each caption, and its left edge from the
// first caption's.
struct MonsterColumn
{
    int captionIndex;
    int left, width;
};
constexpr std::array<MonsterColumn, ColumnCount> MonsterColumns = {{
    {1, 0, 201},
    {3, 224, 41},
    {4, 288, 73},
    {2, 384, 73},
}};
constexpr int CaptionHeight = 17;
constexpr int CellsBelowCaption = 16;
constexpr int RowPitch = 24;
constexpr int CellHeight = 19;

} // namespace

void setupMonsterTable(QWidget *window, MonsterTablePlace where, std::span<Label *> captions,
                       MonsterCells &cells)
{
    for (int column = 0; column < ColumnCount; ++column) {
        const MonsterColumn &c = MonsterColumns[column];
        const QString caption =
            QCoreApplication::translate("MonsterTable", EncounterShape::ColumnCaptions[column]);
        const int left = where.origin.x() + c.left;
        captions[c.captionIndex] = captionLabel(window, indexedName("Label2", c.captionIndex), caption,
                                                {left, where.origin.y(), c.width, CaptionHeight});
        const int indent = column == 0 ? where.nameIndent : 0;
        for (int row = 0; row < MonsterRows; ++row) {
            const int index = EncounterShape::cellIndex(column, row);
            const QRect geometry(left + indent, where.origin.y() + CellsBelowCaption + RowPitch * row,
                                 c.width - indent, CellHeight);
            cells[index] = place(new QLineEdit(window), indexedName("Text1", index), geometry);
            cells[index]->setMaxLength(EncounterShape::MaxCellBytes); // a stored text shows whole
            cells[index]->setAccessibleName(
                QCoreApplication::translate("MonsterTable", "%1, row %2").arg(caption, QString::number(row + 1)));
        }
    }
}
