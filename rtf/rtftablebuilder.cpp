// The table builder. RTF marks table paragraphs (\intbl, \itapN) and ends
// cells and rows (\cell, \row); it never opens a table. So a table opens
// when content arrives at a deeper level, closes when content arrives at a
// shallower one, and moves to the next cell or row when content follows
// \cell or \row.

#include "rtfreader_p.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

namespace Rtf {

// Words that end cells and rows or define a row's cells.
bool Reader::handleTableWord(const WordEntry &entry, int parameter)
{
    const ParaProps &para = state().para;
    const bool inText = state().destination == Destination::Text;
    switch (entry.word) {
    case Word::Cell:
        if (inText)
            endCell(entry.value ? std::max(1, para.tableLevel()) : 1);
        return true;
    case Word::Row:
        if (inText)
            endRow(entry.value ? std::max(1, para.tableLevel()) : 1);
        return true;
    case Word::RowDefaults:
        m_definitionLevel = std::max(1, para.tableLevel());
        m_rowDefinitions[size_t(m_definitionLevel)].clear();
        m_cellDefinition = {};
        return true;
    case Word::CellMerge:
        m_cellDefinition.merge |= quint8(entry.value);
        return true;
    case Word::CellBackground:
        m_cellDefinition.background = color(parameter);
        return true;
    case Word::CellPadding:
        m_cellDefinition.padding[size_t(entry.value)] = std::clamp(parameter, 0, 31680); // up to 22 inches
        return true;
    case Word::CellPaddingUnit:
        m_cellDefinition.paddingInTwips[size_t(entry.value)] = parameter == 3;
        return true;
    case Word::CellBoundary:
        if (RowDefinition &cells = m_rowDefinitions[size_t(m_definitionLevel)]; cells.size() < MaxTableColumns)
            cells.push_back(std::exchange(m_cellDefinition, {}));
        return true;
    default:
        return false;
    }
}

void Reader::enterTableLevel(int level)
{
    while (m_tables.size() > size_t(level))
        closeInnermostTable();
    for (size_t i = 0; i < size_t(level); ++i) {
        if (i == m_tables.size()) {
            openTable();
            continue;
        }
        if (m_tables[i].cellEnded || m_tables[i].rowEnded) {
            while (m_tables.size() > i + 1)
                closeInnermostTable();
            advanceCell(m_tables[i]);
        }
    }
}

void Reader::openTable()
{
    flushText();
    // A table follows the current block, ended or not.
    QTextTable *table = m_cursor.insertTable(1, 1);
    m_tables.push_back(OpenTable{.table = table});
    m_paragraph = ParagraphState::Open;
}

void Reader::closeInnermostTable()
{
    flushText();
    OpenTable &open = m_tables.back();
    if (const int spare = open.table->rows() - open.row - 1; spare > 0) {
        // Removing rows hands the block format of the first removed cell
        // to the last block before it: keep that block's own.
        const int lastPosition = open.table->cellAt(open.row, open.table->columns() - 1).lastPosition();
        const QTextBlockFormat lastFormat = m_document->findBlock(lastPosition).blockFormat();
        open.table->removeRows(open.row + 1, spare);
        m_cursor.setPosition(lastPosition);
        m_cursor.setBlockFormat(lastFormat);
    }
    formatCells(open);
    mergeCells(open);
    m_cursor.setPosition(open.table->lastPosition() + 1);
    m_tables.pop_back();
    m_paragraph = ParagraphState::Open;
}

void Reader::advanceCell(OpenTable &open)
{
    QTextTable *table = open.table;
    if (open.rowEnded) {
        ++open.row;
        open.column = 0;
        // Qt rebuilds its cell grid after each change of size: a long table
        // grows by doubling and drops its spare rows when it closes; a short
        // one, where spare rows would cost more than rebuilding, by a row.
        if (open.row >= table->rows())
            table->appendRows(table->rows() < ShortTableRows ? 1 : std::min(table->rows(), 4096));
    } else if (open.column + 1 < MaxTableColumns) {
        ++open.column;
        if (open.column >= table->columns())
            table->appendColumns(1);
    } else {
        // Past the last column: the text joins the last cell.
        open.cellEnded = false;
        m_paragraph = ParagraphState::Ended;
        return;
    }
    open.cellEnded = open.rowEnded = false;
    m_cursor.setPosition(table->cellAt(open.row, open.column).firstPosition());
    m_paragraph = ParagraphState::Open;
}

void Reader::endCell(int level)
{
    flushText();
    // The cell's paragraph, possibly empty, belongs to the table at this level.
    GroupState &group = state();
    const ParaProps saved = group.para;
    group.para.inTable = true;
    group.para.nesting = level;
    endParagraph();
    group.para = saved;
    m_tables[size_t(level) - 1].cellEnded = true;
    m_paragraph = ParagraphState::Closed;
}

void Reader::endRow(int level)
{
    flushText();
    if (m_tables.size() < size_t(level))
        return; // a row without cells
    while (m_tables.size() > size_t(level))
        closeInnermostTable();
    OpenTable &table = m_tables.back();
    table.rowEnded = true;
    table.cellEnded = false;
    table.rows.push_back(m_rowDefinitions[size_t(level)]);
}

// Merged cells keep their own (empty) \cell in RTF; Qt drops empty cells
// when merging. Done once the table is complete, so that no text is ever
// written into a cell that a merge from the row above already covers.
void Reader::mergeCells(const OpenTable &open)
{
    const auto has = [](quint8 flags, CellMerge merge) { return (flags & quint8(merge)) != 0; };
    const bool anyMerge = std::ranges::any_of(open.rows, [](const RowDefinition &cells) {
        return std::ranges::any_of(cells, [](const CellDefinition &cell) { return cell.merge != 0; });
    });
    if (!anyMerge)
        return;

    // Removing a merged cell's empty block hands its block format to the
    // block before it, the last one of another cell: keep every cell's own.
    QTextTable *table = open.table;
    const auto blocksOf = [this](const QTextTableCell &cell, auto &&visit) {
        for (QTextBlock block = m_document->findBlock(cell.firstPosition());
             block.isValid() && block.position() <= cell.lastPosition(); block = block.next()) {
            if (!visit(block))
                break;
        }
    };
    const int columnCount = table->columns();
    std::vector<std::vector<QTextBlockFormat>> formats(size_t(table->rows() * columnCount));
    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < columnCount; ++column) {
            auto &cellFormats = formats[size_t(row * columnCount + column)];
            blocksOf(table->cellAt(row, column), [&](const QTextBlock &block) {
                cellFormats.push_back(block.blockFormat());
                return true;
            });
        }
    }

    std::vector<int> verticalStart(size_t(columnCount), -1);
    for (int row = 0; row < int(open.rows.size()) && row < table->rows(); ++row) {
        const RowDefinition &cells = open.rows[size_t(row)];
        const int columns = std::min(int(cells.size()), columnCount);
        for (int column = 0; column < columns; ++column) {
            const quint8 flags = cells[size_t(column)].merge;
            if (has(flags, CellMerge::Merged))
                continue; // part of the cell before it
            int span = 1;
            if (has(flags, CellMerge::First)) {
                while (column + span < columns && has(cells[size_t(column + span)].merge, CellMerge::Merged))
                    ++span;
                table->mergeCells(row, column, 1, span);
            }
            int &start = verticalStart[size_t(column)];
            if (has(flags, CellMerge::VerticalFirst))
                start = row;
            else if (has(flags, CellMerge::VerticalMerged) && start >= 0)
                table->mergeCells(start, column, row - start + 1, table->cellAt(start, column).columnSpan());
            else
                start = -1;
        }
    }

    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < columnCount; ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() != row || cell.column() != column)
                continue;
            auto format = formats[size_t(row * columnCount + column)].cbegin();
            const auto end = formats[size_t(row * columnCount + column)].cend();
            blocksOf(cell, [&](const QTextBlock &block) {
                if (format == end)
                    return false;
                if (block.blockFormat() != *format) {
                    m_cursor.setPosition(block.position());
                    m_cursor.setBlockFormat(*format);
                }
                ++format;
                return true;
            });
        }
    }
}

// Backgrounds and padding, set before merging: a spanning cell keeps the
// format of its first cell.
void Reader::formatCells(const OpenTable &open)
{
    QTextTable *table = open.table;
    for (int row = 0; row < int(open.rows.size()) && row < table->rows(); ++row) {
        const RowDefinition &cells = open.rows[size_t(row)];
        for (int column = 0; column < int(cells.size()) && column < table->columns(); ++column) {
            const CellDefinition &definition = cells[size_t(column)];
            QTextTableCell cell = table->cellAt(row, column);
            QTextTableCellFormat format = cell.format().toTableCellFormat();
            const QTextTableCellFormat before = format;
            if (definition.background.isValid())
                format.setBackground(definition.background);
            for (size_t side = 0; side < definition.padding.size(); ++side) {
                if (definition.paddingInTwips[side])
                    format.setProperty(QTextFormat::TableCellTopPadding + int(side),
                                       qreal(definition.padding[side]) / TwipsPerPixel);
            }
            if (format != before)
                cell.setFormat(format);
        }
    }
}

} // namespace Rtf
