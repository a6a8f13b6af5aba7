#pragma once

// Readable descriptions of a QTextDocument's structure for the RTF tests:
// what a comparison in a data table can state in one string.

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace DocumentDump {

// Blocks joined by newlines, each block's text as stored (no conversion of
// no-break spaces or line separators, unlike toPlainText()).
inline QString blocksText(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks.join(u'\n');
}

// Blocks and tables in document order: a table as [a|b/c|d], rows split by
// '/', cells by '|', blocks by '\n' (inside cells by ' '); a position that a
// merged cell covers shows as '<' (merged across) or '^' (merged down).
inline QString structure(QTextFrame::iterator it, QTextFrame::iterator end, QStringView separator = u"\n")
{
    QStringList parts;
    for (; it != end; ++it) {
        if (auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            QStringList rows;
            for (int row = 0; row < table->rows(); ++row) {
                QStringList cells;
                for (int column = 0; column < table->columns(); ++column) {
                    const QTextTableCell cell = table->cellAt(row, column);
                    if (cell.row() != row)
                        cells << QStringLiteral("^"); // merged with the cell above
                    else if (cell.column() != column)
                        cells << QStringLiteral("<"); // merged with the cell before
                    else
                        cells << structure(cell.begin(), cell.end(), u" ").trimmed();
                }
                rows << cells.join(u'|');
            }
            parts << u'[' + rows.join(u'/') + u']';
        } else if (it.currentBlock().isValid()) {
            parts << it.currentBlock().text();
        }
    }
    return parts.join(separator);
}

inline QString structure(const QTextDocument &document)
{
    return structure(document.rootFrame()->begin(), document.rootFrame()->end());
}

inline QString listStyleName(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListDisc: return QStringLiteral("disc");
    case QTextListFormat::ListCircle: return QStringLiteral("circle");
    case QTextListFormat::ListSquare: return QStringLiteral("square");
    case QTextListFormat::ListDecimal: return QStringLiteral("decimal");
    case QTextListFormat::ListLowerAlpha: return QStringLiteral("alpha");
    case QTextListFormat::ListUpperAlpha: return QStringLiteral("ALPHA");
    case QTextListFormat::ListLowerRoman: return QStringLiteral("roman");
    case QTextListFormat::ListUpperRoman: return QStringLiteral("ROMAN");
    default: return QStringLiteral("?");
    }
}

// Each block's text, and for list items "text:style/indent#n" where n
// numbers the distinct lists in order of appearance; blocks joined by ' '.
inline QString listStructure(const QTextDocument &document)
{
    QList<QTextList *> lists;
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextList *list = block.textList();
        if (!list) {
            blocks << block.text();
            continue;
        }
        if (!lists.contains(list))
            lists << list;
        blocks << QStringLiteral("%1:%2/%3#%4")
                      .arg(block.text(), listStyleName(list->format().style()))
                      .arg(list->format().indent())
                      .arg(lists.indexOf(list) + 1);
    }
    return blocks.join(u' ');
}

// Runs of anchor text as "text=>href", merged where adjacent in a block.
inline QString anchors(const QTextDocument &document)
{
    QStringList result;
    QString text;
    QString href;
    const auto flush = [&] {
        if (!text.isEmpty())
            result << text + QStringLiteral("=>") + href;
        text.clear();
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isAnchor() || format.anchorHref() != href)
                flush();
            if (format.isAnchor()) {
                href = format.anchorHref();
                text += it.fragment().text();
            }
        }
        flush();
    }
    return result.join(u", ");
}

inline QList<QTextImageFormat> images(const QTextDocument &document)
{
    QList<QTextImageFormat> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                found << it.fragment().charFormat().toImageFormat();
        }
    }
    return found;
}

} // namespace DocumentDump
