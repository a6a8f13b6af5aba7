// Paragraphs and lists: a block's formatting, its list marker as plain text,
// and the list table that numbers the lists in the header.

#include "rtfwriter_p.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace Rtf {

namespace {

// A QTextList has one level, its indent.
int listLevel(const QTextListFormat &format)
{
    return std::clamp(format.indent() - 1, 0, ListLevels - 1);
}

bool isBullet(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare || style == QTextListFormat::ListStyleUndefined;
}

QString bulletText(QTextListFormat::Style style)
{
    return QString(QChar(bulletGlyph(style)));
}

QString numberSuffix(const QTextListFormat &format)
{
    // Like QTextList::itemText: an unset suffix means a full stop.
    return format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix() : QStringLiteral(".");
}

} // namespace

void Writer::writeParagraph(const QTextBlock &block, InTable inTable)
{
    out.word("pard");
    if (inTable == InTable::Yes)
        out.word("intbl");
    writeParagraphFormat(block);
    if (const QTextList *list = block.textList())
        writeListText(block, list);
    writeRuns(block);
    formatParagraphMark(block);
}

// The mark is the \par or \cell that ends a paragraph. An empty
// paragraph's height comes from its formatting, and word processors draw
// a list item's number in it; Qt uses the block's own format for both.
void Writer::formatParagraphMark(const QTextBlock &block)
{
    if (block.length() == 1 || block.textList())
        switchTo(runFormatOf(block).chars);
    // LibreOffice drops a paragraph whose mark is superscript, text and
    // all, so the mark always sits on the baseline.
    if (current.vertical != QTextCharFormat::AlignNormal) {
        CharProps baseline = current;
        baseline.vertical = QTextCharFormat::AlignNormal;
        switchTo(baseline);
    }
}

void Writer::endParagraph()
{
    out.word("par");
    out.newline();
}

int Writer::hangingIndent() const { return pointTwips(document->indentWidth() / 2); }

void Writer::writeParagraphFormat(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter)
        out.word("qc");
    else if (alignment & Qt::AlignJustify)
        out.word("qj");
    else if (alignment & Qt::AlignRight)
        out.word("qr");

    const qreal blockIndent = format.leftMargin() + format.indent() * document->indentWidth();
    int left = pointTwips(blockIndent);
    int firstLine = pointTwips(format.textIndent());
    if (const QTextList *list = block.textList()) {
        out.word("ls", listIndex(list));
        out.word("ilvl", listLevel(list->format()));
        // Qt indents an item by its list's indent and hangs the marker
        // in front of the text; readers take the list's indent from its
        // level, so this \li is only for the eye.
        left = pointTwips(blockIndent + list->format().indent() * document->indentWidth());
        firstLine = -hangingIndent();
    }
    writeNonZero("li", left);
    writeNonZero("ri", pointTwips(format.rightMargin()));
    writeNonZero("fi", firstLine);
    writeNonZero("sb", pointTwips(format.topMargin()));
    writeNonZero("sa", pointTwips(format.bottomMargin()));
    if (const int level = format.headingLevel(); level > 0)
        out.word("outlinelevel", std::min(level, 9) - 1);
    if (const QBrush background = format.background(); background.style() != Qt::NoBrush)
        out.word("cbpat", colorIndex(background.color()));
    // <hr> is a paragraph that Qt draws as a rule: to RTF, a bottom border.
    if (format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
        out.word("brdrb");
        out.word("brdrs");
        out.word("brdrw", 10);
    }

    const qreal height = format.lineHeight();
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (height > 0 && height != 100)
            writeLineSpacing(qRound(height * 240 / 100), 1);
        break;
    case QTextBlockFormat::MinimumHeight:
        if (height > 0)
            writeLineSpacing(pointTwips(height), 0);
        break;
    case QTextBlockFormat::FixedHeight:
        if (height > 0)
            writeLineSpacing(-pointTwips(height), 0);
        break;
    default: // single, or a distance between lines that RTF cannot express
        break;
    }
}

void Writer::writeNonZero(const char *word, int value)
{
    if (value != 0)
        out.word(word, value);
}

void Writer::writeLineSpacing(int value, int multiple)
{
    out.word("sl", value);
    out.word("slmult", multiple);
}

// The marker as plain text, for readers that know no list tables.
void Writer::writeListText(const QTextBlock &block, const QTextList *list)
{
    const QTextListFormat::Style style = list->format().style();
    open();
    out.word("listtext");
    switchTo(runFormatOf(block).chars);
    out.text(isBullet(style) ? bulletText(style) : list->itemText(block));
    out.word("tab");
    close();
}

// One RTF list per QTextList keeps Qt's numbering: each list counts its
// own items wherever they are (readers number lists that share a
// definition as one). Its items sit on the level the list's indent
// names; the levels above it repeat its style, and the ones below,
// which nothing uses, are left out.
void Writer::writeListTables(Output &header) const
{
    header.open();
    header.ignorable();
    header.word("listtable");
    for (qsizetype index = 0; index < lists.size(); ++index) {
        const QTextListFormat &format = lists[index];
        header.open();
        header.word("list");
        header.word("listtemplateid", int(index + 1));
        for (int level = 0; level <= listLevel(format); ++level)
            writeListLevel(header, format, level);
        header.word("listid", int(index + 1));
        header.close();
        header.newline();
    }
    header.close();

    header.open();
    header.ignorable();
    header.word("listoverridetable");
    for (qsizetype index = 0; index < lists.size(); ++index) {
        header.open();
        header.word("listoverride");
        header.word("listid", int(index + 1));
        header.word("listoverridecount", 0);
        header.word("ls", int(index + 1));
        header.close();
    }
    header.close();
    header.newline();
}

void Writer::writeListLevel(Output &header, const QTextListFormat &format, int level) const
{
    const QTextListFormat::Style style = format.style();
    header.open();
    header.word("listlevel");
    header.word("levelnfc", levelNumberFormat(style));
    header.word("levelstartat", 1);

    // \leveltext starts with its length; in a numbered level the byte
    // \'0N stands for the number of level N and \levelnumbers says where.
    header.open();
    header.word("leveltext");
    if (isBullet(style)) {
        const QString bullet = bulletText(style);
        header.escapedByte(uchar(bullet.size()));
        header.text(bullet);
        header.text(u";");
        header.close();
        header.open();
        header.word("levelnumbers");
        header.text(u";");
    } else {
        const QString prefix = format.numberPrefix();
        const QString suffix = numberSuffix(format);
        header.escapedByte(uchar(prefix.size() + 1 + suffix.size()));
        header.text(prefix);
        header.escapedByte(uchar(level));
        header.text(suffix + u';');
        header.close();
        header.open();
        header.word("levelnumbers");
        header.escapedByte(uchar(prefix.size() + 1));
        header.text(u";");
    }
    header.close();

    header.word("fi", -hangingIndent());
    header.word("li", pointTwips((level + 1) * document->indentWidth()));
    header.close();
}

} // namespace Rtf
