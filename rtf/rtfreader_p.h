#pragma once

// The RTF reader's state and its parts; private to the rtf library.

#include "rtf.h"
#include "rtfcodepages.h"
#include "rtfcommon.h"
#include "rtfcontrolwords.h"
#include "rtftokenizer.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QLoggingCategory>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextListFormat>

#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

class QTextDocument;
class QTextList;
class QTextTable;

namespace Rtf {

Q_DECLARE_LOGGING_CATEGORY(lcRtf)

using Token = Tokenizer::Token;
using TokenType = Tokenizer::Type;
using CF = QTextCharFormat;
using LF = QTextListFormat;

// Groups nested deeper than this are read, but their states are not kept:
// their formatting leaks into the enclosing group until it closes.
constexpr int MaxGroupDepth = 512;
// Tables nested deeper, and cells beyond this count in a row (Word's own
// limit), go into the deepest table or the last cell.
constexpr int MaxTableDepth = 8;
constexpr int MaxTableColumns = 63;
constexpr int ShortTableRows = 16; // tables grow a row at a time up to this
// Qt revisits every item of a list when one is added; past this many items
// a list goes on as a new one rather than make reading quadratic.
constexpr int MaxListItems = 1000;
constexpr int LegacyListKey = -1; // \pn lists share one key; \ls numbers are positive
constexpr qreal FootnotesGap = 12; // points between the text and the notes after it
constexpr qsizetype MaxSharedFormats = 256; // formats searched for an equal one

// ---------------------------------------------------------------------------
// Group state
// ---------------------------------------------------------------------------

// A Word 6/95 list paragraph (\pn): no list table, the paragraph carries it.
struct LegacyList
{
    bool active = false;
    bool bullet = false;
    LF::Style numberStyle = LF::ListDecimal;
    int level = 0;

    bool operator==(const LegacyList &) const = default;
};

// Paragraph formatting; lengths in twips.
struct ParaProps
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    bool inTable = false;
    int nesting = 0;      // \itap
    int listNumber = 0;   // \ls; 0: no list
    int listLevel = 0;    // \ilvl
    int background = -1;  // \cbpat: a colour table index
    int headingLevel = 0; // \outlinelevel + 1; 0: body text
    bool bottomBorder = false; // \brdrb: the only border Qt draws, as a rule
    LegacyList legacy;
    int style = 0;        // \s: the paragraph style, whose values \plain returns to

    int tableLevel() const { return std::min(inTable ? std::max(1, nesting) : nesting, MaxTableDepth); }
    bool operator==(const ParaProps &) const = default;
};

// Where the text of a group goes.
enum class Destination : quint8 {
    Text,
    Ignore,       // text dropped, control words still read (field, shape groups)
    Alternatives, // \upr, \object: everything but the \ud or \result group dropped
    FontTable,
    ColorTable,
    FieldGroup,
    FieldInstruction,
    ListTable,
    ListOverrideTable,
    LevelText,
    ListText,
    LegacyList,
    Picture,
    ShapeName,
    ShapePicture, // the value of a shape's "pib" property: its picture
    StyleSheet,
    StyleEntry,   // one style of the stylesheet
    Footnote,     // its text is gathered for the notes at the end
};

struct GroupState
{
    CharProps chars;
    ParaProps para;
    Destination destination = Destination::Text;
    Destination alternative = Destination::Text; // what \ud or \result return to
    int unicodeSkip = 1;                          // \uc
    int field = -1;                               // innermost open field
    int link = -1;                                // field whose hyperlink the text is
};

// ---------------------------------------------------------------------------
// Header tables and the document's open structures
// ---------------------------------------------------------------------------

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's
    bool nameDone = false;
};

struct Field
{
    QString instruction;
    QString href;
};

// A formatting word as a style states it, to be applied again wherever the
// style is named.
struct StyleWord
{
    WordEntry entry;
    int parameter = 0;
    bool hasParameter = false;
};

struct StyleDefinition
{
    enum Kind : quint8 { Paragraph, Character, Other };
    Kind kind = Paragraph; // an entry without \s, \cs or \ds is \s0
    int number = 0;
    int basedOn = -1;
    std::vector<StyleWord> words;
};

// A style with its \sbasedon ancestors folded in: the words of the whole
// chain, and the formatting they give on their own.
struct Style
{
    std::vector<StyleWord> words;
    CharProps chars;
    ParaProps para;
};

struct ListDefinition
{
    std::vector<LF::Style> levels;
};

struct Picture
{
    PictureKind kind = PictureKind::None;
    QByteArray data;
    int highNibble = -1;
    std::array<int, 2> goal{};          // twips, width and height
    std::array<int, 2> scale{100, 100}; // percent
    bool shown = false;
};

// What a row states about each of its cells before their \cellx.
struct CellDefinition
{
    quint8 merge = 0; // CellMerge flags
    QColor background;
    std::array<int, 4> padding{};          // twips, top, bottom, left, right
    std::array<bool, 4> paddingInTwips{}; // \clpadf*3; other units leave the side to the table
};
using RowDefinition = std::vector<CellDefinition>;

struct OpenTable
{
    QTextTable *table = nullptr;
    int row = 0;
    int column = 0;
    bool cellEnded = false;
    bool rowEnded = false;
    std::vector<RowDefinition> rows{}; // one per ended row, merged on closing
};

// Where the current paragraph stands: still taking text, ended by \par (the
// next text starts a new block) or closed by \cell (the next text goes to
// another cell).
enum class ParagraphState : quint8 { Open, Ended, Closed };

size_t qHash(const CharProps &chars, size_t seed = 0) noexcept;
size_t qHash(const ParaProps &para, size_t seed = 0) noexcept;

// Sets the character or paragraph formatting a word states; false for words
// of any other kind (rtfformatting.cpp).
bool applyFormatting(const WordEntry &entry, int parameter, bool hasParameter, CharProps &chars, ParaProps &para);

// The target of a HYPERLINK field instruction; empty for other fields
// (rtffields.cpp).
QString hyperlinkTarget(QStringView instruction);

// ---------------------------------------------------------------------------
// Reader
// ---------------------------------------------------------------------------

// Reads one RTF document into a QTextDocument through one cursor. Its member
// functions are spread over the rtf*.cpp files named at their declarations.
class Reader
{
public:
    Reader(QByteArrayView data, qsizetype groupStart, QTextDocument *document, QTextCursor &cursor)
        : m_tokenizer(data, groupStart + 1), m_document(document), m_cursor(cursor)
    {
        m_groups.emplace_back(); // the root group, whose '{' is behind us
    }

    void read();
    unsigned unshownContent() const { return m_unshown; }

private:
    enum Problem : quint32 {
        ExtraBrace = 1,
        TextAfterEnd = 2,
        Truncated = 4,
        TooDeep = 8,
        BadPicture = 16,
        UnknownCodePage = 32,
    };
    void warn(Problem problem, const char *message);

    GroupState &state() { return m_groups.back(); }
    const GroupState &state() const { return m_groups.back(); }
    void setDestination(Destination destination) { state().destination = destination; }

    // Token handling (rtfreader.cpp)
    void openGroup();
    void closeGroup();
    void skipGroup();
    void endDestination(const GroupState &closed);
    void handleWord(const Token &token);
    bool handleDestinationWord(const WordEntry &entry);
    void handleSymbol(char symbol);
    void handleBytes(QByteArrayView bytes);

    // Text (rtftext.cpp)
    int codePageNumber() const;
    const CodePage &codePage(int number);
    void flushBytes();
    void appendUnicode(int value);
    void flushSurrogate();
    void deliver(char32_t c);
    void deliver(QStringView text);
    void appendText(QStringView text);
    void flushText();

    // Paragraphs (rtfreader.cpp)
    void beginContent();
    void endParagraph();
    void breakPage();
    void applyBlockFormat();

    // Footnotes (rtfreader.cpp)
    void markFootnote();
    void appendFootnotes();

    // Formats (rtfformatting.cpp)
    QTextCharFormat charFormat(const CharProps &chars, int link);
    QTextCharFormat buildCharFormat(const CharProps &chars, int link) const;
    void forgetFormats()
    {
        m_charFormats.clear();
        m_blockFormats.clear();
        m_textFormatKnown = false;
    }
    QTextBlockFormat blockFormat(const ParaProps &para, bool listItem);
    QTextBlockFormat buildBlockFormat(const ParaProps &para, bool listItem) const;
    QColor color(int index) const;

    // Header tables: fonts, colours and lists (rtfheadertables.cpp)
    bool openHeaderTable(Word word);
    bool handleHeaderTableWord(const WordEntry &entry, int parameter);
    void startFont(int number);
    void endColor();
    void applyLevelText();
    LF::Style listStyle(const ParaProps &para, int *key, int *level) const;
    void addToList(int key, int level, LF::Style style);
    void dropLists(int key, int fromLevel);

    // Stylesheet (rtfstylesheet.cpp)
    void defineStyle(const WordEntry &entry, const Token &token);
    void resolveStyles();
    void handleStyleWord(const WordEntry &entry, int parameter);

    // Tables (rtftablebuilder.cpp)
    bool handleTableWord(const WordEntry &entry, int parameter);
    void endCell(int level);
    void endRow(int level);
    void enterTableLevel(int level);
    void openTable();
    void closeInnermostTable();
    void advanceCell(OpenTable &table);
    void mergeCells(const OpenTable &table);
    void formatCells(const OpenTable &table);

    // Pictures (rtfpictures.cpp)
    void handlePictureWord(const WordEntry &entry, int parameter);
    void addPictureHex(QByteArrayView bytes);
    void handleBinary(QByteArrayView bytes);
    void finishPicture();

    Tokenizer m_tokenizer;
    QTextDocument *m_document;
    QTextCursor &m_cursor;
    quint32 m_problems = 0;

    std::vector<GroupState> m_groups;
    int m_overflowDepth = 0;
    bool m_rootClosed = false;
    bool m_ignorable = false;    // \* seen: an unknown destination follows
    int m_fallbackToSkip = 0;    // characters of a \u fallback still to skip
    char16_t m_highSurrogate = 0;

    // Decoding
    int m_documentCodePage = DefaultCodePage;
    int m_defaultFont = 0;
    std::map<int, CodePage> m_codePages;
    QByteArray m_doubleBytes; // double-byte text waiting to be decoded
    QString m_decoded;

    // Header tables
    QHash<int, FontEntry> m_fonts;
    int m_fontEntry = -1;
    std::vector<QColor> m_colors; // invalid: "auto"
    std::array<int, 3> m_colorComponents{};
    bool m_colorGiven = false;
    std::vector<ListDefinition> m_listDefinitions;
    QHash<int, size_t> m_listsById; // \listid -> definition
    bool m_levelOpen = false;
    QString m_levelText;
    QHash<int, int> m_listOverrides; // \ls -> \listid
    int m_overrideListId = 0;
    int m_overrideNumber = 0;
    std::vector<StyleDefinition> m_styleDefinitions; // while the stylesheet is read
    QHash<int, Style> m_paragraphStyles;
    QHash<int, Style> m_characterStyles;

    // Each distinct format of the runs and paragraphs, built once: the fonts
    // and colours they name are forgotten with them when their tables change.
    QHash<CharProps, QTextCharFormat> m_charFormats;
    QHash<ParaProps, QTextBlockFormat> m_blockFormats; // by what of a paragraph shows

    // Text waiting for the cursor, all in one format
    QString m_text;
    CharProps m_textChars;
    int m_textLink = -1;
    QTextCharFormat m_textFormat; // of the text, waiting or last inserted
    bool m_textFormatKnown = false;

    // Document structure
    ParagraphState m_paragraph = ParagraphState::Open;
    QString m_listText;
    // The lists that further items may join, by \ls (or LegacyListKey) and level.
    std::map<std::pair<int, int>, std::pair<QTextList *, LF::Style>> m_lists;
    std::vector<OpenTable> m_tables;
    // Row definitions by table level: Word writes those of nested tables
    // after their cells, those of the outer table before them.
    std::array<RowDefinition, MaxTableDepth + 1> m_rowDefinitions;
    int m_definitionLevel = 1;
    CellDefinition m_cellDefinition;
    std::vector<Field> m_fields;
    Picture m_picture;
    QString m_shapeName;
    int m_imageCount = 0;
    std::vector<QString> m_footnotes; // their text, in the order of the notes
    int m_footnoteMarks = 0;
    unsigned m_unshown = 0; // UnshownContent
};

} // namespace Rtf
