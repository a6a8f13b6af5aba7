// Tables: one row definition per row, every cell of the grid written, the
// cells a spanning cell covers marked as merged.

#include "rtfwriter_p.h"

#include <QTextTable>

#include <algorithm>

namespace Rtf {

namespace {

// The width a table gets when it says nothing about its own: a page of
// 6.25 inches, what most word processors leave between their margins.
constexpr int defaultTableTwips = 9000;

} // namespace

void Writer::writeTable(const QTextTable *table)
{
    const QTextTableFormat format = table->format();
    const std::vector<int> edges = columnEdges(table);
    for (int row = 0; row < table->rows(); ++row) {
        out.word("trowd");
        if (format.cellPadding() > 0)
            out.word("trgaph", pixelTwips(format.cellPadding()));
        if (format.alignment() & Qt::AlignHCenter)
            out.word("trqc");
        else if (format.alignment() & Qt::AlignRight)
            out.word("trqr");
        if (row < format.headerRowCount())
            out.word("trhdr");

        for (int column = 0; column < table->columns(); ++column) {
            writeCellDefinition(table->cellAt(row, column), row, column, format);
            out.word("cellx", edges[column]);
        }
        out.newline();

        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() == row && cell.column() == column) {
                writeCellContents(cell);
            } else { // covered by a spanning cell
                out.word("pard");
                out.word("intbl");
            }
            out.word("cell");
            out.newline();
        }
        out.word("row");
        out.newline();
    }
}

// Every row has a cell for every column, so a reader that knows no
// merging still sees the grid; a spanning cell starts merges that the
// cells it covers continue.
void Writer::writeCellDefinition(const QTextTableCell &cell, int row, int column, const QTextTableFormat &table)
{
    if (cell.row() != row)
        out.word("clvmrg");
    else if (cell.rowSpan() > 1)
        out.word("clvmgf");
    if (cell.column() != column)
        out.word("clmrg");
    else if (cell.columnSpan() > 1)
        out.word("clmgf");

    if (table.border() > 0) {
        const int width = std::min(pixelTwips(table.border()), 75); // the widest RTF allows
        const QBrush brush = table.borderBrush();
        for (const char *side : {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr"}) {
            out.word(side);
            out.word("brdrs");
            out.word("brdrw", width);
            if (brush.style() != Qt::NoBrush)
                out.word("brdrcf", colorIndex(brush.color()));
        }
    }
    const QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
    if (const QBrush background = cellFormat.background(); background.style() != Qt::NoBrush)
        out.word("clcbpat", colorIndex(background.color()));
    writeCellPadding(cellFormat, table.cellPadding());
}

// Each side's padding as Qt lays it out: the cell's own, else the
// table's. Readers ignore a padding whose unit (\clpadf*) is not 3, twips.
void Writer::writeCellPadding(const QTextTableCellFormat &cell, qreal tablePadding)
{
    struct Side { QTextFormat::Property property; const char *padding; const char *unit; };
    static constexpr Side sides[] = {
        {QTextFormat::TableCellLeftPadding, "clpadl", "clpadfl"},
        {QTextFormat::TableCellTopPadding, "clpadt", "clpadft"},
        {QTextFormat::TableCellBottomPadding, "clpadb", "clpadfb"},
        {QTextFormat::TableCellRightPadding, "clpadr", "clpadfr"},
    };
    for (const Side &side : sides) {
        const qreal padding = cell.hasProperty(side.property) ? cell.doubleProperty(side.property) : tablePadding;
        if (const int twips = pixelTwips(padding); twips > 0) {
            out.word(side.padding, twips);
            out.word(side.unit, 3);
        }
    }
}

// Nested tables have no counterpart we write, so their cells' paragraphs
// stay in the outer cell one after another.
void Writer::writeCellContents(const QTextTableCell &cell)
{
    const QTextBlock last = cell.lastCursorPosition().block();
    for (QTextBlock block = cell.firstCursorPosition().block(); block.isValid(); block = block.next()) {
        writeParagraph(block, InTable::Yes);
        if (block == last)
            break;
        endParagraph();
    }
}

// Right edges of the columns in twips: fixed widths in pixels, percentages
// of the table's width, and what is left shared by the others.
std::vector<int> Writer::columnEdges(const QTextTable *table) const
{
    const QTextTableFormat format = table->format();
    const QTextLength tableWidth = format.width();
    qreal total = defaultTableTwips;
    if (tableWidth.type() == QTextLength::FixedLength)
        total = tableWidth.rawValue() * TwipsPerPixel;
    else if (tableWidth.type() == QTextLength::PercentageLength)
        total = defaultTableTwips * tableWidth.rawValue() / 100;

    const QList<QTextLength> constraints = format.columnWidthConstraints();
    const int columns = table->columns();
    std::vector<qreal> widths(columns, -1);
    qreal taken = 0;
    int shared = 0;
    for (int column = 0; column < columns; ++column) {
        const QTextLength constraint = constraints.value(column);
        if (constraint.type() == QTextLength::FixedLength)
            widths[column] = constraint.rawValue() * TwipsPerPixel;
        else if (constraint.type() == QTextLength::PercentageLength)
            widths[column] = total * constraint.rawValue() / 100;
        if (widths[column] < 0)
            ++shared;
        else
            taken += widths[column];
    }
    constexpr qreal narrowest = 360; // a quarter inch, so a column never vanishes
    const qreal share = shared ? std::max((total - taken) / shared, narrowest) : 0;

    std::vector<int> edges(columns);
    qreal edge = 0;
    for (int column = 0; column < columns; ++column) {
        edge += std::max(widths[column] < 0 ? share : widths[column], narrowest);
        edges[column] = qRound(edge);
    }
    return edges;
}

} // namespace Rtf
