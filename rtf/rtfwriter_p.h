#pragma once

// The RTF writer and its parts; private to the rtf library.

#include "rtf.h"
#include "rtfcommon.h"
#include "rtfoutput.h"

#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>

#include <vector>

class QTextDocument;
class QTextFrame;
class QTextList;
class QTextTable;
class QTextTableCell;

namespace Rtf {

Q_DECLARE_LOGGING_CATEGORY(lcRtfWriter)

inline int pointTwips(qreal points) { return qRound(points * TwipsPerPoint); }
inline int pixelTwips(qreal pixels) { return qRound(pixels * TwipsPerPixel); }

// What a fragment's format means to the writer.
struct RunFormat
{
    CharProps chars; // resolved against the document's default font
    QString link; // empty outside hyperlinks
    bool image = false;
    int footnote = 0; // the note a reference, or a note's own number, names
};

// Writes the body first, collecting fonts, colours and lists on the way, then
// puts the tables that describe them in front. Its member functions are
// spread over the rtfwrite*.cpp files named at their declarations.
class Writer
{
public:
    explicit Writer(const QTextDocument *document);

    QByteArray write();

private:
    void writeFrame(const QTextFrame *frame);

    // Header tables: fonts, colours and lists (rtfwriter.cpp)
    int fontIndex(const QString &family);
    int colorIndex(const QColor &color);
    int listIndex(const QTextList *list);
    QByteArray header() const;

    // Lists (rtfwriteparagraphs.cpp)
    void writeListTables(Output &header) const;
    void writeListLevel(Output &header, const QTextListFormat &format, int level) const;
    void writeListText(const QTextBlock &block, const QTextList *list);

    // Paragraphs (rtfwriteparagraphs.cpp)
    enum class InTable { No, Yes };
    void writeParagraph(const QTextBlock &block, InTable inTable);
    void formatParagraphMark(const QTextBlock &block);
    void endParagraph();
    int hangingIndent() const;
    void writeParagraphFormat(const QTextBlock &block);
    void writeNonZero(const char *word, int value);
    void writeLineSpacing(int value, int multiple);

    // Tables (rtfwritetables.cpp)
    void writeTable(const QTextTable *table);
    void writeCellDefinition(const QTextTableCell &cell, int row, int column, const QTextTableFormat &table);
    void writeCellPadding(const QTextTableCellFormat &cell, qreal tablePadding);
    void writeCellContents(const QTextTableCell &cell);
    std::vector<int> columnEdges(const QTextTable *table) const;

    // Characters: runs and their formatting (rtfwritecharacters.cpp)
    void writeRuns(const QTextBlock &block);
    template<typename Piece> // a QTextFragment, or a QTextBlock for its mark
    const RunFormat &runFormatOf(const Piece &piece);
    CharProps charProps(const QTextCharFormat &format);
    void switchTo(const CharProps &to);
    void writeToggle(const char *word, bool from, bool to);
    void open();
    void close();

    // Footnotes (rtfwritefootnotes.cpp)
    void findFootnotes();
    bool isFootnote(const QTextBlock &block) const;
    bool writeFootnoteReference(int number, const CharProps &chars);

    // Pictures and hyperlink fields (rtfwritepictures.cpp)
    void writeImage(const QTextImageFormat &format);
    void openLink(const QString &href);
    void closeLink();

    const QTextDocument *document;
    Output out;
    QStringList fonts;
    QHash<QString, int> fontIndexes;
    QList<QRgb> colors;
    QHash<QRgb, int> colorIndexes;
    QList<QTextListFormat> lists;
    QHash<const QTextList *, int> listIndexes;
    QHash<int, RunFormat> runFormats;
    QHash<int, QTextBlock> footnotes; // by number
    QSet<int> footnotesWritten;
    bool writingFootnote = false;
    CharProps current; // what a reader has in effect here
    std::vector<CharProps> saved;
};

// Fragments share formats by index, so each format is worked out once.
template<typename Piece>
const RunFormat &Writer::runFormatOf(const Piece &piece)
{
    const int index = piece.charFormatIndex();
    auto known = runFormats.constFind(index);
    if (known == runFormats.constEnd()) {
        const QTextCharFormat format = piece.charFormat();
        known = runFormats.insert(index, {charProps(format), format.isAnchor() ? format.anchorHref() : QString(),
                                          format.isImageFormat(), format.intProperty(FootnoteProperty)});
    }
    return *known;
}

} // namespace Rtf
