#pragma once

// The RTF writer and its parts; private to the rtf library.

#include "rtfcommon.h"
#include "rtfoutput.h"

#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>

#include <vector>

class QTextBlock;
class QTextDocument;
class QTextFrame;
class QTextList;
class QTextTable;
class QTextTableCell;

namespace Rtf {

Q_DECLARE_LOGGING_CATEGORY(lcRtfWriter)

inline int pointTwips(qreal points) { return qRound(points * TwipsPerPoint); }
inline int pixelTwips(qreal pixels) { return qRound(pixels * TwipsPerPixel); }

// One run's character formatting, resolved against the document's default
// font and reduced to what RTF can say. Indexes point into the font and
// colour tables; colour 0 is "auto".
struct CharacterState
{
    int font = 0;
    int halfPoints = 24;
    int color = 0;
    int highlight = 0;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    QTextCharFormat::VerticalAlignment position = QTextCharFormat::AlignNormal;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool caps = false;
    bool smallCaps = false;

    bool operator==(const CharacterState &) const = default;
};

// What a fragment's format means to the writer.
struct RunFormat
{
    CharacterState state;
    QString link; // empty outside hyperlinks
    bool image = false;
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
    CharacterState characterState(const QTextCharFormat &format);
    void switchTo(const CharacterState &to);
    void writeToggle(const char *word, bool from, bool to);
    void open();
    void close();

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
    CharacterState current;
    std::vector<CharacterState> saved;
};

// Fragments share formats by index, so each format is worked out once.
template<typename Piece>
const RunFormat &Writer::runFormatOf(const Piece &piece)
{
    const int index = piece.charFormatIndex();
    auto known = runFormats.constFind(index);
    if (known == runFormats.constEnd()) {
        const QTextCharFormat format = piece.charFormat();
        known = runFormats.insert(index, {characterState(format), format.isAnchor() ? format.anchorHref() : QString(),
                                          format.isImageFormat()});
    }
    return *known;
}

} // namespace Rtf
