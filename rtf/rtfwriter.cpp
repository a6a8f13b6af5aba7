#include "rtf.h"
#include "rtfcommon.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPixmap>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <vector>

Q_LOGGING_CATEGORY(lcRtfWriter, "dungeon.rtf.writer")

namespace {

using Rtf::TwipsPerPixel;
using Rtf::TwipsPerPoint;

// The width a table gets when it says nothing about its own: a page of
// 6.25 inches, what most word processors leave between their margins.
constexpr int defaultTableTwips = 9000;

int pointTwips(qreal points) { return qRound(points * TwipsPerPoint); }
int pixelTwips(qreal pixels) { return qRound(pixels * TwipsPerPixel); }

// ---------------------------------------------------------------------------
// Code page 1252
// ---------------------------------------------------------------------------

// The characters that code page 1252 holds, asked of the codec once so the
// writer needs no table of its own and agrees with the reader's decoder.
class CodePage1252
{
public:
    CodePage1252()
    {
        QStringDecoder decoder(Rtf::DefaultCodePageName);
        QStringEncoder encoder(Rtf::DefaultCodePageName);
        for (int value = 0x80; value <= 0xff; ++value) {
            const char byte = char(value);
            const QString character = decoder.decode(QByteArrayView(&byte, 1));
            if (character.size() != 1 || QByteArray(encoder.encode(character)) != QByteArrayView(&byte, 1))
                continue;
            const char16_t unicode = character.front().unicode();
            if (unicode < latin.size())
                latin[unicode] = uchar(value);
            else
                others.push_back({unicode, uchar(value)});
        }
    }

    // The byte for a character beyond ASCII, or 0 when the code page lacks it.
    uchar byteFor(char16_t character) const
    {
        if (character < latin.size())
            return latin[character];
        for (const auto &[unicode, byte] : others) {
            if (unicode == character)
                return byte;
        }
        return 0;
    }

private:
    std::array<uchar, 256> latin{};
    std::vector<std::pair<char16_t, uchar>> others; // the 27 typographic extras: €, “, †, …
};

const CodePage1252 &codePage1252()
{
    static const CodePage1252 codePage;
    return codePage;
}

// ---------------------------------------------------------------------------
// Output: control words, groups and escaped text
// ---------------------------------------------------------------------------

class Output
{
public:
    QByteArray bytes;

    void word(std::string_view name)
    {
        char buffer[32];
        bytes.append(buffer, putWord(buffer, name) - buffer);
    }

    void word(std::string_view name, int parameter)
    {
        char buffer[48];
        bytes.append(buffer, putNumber(putWord(buffer, name), parameter) - buffer);
    }

    void ignorable() { symbol('*'); }
    void open() { put('{'); }
    void close() { put('}'); }
    // Only between control words and groups: a newline in text is ignored by
    // readers, but it also ends a control word, so it keeps files readable.
    void newline() { put('\n'); }

    // The hot loop of the writer, so it fills the buffer through a pointer
    // instead of appending byte by byte.
    void text(QStringView text)
    {
        constexpr qsizetype longestEscape = 10; // " \u-12345?"
        const qsizetype start = bytes.size();
        bytes.resize(start + text.size() * longestEscape);
        char *out = bytes.data() + start;
        const CodePage1252 &codePage = codePage1252();
        for (const QChar qchar : text) {
            const char16_t character = qchar.unicode();
            if (character >= 0x20 && character < 0x7f) {
                if (character == '\\' || character == '{' || character == '}') {
                    *out++ = '\\';
                } else if (delimit && (isAsciiLetterOrNumber(character) || character == ' ' || character == '-')) {
                    // A control word swallows the letters, digits, '-' and
                    // one space that follow it, so such text needs a space.
                    *out++ = ' ';
                }
                *out++ = char(character);
                delimit = false;
            } else if (character == '\t') {
                out = putWord(out, "tab");
            } else if (character == QChar::LineSeparator) {
                out = putWord(out, "line");
            } else if (character < 0x20 || character == 0x7f) {
                continue; // other control characters mean nothing inside a paragraph
            } else if (const uchar byte = codePage.byteFor(character)) {
                out = putEscapedByte(out, byte);
            } else {
                // Signed 16 bits, as RTF wants; a surrogate pair becomes two
                // \u words. The '?' is the fallback that \uc1 promises.
                out = putNumber(putWord(out, "u"), qint16(character));
                *out++ = '?';
                delimit = false;
            }
        }
        bytes.truncate(out - bytes.constData());
    }

    void escapedByte(uchar byte)
    {
        char escape[4];
        bytes.append(escape, putEscapedByte(escape, byte) - escape);
    }

    void hex(const QByteArray &data)
    {
        constexpr qsizetype bytesPerLine = 64;
        for (qsizetype start = 0; start < data.size(); start += bytesPerLine) {
            bytes += data.mid(start, bytesPerLine).toHex();
            bytes += '\n';
        }
        delimit = false;
    }

private:
    void put(char character)
    {
        bytes += character;
        delimit = false;
    }

    void symbol(char character)
    {
        bytes += '\\';
        put(character);
    }

    char *putWord(char *out, std::string_view name)
    {
        Q_ASSERT(name.size() <= 20); // the buffers above hold the longest RTF words
        *out++ = '\\';
        delimit = true;
        return std::copy(name.begin(), name.end(), out);
    }

    char *putEscapedByte(char *out, uchar byte)
    {
        static constexpr char hexDigits[] = "0123456789abcdef";
        *out++ = '\\';
        *out++ = '\'';
        *out++ = hexDigits[byte >> 4];
        *out++ = hexDigits[byte & 0xf];
        delimit = false;
        return out;
    }

    static char *putNumber(char *out, int number)
    {
        return std::to_chars(out, out + 11, number).ptr;
    }

    static bool isAsciiLetterOrNumber(char16_t c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    }

    bool delimit = false; // the last thing written was a control word
};

// ---------------------------------------------------------------------------
// Character formatting as RTF sees it
// ---------------------------------------------------------------------------

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

const char *underlineWord(QTextCharFormat::UnderlineStyle style)
{
    switch (style) {
    case QTextCharFormat::NoUnderline: return "ulnone";
    case QTextCharFormat::SingleUnderline: return "ul";
    case QTextCharFormat::DashUnderline: return "uldash";
    case QTextCharFormat::DotLine: return "uld";
    case QTextCharFormat::DashDotLine: return "uldashd";
    case QTextCharFormat::DashDotDotLine: return "uldashdd";
    case QTextCharFormat::WaveUnderline:
    case QTextCharFormat::SpellCheckUnderline: return "ulwave";
    }
    return "ul";
}

const char *positionWord(QTextCharFormat::VerticalAlignment position)
{
    switch (position) {
    case QTextCharFormat::AlignSuperScript: return "super";
    case QTextCharFormat::AlignSubScript: return "sub";
    default: return "nosupersub";
    }
}

// Pasted HTML sizes text in steps from the document's default size
// (<h1>, <font size="6">, x-large, <small>). Qt scales the default by the
// step when it resolves the font, and the step wins over any point size
// the format also has; RTF knows only absolute sizes.
qreal shownPointSize(const QTextCharFormat &format, const QFont &font, const QFont &defaultFont)
{
    if (!format.hasProperty(QTextFormat::FontSizeAdjustment))
        return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    static constexpr qreal stepScales[] = {0.7, 0.8, 1.0, 1.2, 1.5, 2.0, 2.4}; // steps -2 to 4
    const qreal scale = stepScales[std::clamp(format.intProperty(QTextFormat::FontSizeAdjustment) + 2, 0, 6)];
    if (defaultFont.pointSizeF() <= 0)
        return qRound(scale * defaultFont.pixelSize()) * 0.75; // Qt rounds to whole pixels
    return scale * defaultFont.pointSizeF();
}

// ---------------------------------------------------------------------------
// Lists
// ---------------------------------------------------------------------------

// RTF keeps nine levels per list; a QTextList has one, its indent.
constexpr int listLevels = 9;

int listLevel(const QTextListFormat &format)
{
    return std::clamp(format.indent() - 1, 0, listLevels - 1);
}

bool isBullet(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare || style == QTextListFormat::ListStyleUndefined;
}

QString bulletText(QTextListFormat::Style style)
{
    return QString(QChar(Rtf::bulletGlyph(style)));
}

QString numberSuffix(const QTextListFormat &format)
{
    // Like QTextList::itemText: an unset suffix means a full stop.
    return format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix() : QStringLiteral(".");
}

// ---------------------------------------------------------------------------
// Pictures
// ---------------------------------------------------------------------------

struct Picture
{
    QByteArray data;
    QSize pixels;
    const char *blip = "pngblip";
};

// PNG and JPEG bytes go out as they are; anything else Qt can decode is
// written as PNG.
Picture pictureOf(const QVariant &resource)
{
    QImage image;
    if (resource.userType() == QMetaType::QByteArray) {
        const QByteArray bytes = resource.toByteArray();
        const bool png = bytes.startsWith("\x89PNG\r\n\x1a\n");
        const bool jpeg = bytes.startsWith("\xff\xd8\xff");
        if (png || jpeg) {
            QBuffer buffer;
            buffer.setData(bytes);
            const QSize size = QImageReader(&buffer).size();
            if (size.isValid())
                return {bytes, size, png ? "pngblip" : "jpegblip"};
        }
        image = QImage::fromData(bytes);
    } else if (resource.userType() == QMetaType::QImage) {
        image = resource.value<QImage>();
    } else if (resource.userType() == QMetaType::QPixmap) {
        image = resource.value<QPixmap>().toImage();
    }
    if (image.isNull())
        return {};
    const bool jpeg = image.text(QLatin1String(Rtf::PictureFormatKey)) == QLatin1String("JPEG");
    Picture picture{{}, image.size(), jpeg ? "jpegblip" : "pngblip"};
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1);
    return picture;
}

// The size the picture is shown at, worked out as Qt's layout does: a
// missing side keeps the picture's proportions.
QSizeF displaySize(const QTextImageFormat &format, QSize pixels)
{
    const bool hasWidth = format.hasProperty(QTextFormat::ImageWidth) && format.width() > 0;
    const bool hasHeight = format.hasProperty(QTextFormat::ImageHeight) && format.height() > 0;
    QSizeF size = pixels;
    if (hasWidth && hasHeight)
        size = {format.width(), format.height()};
    else if (hasWidth && pixels.width() > 0)
        size = {format.width(), format.width() * pixels.height() / pixels.width()};
    else if (hasHeight && pixels.height() > 0)
        size = {format.height() * pixels.width() / pixels.height(), format.height()};
    return size;
}

// ---------------------------------------------------------------------------
// Writer
// ---------------------------------------------------------------------------

// Writes the body first, collecting fonts, colours and lists on the way, then
// puts the tables that describe them in front.
class Writer
{
public:
    explicit Writer(const QTextDocument *document) : document(document)
    {
        fontIndex(document->defaultFont().family()); // \f0, the \deff font
        out.bytes.reserve(document->characterCount() + 1024);
    }

    QByteArray write()
    {
        // The document's font and size go first even where they are what
        // \deff and RTF's 12 points imply, for readers that fall back to
        // defaults of their own.
        current.font = -1;
        current.halfPoints = 0;
        switchTo(characterState(QTextCharFormat()));
        writeFrame(document->rootFrame());
        QByteArray rtf = header();
        rtf += out.bytes;
        rtf += '}';
        return rtf;
    }

private:
    // --- Tables in the header ----------------------------------------------

    // Fonts count from 0, colours and lists from 1: colour 0 is "auto".
    int fontIndex(const QString &family) { return indexOf(fontIndexes, fonts, family, family); }
    int colorIndex(const QColor &color)
    {
        const QRgb rgb = color.rgb() & RGB_MASK;
        return indexOf(colorIndexes, colors, rgb, rgb) + 1;
    }
    int listIndex(const QTextList *list) { return indexOf(listIndexes, lists, list, list->format()) + 1; }

    template<typename Key, typename Value>
    static int indexOf(QHash<Key, int> &indexes, QList<Value> &values, const Key &key, const Value &value)
    {
        const auto known = indexes.constFind(key);
        if (known != indexes.constEnd())
            return *known;
        values += value;
        return *indexes.insert(key, int(values.size() - 1));
    }

    QByteArray header() const
    {
        Output header;
        header.bytes.reserve(256 + 32 * fonts.size() + 24 * colors.size() + 1200 * lists.size());
        header.open();
        header.word("rtf", 1);
        header.word("ansi");
        header.word("ansicpg", Rtf::DefaultCodePage);
        header.word("deff", 0);
        header.word("uc", 1);

        header.open();
        header.word("fonttbl");
        for (qsizetype index = 0; index < fonts.size(); ++index) {
            header.open();
            header.word("f", int(index));
            header.word("fnil");
            header.word("fcharset", 0);
            header.text(fonts[index] + u';');
            header.close();
        }
        header.close();
        header.newline();

        header.open();
        header.word("colortbl");
        header.text(u";");
        for (const QRgb rgb : colors) {
            header.word("red", qRed(rgb));
            header.word("green", qGreen(rgb));
            header.word("blue", qBlue(rgb));
            header.text(u";");
        }
        header.close();
        header.newline();

        if (!lists.isEmpty())
            writeListTables(header);
        return header.bytes;
    }

    // One RTF list per QTextList keeps Qt's numbering: each list counts its
    // own items wherever they are (readers number lists that share a
    // definition as one). Its items sit on the level the list's indent
    // names; the levels above it repeat its style, and the ones below,
    // which nothing uses, are left out.
    void writeListTables(Output &header) const
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

    void writeListLevel(Output &header, const QTextListFormat &format, int level) const
    {
        const QTextListFormat::Style style = format.style();
        header.open();
        header.word("listlevel");
        header.word("levelnfc", Rtf::levelNumberFormat(style));
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

    // --- Document structure ------------------------------------------------

    void writeFrame(const QTextFrame *frame)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (const QTextFrame *child = it.currentFrame()) {
                if (const auto *table = qobject_cast<const QTextTable *>(child))
                    writeTable(table);
                else
                    writeFrame(child);
            } else {
                // Every paragraph ends with \par, the last one too: readers
                // take a \par before the closing brace as the end of the last
                // paragraph, not as the start of an empty one.
                writeParagraph(it.currentBlock(), InTable::No);
                endParagraph();
            }
        }
    }

    void writeTable(const QTextTable *table)
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
    void writeCellDefinition(const QTextTableCell &cell, int row, int column, const QTextTableFormat &table)
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
    void writeCellPadding(const QTextTableCellFormat &cell, qreal tablePadding)
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
    void writeCellContents(const QTextTableCell &cell)
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
    std::vector<int> columnEdges(const QTextTable *table) const
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

    // --- Paragraphs --------------------------------------------------------

    enum class InTable { No, Yes };

    void writeParagraph(const QTextBlock &block, InTable inTable)
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
    void formatParagraphMark(const QTextBlock &block)
    {
        if (block.length() == 1 || block.textList())
            switchTo(runFormatOf(block).state);
        // LibreOffice drops a paragraph whose mark is superscript, text and
        // all, so the mark always sits on the baseline.
        if (current.position != QTextCharFormat::AlignNormal) {
            CharacterState baseline = current;
            baseline.position = QTextCharFormat::AlignNormal;
            switchTo(baseline);
        }
    }

    void endParagraph()
    {
        out.word("par");
        out.newline();
    }

    int hangingIndent() const { return pointTwips(document->indentWidth() / 2); }

    void writeParagraphFormat(const QTextBlock &block)
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

    void writeNonZero(const char *word, int value)
    {
        if (value != 0)
            out.word(word, value);
    }

    void writeLineSpacing(int value, int multiple)
    {
        out.word("sl", value);
        out.word("slmult", multiple);
    }

    // The marker as plain text, for readers that know no list tables.
    void writeListText(const QTextBlock &block, const QTextList *list)
    {
        const QTextListFormat::Style style = list->format().style();
        open();
        out.word("listtext");
        switchTo(runFormatOf(block).state);
        out.text(isBullet(style) ? bulletText(style) : list->itemText(block));
        out.word("tab");
        close();
    }

    // --- Runs --------------------------------------------------------------

    void writeRuns(const QTextBlock &block)
    {
        QString link;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const RunFormat run = runFormatOf(fragment);
            if (run.link != link) {
                if (!link.isEmpty())
                    closeLink();
                if (!run.link.isEmpty())
                    openLink(run.link);
                link = run.link;
            }
            switchTo(run.state);
            if (run.image) {
                const QTextImageFormat format = fragment.charFormat().toImageFormat();
                for (const QChar character : fragment.text()) {
                    if (character == QChar::ObjectReplacementCharacter)
                        writeImage(format);
                }
            } else {
                out.text(fragment.text());
            }
        }
        if (!link.isEmpty())
            closeLink();
    }

    void openLink(const QString &href)
    {
        // Field instructions escape '\' themselves, and a quote would end the
        // address; "#name" points into the document, which is HYPERLINK \l.
        QString target = href;
        target.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("%22"));
        const QString instruction = target.startsWith(u'#')
            ? QStringLiteral("HYPERLINK \\l \"%1\"").arg(target.mid(1))
            : QStringLiteral("HYPERLINK \"%1\"").arg(target);

        open();
        out.word("field");
        open();
        out.ignorable();
        out.word("fldinst");
        open();
        out.text(instruction);
        close();
        close();
        open();
        out.word("fldrslt");
        open();
    }

    void closeLink()
    {
        close();
        close();
        close();
    }

    void writeImage(const QTextImageFormat &format)
    {
        const Picture picture = pictureOf(document->resource(QTextDocument::ImageResource, QUrl(format.name())));
        if (picture.data.isEmpty()) {
            qCWarning(lcRtfWriter) << "no image data for" << format.name();
            return;
        }
        const QSizeF size = displaySize(format, picture.pixels);
        out.open();
        out.word("pict");
        out.word(picture.blip);
        out.word("picw", picture.pixels.width());
        out.word("pich", picture.pixels.height());
        out.word("picwgoal", pixelTwips(size.width()));
        out.word("pichgoal", pixelTwips(size.height()));
        out.newline();
        out.hex(picture.data);
        out.close();
    }

    // --- Character formatting ------------------------------------------------

    // Fragments share formats by index, so each format is worked out once.
    template<typename Piece> // a QTextFragment, or a QTextBlock for its mark
    const RunFormat &runFormatOf(const Piece &piece)
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

    CharacterState characterState(const QTextCharFormat &format)
    {
        const QFont font = format.font().resolve(document->defaultFont());
        CharacterState state;
        state.font = fontIndex(font.family());
        state.halfPoints = std::max(qRound(shownPointSize(format, font, document->defaultFont()) * 2), 1);
        state.bold = font.weight() >= QFont::DemiBold;
        state.italic = font.italic();
        state.strikeOut = font.strikeOut();
        state.caps = font.capitalization() == QFont::AllUppercase;
        state.smallCaps = font.capitalization() == QFont::SmallCaps;
        if (format.hasProperty(QTextFormat::TextUnderlineStyle))
            state.underline = format.underlineStyle();
        else if (font.underline())
            state.underline = QTextCharFormat::SingleUnderline;
        if (const QBrush brush = format.foreground(); brush.style() != Qt::NoBrush)
            state.color = colorIndex(brush.color());
        if (const QBrush brush = format.background(); brush.style() != Qt::NoBrush)
            state.highlight = colorIndex(brush.color());
        const QTextCharFormat::VerticalAlignment position = format.verticalAlignment();
        if (position == QTextCharFormat::AlignSuperScript || position == QTextCharFormat::AlignSubScript)
            state.position = position;
        return state;
    }

    // Writes only the control words that differ from the current state.
    void switchTo(const CharacterState &to)
    {
        CharacterState &from = current;
        if (to == from)
            return;
        if (to.font != from.font)
            out.word("f", to.font);
        if (to.halfPoints != from.halfPoints)
            out.word("fs", to.halfPoints);
        writeToggle("b", from.bold, to.bold);
        writeToggle("i", from.italic, to.italic);
        if (to.underline != from.underline)
            out.word(underlineWord(to.underline));
        writeToggle("strike", from.strikeOut, to.strikeOut);
        writeToggle("caps", from.caps, to.caps);
        writeToggle("scaps", from.smallCaps, to.smallCaps);
        if (to.color != from.color)
            out.word("cf", to.color);
        if (to.highlight != from.highlight)
            out.word("highlight", to.highlight);
        if (to.position != from.position)
            out.word(positionWord(to.position));
        from = to;
    }

    void writeToggle(const char *word, bool from, bool to)
    {
        if (from == to)
            return;
        if (to)
            out.word(word);
        else
            out.word(word, 0);
    }

    // A reader restores the character formatting at the end of a group.
    void open()
    {
        out.open();
        saved.push_back(current);
    }

    void close()
    {
        out.close();
        current = saved.back();
        saved.pop_back();
    }

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

} // namespace

QByteArray Rtf::write(const QTextDocument *document)
{
    if (!document) {
        const QTextDocument empty;
        return Writer(&empty).write();
    }
    return Writer(document).write();
}
