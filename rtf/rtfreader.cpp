// RTF bytes -> QTextDocument.
//
// The tokenizer cuts the bytes into groups, control words and text; the
// reader keeps one state per open group on an explicit stack (never recursing
// on the input's depth) and writes everything through one QTextCursor.
// Malformed input is logged to "dungeon.rtf" and read as well as it can be.

#include "rtf.h"
#include "rtftokenizer.h"

#include <QHash>
#include <QImage>
#include <QLoggingCategory>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <vector>

namespace Rtf {

namespace {

Q_LOGGING_CATEGORY(lcRtf, "dungeon.rtf")

using Token = Tokenizer::Token;
using TokenType = Tokenizer::Type;

// Groups nested deeper than this are read, but their states are not kept:
// their formatting leaks into the enclosing group until it closes.
constexpr int MaxGroupDepth = 512;
// Tables nested deeper, and cells beyond this count in a row (Word's own
// limit), go into the deepest table or the last cell.
constexpr int MaxTableDepth = 8;
constexpr int MaxTableColumns = 63;
constexpr int MaxListLevels = 9;
// Qt revisits every item of a list when one is added; past this many items
// a list goes on as a new one rather than make reading quadratic.
constexpr int MaxListItems = 1000;
constexpr int LegacyListKey = -1; // \pn lists share one key; \ls numbers are positive
constexpr int TwipsPerPoint = 20;
constexpr int TwipsPerPixel = 15;
// Windows' code page number for the Symbol character set.
constexpr int SymbolCodePage = 42;

// ---------------------------------------------------------------------------
// Control words
// ---------------------------------------------------------------------------

enum class Word : quint8 {
    Unknown,
    // Destinations
    SkipDestination,
    Transparent, // a wrapper whose content reads as if it were not there
    FontTable,
    ColorTable,
    Picture,
    Field,
    FieldInstruction,
    FieldResult,
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    ListText,
    LegacyList,
    Shape,
    ShapeName,
    ShapeValue,
    Alternatives, // \upr and \object: only the \ud or \result part is read
    Alternative,
    // Document and text
    CharacterSet,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Font,
    FontCharset,
    FontCodePage,
    ColorComponent,
    Character,
    Paragraph,
    PageBreak,
    Cell,
    Row,
    RowDefaults,
    CellBoundary,
    CellMerge,
    // Character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    StrikeOut,
    Hidden,
    FontSize,
    Foreground,
    Background,
    VerticalAlignment,
    Raise,
    Lower,
    Capitalization,
    // Paragraph formatting
    ParagraphDefaults,
    Alignment,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    InTable,
    NestingLevel,
    ListNumber,
    ListLevelNumber,
    // Lists
    LevelNumberFormat,
    ListId,
    LegacyBullet,
    LegacyBody,
    LegacyLevel,
    LegacyNumberFormat,
    // Pictures
    PictureFormat,
    PictureGoal,
    PictureScale,
};

enum class PictureKind : quint8 { None, Png, Jpeg, Other };
enum class CellMerge : quint8 { First = 1, Merged = 2, VerticalFirst = 4, VerticalMerged = 8 };

struct WordEntry
{
    std::string_view name;
    Word word;
    int value = 0;
};

using CF = QTextCharFormat;
using LF = QTextListFormat;

// Sorted by name for binary search (checked below).
constexpr WordEntry wordTable[] = {
    {"aftncn", Word::SkipDestination},
    {"aftnsep", Word::SkipDestination},
    {"aftnsepc", Word::SkipDestination},
    {"annotation", Word::SkipDestination},
    {"ansi", Word::CharacterSet, 1252},
    {"ansicpg", Word::AnsiCodePage},
    {"atnid", Word::SkipDestination},
    {"author", Word::SkipDestination},
    {"b", Word::Bold},
    {"blue", Word::ColorComponent, 2},
    {"bullet", Word::Character, 0x2022},
    {"caps", Word::Capitalization, QFont::AllUppercase},
    {"cb", Word::Background},
    {"cell", Word::Cell, 0},
    {"cellx", Word::CellBoundary},
    {"cf", Word::Foreground},
    {"chcbpat", Word::Background},
    {"clmgf", Word::CellMerge, int(CellMerge::First)},
    {"clmrg", Word::CellMerge, int(CellMerge::Merged)},
    {"clvmgf", Word::CellMerge, int(CellMerge::VerticalFirst)},
    {"clvmrg", Word::CellMerge, int(CellMerge::VerticalMerged)},
    {"colortbl", Word::ColorTable},
    {"comment", Word::SkipDestination},
    {"cpg", Word::FontCodePage},
    {"deff", Word::DefaultFont},
    {"dibitmap", Word::PictureFormat, int(PictureKind::Other)},
    {"dn", Word::Lower},
    {"do", Word::SkipDestination},
    {"emdash", Word::Character, 0x2014},
    {"emfblip", Word::PictureFormat, int(PictureKind::Other)},
    {"emspace", Word::Character, 0x2003},
    {"endash", Word::Character, 0x2013},
    {"enspace", Word::Character, 0x2002},
    {"f", Word::Font},
    {"fcharset", Word::FontCharset},
    {"fi", Word::FirstIndent},
    {"field", Word::Field},
    {"filetbl", Word::SkipDestination},
    {"fldinst", Word::FieldInstruction},
    {"fldrslt", Word::FieldResult},
    {"fonttbl", Word::FontTable},
    {"footer", Word::SkipDestination},
    {"footerf", Word::SkipDestination},
    {"footerl", Word::SkipDestination},
    {"footerr", Word::SkipDestination},
    {"footnote", Word::SkipDestination},
    {"fs", Word::FontSize},
    {"ftncn", Word::SkipDestination},
    {"ftnsep", Word::SkipDestination},
    {"ftnsepc", Word::SkipDestination},
    {"green", Word::ColorComponent, 1},
    {"header", Word::SkipDestination},
    {"headerf", Word::SkipDestination},
    {"headerl", Word::SkipDestination},
    {"headerr", Word::SkipDestination},
    {"highlight", Word::Background},
    {"i", Word::Italic},
    {"ilvl", Word::ListLevelNumber},
    {"info", Word::SkipDestination},
    {"intbl", Word::InTable},
    {"itap", Word::NestingLevel},
    {"jpegblip", Word::PictureFormat, int(PictureKind::Jpeg)},
    {"ldblquote", Word::Character, 0x201C},
    {"levelnfc", Word::LevelNumberFormat},
    {"levelnfcn", Word::LevelNumberFormat},
    {"levelnumbers", Word::SkipDestination},
    {"leveltext", Word::LevelText},
    {"li", Word::LeftIndent},
    {"lin", Word::LeftIndent},
    {"line", Word::Character, 0x2028},
    {"list", Word::List},
    {"listid", Word::ListId},
    {"listlevel", Word::ListLevel},
    {"listname", Word::SkipDestination},
    {"listoverride", Word::ListOverride},
    {"listoverridetable", Word::ListOverrideTable},
    {"listpicture", Word::SkipDestination},
    {"listtable", Word::ListTable},
    {"listtext", Word::ListText},
    {"lquote", Word::Character, 0x2018},
    {"ls", Word::ListNumber},
    {"ltrmark", Word::Character, 0x200E},
    {"mac", Word::CharacterSet, 10000},
    {"macpict", Word::PictureFormat, int(PictureKind::Other)},
    // Word's math words are mixed case (\mmathPr): the tokenizer, true to the
    // RTF specification, sees "mmath" and text.
    {"mmath", Word::SkipDestination},
    {"nestcell", Word::Cell, 1},
    {"nestrow", Word::Row, 1},
    {"nesttableprops", Word::Transparent},
    {"nonesttables", Word::SkipDestination},
    {"nonshppict", Word::SkipDestination},
    {"nosupersub", Word::VerticalAlignment, CF::AlignNormal},
    {"objdata", Word::SkipDestination},
    {"object", Word::Alternatives},
    {"page", Word::PageBreak},
    {"par", Word::Paragraph},
    {"pard", Word::ParagraphDefaults},
    {"pc", Word::CharacterSet, 437},
    {"pca", Word::CharacterSet, 850},
    {"pgdsctbl", Word::SkipDestination},
    {"pichgoal", Word::PictureGoal, 1},
    {"picscalex", Word::PictureScale, 0},
    {"picscaley", Word::PictureScale, 1},
    {"pict", Word::Picture},
    {"picwgoal", Word::PictureGoal, 0},
    {"plain", Word::Plain},
    {"pmmetafile", Word::PictureFormat, int(PictureKind::Other)},
    {"pn", Word::LegacyList},
    {"pncard", Word::LegacyNumberFormat, LF::ListDecimal},
    {"pndec", Word::LegacyNumberFormat, LF::ListDecimal},
    {"pngblip", Word::PictureFormat, int(PictureKind::Png)},
    {"pnlcltr", Word::LegacyNumberFormat, LF::ListLowerAlpha},
    {"pnlcrm", Word::LegacyNumberFormat, LF::ListLowerRoman},
    {"pnlvl", Word::LegacyLevel},
    {"pnlvlblt", Word::LegacyBullet},
    {"pnlvlbody", Word::LegacyBody},
    {"pnngbnum", Word::LegacyNumberFormat, LF::ListDecimal},
    {"pnord", Word::LegacyNumberFormat, LF::ListDecimal},
    {"pnseclvl", Word::SkipDestination},
    {"pntext", Word::ListText},
    {"pntxta", Word::SkipDestination},
    {"pntxtb", Word::SkipDestination},
    {"pnucltr", Word::LegacyNumberFormat, LF::ListUpperAlpha},
    {"pnucrm", Word::LegacyNumberFormat, LF::ListUpperRoman},
    {"qc", Word::Alignment, Qt::AlignHCenter},
    {"qd", Word::Alignment, Qt::AlignJustify},
    {"qj", Word::Alignment, Qt::AlignJustify},
    {"ql", Word::Alignment, Qt::AlignLeft},
    {"qmspace", Word::Character, 0x2005},
    {"qr", Word::Alignment, Qt::AlignRight},
    {"rdblquote", Word::Character, 0x201D},
    {"red", Word::ColorComponent, 0},
    {"result", Word::Alternative},
    {"revtbl", Word::SkipDestination},
    {"ri", Word::RightIndent},
    {"rin", Word::RightIndent},
    {"row", Word::Row, 0},
    {"rquote", Word::Character, 0x2019},
    {"rsidtbl", Word::SkipDestination},
    {"rtlmark", Word::Character, 0x200F},
    {"sa", Word::SpaceAfter},
    {"sb", Word::SpaceBefore},
    {"scaps", Word::Capitalization, QFont::SmallCaps},
    {"sect", Word::PageBreak},
    {"shp", Word::Shape},
    {"shpinst", Word::Transparent},
    {"shppict", Word::Transparent},
    {"shprslt", Word::SkipDestination},
    {"shptxt", Word::SkipDestination},
    {"sl", Word::LineSpacing},
    {"slmult", Word::LineMultiple},
    {"sn", Word::ShapeName},
    {"sp", Word::Transparent},
    {"strike", Word::StrikeOut},
    {"striked", Word::StrikeOut},
    {"stylesheet", Word::SkipDestination},
    {"sub", Word::VerticalAlignment, CF::AlignSubScript},
    {"super", Word::VerticalAlignment, CF::AlignSuperScript},
    {"sv", Word::ShapeValue},
    {"tab", Word::Character, '\t'},
    {"tc", Word::SkipDestination},
    {"template", Word::SkipDestination},
    {"trowd", Word::RowDefaults},
    {"txe", Word::SkipDestination},
    {"u", Word::Unicode},
    {"uc", Word::UnicodeSkip},
    {"ud", Word::Alternative},
    {"ul", Word::Underline, CF::SingleUnderline},
    {"uld", Word::Underline, CF::DotLine},
    {"uldash", Word::Underline, CF::DashUnderline},
    {"uldashd", Word::Underline, CF::DashDotLine},
    {"uldashdd", Word::Underline, CF::DashDotDotLine},
    {"uldb", Word::Underline, CF::SingleUnderline},
    {"ulhwave", Word::Underline, CF::WaveUnderline},
    {"ulldash", Word::Underline, CF::DashUnderline},
    {"ulnone", Word::Underline, CF::NoUnderline},
    {"ulth", Word::Underline, CF::SingleUnderline},
    {"ulthd", Word::Underline, CF::DotLine},
    {"ulthdash", Word::Underline, CF::DashUnderline},
    {"ulthdashd", Word::Underline, CF::DashDotLine},
    {"ulthdashdd", Word::Underline, CF::DashDotDotLine},
    {"ulthldash", Word::Underline, CF::DashUnderline},
    {"ululdbwave", Word::Underline, CF::WaveUnderline},
    {"ulw", Word::Underline, CF::SingleUnderline},
    {"ulwave", Word::Underline, CF::WaveUnderline},
    {"up", Word::Raise},
    {"upr", Word::Alternatives},
    {"v", Word::Hidden},
    {"wbitmap", Word::PictureFormat, int(PictureKind::Other)},
    {"wmetafile", Word::PictureFormat, int(PictureKind::Other)},
    {"xe", Word::SkipDestination},
    {"xmlnstbl", Word::SkipDestination},
    {"zwbo", Word::Character, 0x200B},
    {"zwj", Word::Character, 0x200D},
    {"zwnj", Word::Character, 0x200C},
};
static_assert(std::ranges::is_sorted(wordTable, {}, &WordEntry::name));

WordEntry lookupWord(QByteArrayView name)
{
    const std::string_view key(name.data(), size_t(name.size()));
    const auto it = std::ranges::lower_bound(wordTable, key, {}, &WordEntry::name);
    if (it != std::end(wordTable) && it->name == key)
        return *it;
    return {key, Word::Unknown};
}

// Words that open a destination we understand; after \* every other word
// makes its group one to skip.
bool isDestination(Word word)
{
    switch (word) {
    case Word::SkipDestination:
    case Word::Transparent:
    case Word::FontTable:
    case Word::ColorTable:
    case Word::Picture:
    case Word::Field:
    case Word::FieldInstruction:
    case Word::FieldResult:
    case Word::ListTable:
    case Word::List:
    case Word::ListLevel:
    case Word::LevelText:
    case Word::ListOverrideTable:
    case Word::ListOverride:
    case Word::ListText:
    case Word::LegacyList:
    case Word::Shape:
    case Word::ShapeName:
    case Word::ShapeValue:
    case Word::Alternatives:
    case Word::Alternative:
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// Code pages
// ---------------------------------------------------------------------------

// How one code page turns bytes into text: a table for single-byte code
// pages, a decoder for the double-byte ones (whose trail byte may even be a
// literal character after a \'hh lead byte).
struct CodePage
{
    std::array<char16_t, 256> characters{}; // 0: a control byte, dropped
    QByteArray decoderName;                 // double-byte code pages only

    bool isDoubleByte() const { return !decoderName.isEmpty(); }
};

bool isDoubleByteCodePage(int number)
{
    return number == 932 || number == 936 || number == 949 || number == 950 || number == 1361;
}

// Debian's Qt converts through ICU, which knows these names.
QByteArray codecName(int number)
{
    switch (number) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    default: break;
    }
    for (const char *pattern : {"windows-%1", "IBM%1", "cp%1"}) {
        const QByteArray name = QByteArray(pattern).replace("%1", QByteArray::number(number));
        if (QStringDecoder(name.constData()).isValid())
            return name;
    }
    return {};
}

CodePage makeCodePage(int number)
{
    CodePage page;
    QByteArray name = number == SymbolCodePage ? QByteArray() : codecName(number);
    if (name.isEmpty())
        name = "windows-1252";
    if (isDoubleByteCodePage(number)) {
        page.decoderName = name;
        return page;
    }
    QStringDecoder decoder(name.constData());
    for (int byte = 0x20; byte < 256; ++byte) {
        if (number == SymbolCodePage) {
            // Symbol fonts draw their glyphs at U+F000 + byte.
            page.characters[byte] = char16_t(0xF000 + byte);
            continue;
        }
        const char c = char(byte);
        const QString decoded = decoder.decode(QByteArrayView(&c, 1));
        page.characters[byte] = decoded.size() == 1 ? decoded[0].unicode() : u'\uFFFD';
    }
    page.characters['\t'] = u'\t';
    return page;
}

// The code page a font's \fcharset stands for; 0: the document's.
int charsetCodePage(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return SymbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

// Characters that must not reach the document: control characters would be
// taken for block or frame boundaries by QTextCursor::insertText.
char32_t sanitized(char32_t c)
{
    if (c == '\t')
        return c;
    if (c < 0x20)
        return 0;
    if (c == QChar::ParagraphSeparator)
        return QChar::LineSeparator;
    if ((c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE || c > 0x10FFFF)
        return QChar::ReplacementCharacter;
    return c;
}

// ---------------------------------------------------------------------------
// Fields
// ---------------------------------------------------------------------------

// The target of a HYPERLINK field instruction; empty for other fields.
// Field codes escape \ and " with a backslash inside quoted arguments.
QString hyperlinkTarget(QStringView instruction)
{
    struct Argument
    {
        QString text;
        bool quoted = false;
    };
    std::vector<Argument> arguments;
    for (qsizetype i = 0; i < instruction.size();) {
        if (instruction[i].isSpace()) {
            ++i;
            continue;
        }
        Argument argument;
        if (instruction[i] == u'"') {
            argument.quoted = true;
            for (++i; i < instruction.size() && instruction[i] != u'"'; ++i) {
                if (instruction[i] == u'\\' && i + 1 < instruction.size()
                    && (instruction[i + 1] == u'\\' || instruction[i + 1] == u'"'))
                    ++i;
                argument.text += instruction[i];
            }
            ++i; // the closing quote
        } else {
            for (; i < instruction.size() && !instruction[i].isSpace(); ++i)
                argument.text += instruction[i];
        }
        arguments.push_back(std::move(argument));
    }
    if (arguments.empty() || arguments[0].text.compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return {};

    QString url;
    QString anchor;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const Argument &argument = arguments[i];
        if (!argument.quoted && argument.text.startsWith(u'\\')) {
            const QString name = argument.text.mid(1).toLower();
            if (name == u"l" && i + 1 < arguments.size())
                anchor = arguments[++i].text;
            else if ((name == u"o" || name == u"t") && i + 1 < arguments.size())
                ++i; // tooltip and target frame
            continue;
        }
        if (url.isEmpty())
            url = argument.text;
    }
    if (!anchor.isEmpty())
        url += u'#' + anchor;
    return url;
}

// ---------------------------------------------------------------------------
// Reader state
// ---------------------------------------------------------------------------

// Character formatting as RTF states it; -1 and 0 mean "not given".
struct CharProps
{
    int font = -1;
    int halfPoints = 0;
    int foreground = -1;
    int background = -1;
    CF::UnderlineStyle underline = CF::NoUnderline;
    CF::VerticalAlignment vertical = CF::AlignNormal;
    QFont::Capitalization capitalization = QFont::MixedCase;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool hidden = false;

    bool operator==(const CharProps &) const = default;
};

// A Word 6/95 list paragraph (\pn): no list table, the paragraph carries it.
struct LegacyList
{
    bool active = false;
    bool bullet = false;
    LF::Style numberStyle = LF::ListDecimal;
    int level = 0;
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
    LegacyList legacy;

    int tableLevel() const { return std::min(inTable ? std::max(1, nesting) : nesting, MaxTableDepth); }
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

// A row's cell definitions (\clmgf ... \cellx): only their merges matter here.
using RowDefinition = std::vector<quint8>; // CellMerge flags per cell

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

// ---------------------------------------------------------------------------
// Reader
// ---------------------------------------------------------------------------

class Reader
{
public:
    Reader(QByteArrayView data, qsizetype groupStart, QTextDocument *document, QTextCursor &cursor)
        : m_tokenizer(data, groupStart + 1), m_document(document), m_cursor(cursor)
    {
        m_groups.emplace_back(); // the root group, whose '{' is behind us
    }

    void read();

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

    // Token handling
    void openGroup();
    void closeGroup();
    void skipGroup();
    void endDestination(const GroupState &closed);
    void handleWord(const Token &token);
    bool handleDestinationWord(const WordEntry &entry);
    void handleSymbol(char symbol);
    void handleBytes(QByteArrayView bytes);
    void handleBinary(QByteArrayView bytes);

    // Text
    int codePageNumber() const;
    const CodePage &codePage(int number);
    void flushBytes();
    void appendUnicode(int value);
    void flushSurrogate();
    void deliver(char32_t c);
    void deliver(QStringView text);
    void appendText(QStringView text);
    void flushText();
    QTextCharFormat charFormat(const CharProps &chars, int link) const;
    QColor color(int index) const;

    // Paragraphs, lists and tables
    void beginContent();
    void endParagraph();
    void breakPage();
    void endCell(int level);
    void endRow(int level);
    QTextBlockFormat blockFormat(const ParaProps &para, bool listItem) const;
    void applyBlockFormat();
    LF::Style listStyle(const ParaProps &para, int *key, int *level) const;
    void addToList(int key, int level, LF::Style style);
    void dropLists(int key, int fromLevel);
    void enterTableLevel(int level);
    void openTable();
    void closeInnermostTable();
    void advanceCell(OpenTable &table);
    void mergeCells(const OpenTable &table);

    // Header tables and pictures
    void startFont(int number);
    void endColor();
    void applyLevelText();
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
    int m_documentCodePage = 1252;
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

    // Text waiting for the cursor, all in one format
    QString m_text;
    CharProps m_textChars;
    int m_textLink = -1;

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
    quint8 m_cellMerge = 0;
    std::vector<Field> m_fields;
    Picture m_picture;
    QString m_shapeName;
    int m_imageCount = 0;
};

void Reader::warn(Problem problem, const char *message)
{
    // Once per document: broken files repeat their faults.
    if (m_problems & problem)
        return;
    m_problems |= problem;
    qCWarning(lcRtf, "%s (at byte %lld)", message, qlonglong(m_tokenizer.position()));
}

void Reader::read()
{
    for (;;) {
        Token token = m_tokenizer.next();
        if (token.type == TokenType::End)
            break;
        if (token.type != TokenType::Text && token.type != TokenType::HexByte)
            flushBytes();

        if (m_fallbackToSkip > 0) {
            // The characters after \uN stand in for it in readers without
            // Unicode: skip them, counting \'hh, control words and \bin as one.
            if (token.type == TokenType::GroupOpen || token.type == TokenType::GroupClose) {
                m_fallbackToSkip = 0;
            } else if (token.type == TokenType::Text) {
                const qsizetype skipped = std::min<qsizetype>(m_fallbackToSkip, token.text.size());
                token.text = token.text.sliced(skipped);
                m_fallbackToSkip -= int(skipped);
                if (token.text.isEmpty())
                    continue;
            } else {
                --m_fallbackToSkip;
                continue;
            }
        }

        if (token.type != TokenType::ControlWord) {
            m_ignorable = false;
            flushSurrogate();
        }
        switch (token.type) {
        case TokenType::GroupOpen:
            openGroup();
            break;
        case TokenType::GroupClose:
            closeGroup();
            break;
        case TokenType::ControlWord:
            handleWord(token);
            break;
        case TokenType::ControlSymbol:
            handleSymbol(token.symbol);
            break;
        case TokenType::HexByte:
            if (state().destination != Destination::Picture)
                handleBytes(QByteArrayView(&token.byte, 1));
            break;
        case TokenType::Text:
            handleBytes(token.text);
            break;
        case TokenType::Binary:
            handleBinary(token.text);
            break;
        case TokenType::End:
            break;
        }
    }

    flushBytes();
    flushSurrogate();
    flushText();
    if (m_paragraph == ParagraphState::Open)
        applyBlockFormat();
    while (!m_tables.empty())
        closeInnermostTable();
    if (!m_rootClosed)
        warn(Truncated, "document ends inside a group");
}

// ---------------------------------------------------------------------------
// Groups and destinations
// ---------------------------------------------------------------------------

void Reader::openGroup()
{
    if (m_overflowDepth > 0 || m_groups.size() >= MaxGroupDepth) {
        warn(TooDeep, "groups nested too deeply");
        ++m_overflowDepth;
        return;
    }
    m_groups.push_back(state());
    GroupState &group = state();
    switch (group.destination) {
    case Destination::FieldGroup:
    case Destination::LegacyList:
        // The field's and the \pn's own subgroups are named by their first word.
        group.destination = Destination::Ignore;
        break;
    default:
        break;
    }
}

void Reader::closeGroup()
{
    m_fallbackToSkip = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_groups.size() == 1) {
        if (m_rootClosed)
            warn(ExtraBrace, "unbalanced '}'");
        // Writers that close the root early go on with the document, so
        // read on in the root's state; only loose text after it is dropped.
        m_rootClosed = true;
        return;
    }
    const GroupState closed = std::move(m_groups.back());
    m_groups.pop_back();
    if (closed.destination != state().destination)
        endDestination(closed);
    if (closed.field > state().field) {
        flushText(); // its text may be a link to the field about to go
        m_fields.resize(size_t(state().field + 1));
    }
}

void Reader::skipGroup()
{
    if (m_overflowDepth == 0 && m_groups.size() == 1)
        return; // a destination word in the root group names no group to skip
    m_tokenizer.skipGroup();
    closeGroup();
}

void Reader::endDestination(const GroupState &closed)
{
    switch (closed.destination) {
    case Destination::LevelText:
        applyLevelText();
        break;
    case Destination::LegacyList:
        // \pn describes the paragraph around it.
        state().para.legacy = closed.para.legacy;
        break;
    case Destination::Picture:
        finishPicture();
        break;
    default:
        break;
    }
}

void Reader::handleWord(const Token &token)
{
    const WordEntry entry = lookupWord(token.text);
    const bool ignorable = std::exchange(m_ignorable, false);
    if (entry.word == Word::Unicode) {
        appendUnicode(token.hasParameter ? token.parameter : 0);
        return;
    }
    flushSurrogate();

    GroupState &group = state();
    if (group.destination == Destination::Picture) {
        // Picture data follows the picture's words; anything hex-like before
        // it (\picw8766,543863 in some files) is not data.
        m_picture.data.clear();
        m_picture.highNibble = -1;
    }
    const bool destination = isDestination(entry.word);
    if (group.destination == Destination::Alternatives && entry.word != Word::Alternative) {
        if (destination || ignorable)
            skipGroup();
        return;
    }
    if (destination || ignorable) {
        if (m_overflowDepth == 0 && m_groups.size() == 1)
            return; // the root group is the document, never a destination
        if (m_overflowDepth > 0 || !destination || !handleDestinationWord(entry))
            skipGroup();
        return;
    }

    const int parameter = token.parameter;
    const bool on = !token.hasParameter || parameter != 0;
    CharProps &chars = group.chars;
    ParaProps &para = group.para;
    switch (entry.word) {
    // Document and text
    case Word::CharacterSet:
        m_documentCodePage = entry.value;
        break;
    case Word::AnsiCodePage:
        m_documentCodePage = parameter > 0 && !codecName(parameter).isEmpty() ? parameter : 1252;
        if (m_documentCodePage != parameter)
            warn(UnknownCodePage, "unknown code page, read as 1252");
        break;
    case Word::DefaultFont:
        m_defaultFont = parameter;
        break;
    case Word::UnicodeSkip:
        group.unicodeSkip = std::clamp(parameter, 0, 255);
        break;
    case Word::Font:
        if (group.destination == Destination::FontTable)
            startFont(parameter);
        else
            chars.font = std::max(parameter, 0);
        break;
    case Word::FontCharset:
        if (group.destination == Destination::FontTable && m_fontEntry >= 0)
            m_fonts[m_fontEntry].codePage = charsetCodePage(parameter);
        break;
    case Word::FontCodePage:
        if (group.destination != Destination::FontTable || m_fontEntry < 0)
            break;
        if (!codecName(parameter).isEmpty())
            m_fonts[m_fontEntry].codePage = parameter;
        else
            warn(UnknownCodePage, "unknown code page, read as 1252");
        break;
    case Word::ColorComponent:
        m_colorComponents[size_t(entry.value)] = std::clamp(parameter, 0, 255);
        m_colorGiven = true;
        break;
    case Word::Character:
        deliver(char32_t(entry.value));
        break;
    case Word::Paragraph:
        if (group.destination == Destination::Text) {
            endParagraph();
            m_paragraph = ParagraphState::Ended;
        }
        break;
    case Word::PageBreak:
        breakPage();
        break;
    case Word::Cell:
        if (group.destination == Destination::Text)
            endCell(entry.value ? std::max(1, para.tableLevel()) : 1);
        break;
    case Word::Row:
        if (group.destination == Destination::Text)
            endRow(entry.value ? std::max(1, para.tableLevel()) : 1);
        break;
    case Word::RowDefaults:
        m_definitionLevel = std::max(1, para.tableLevel());
        m_rowDefinitions[size_t(m_definitionLevel)].clear();
        m_cellMerge = 0;
        break;
    case Word::CellMerge:
        m_cellMerge |= quint8(entry.value);
        break;
    case Word::CellBoundary:
        if (RowDefinition &cells = m_rowDefinitions[size_t(m_definitionLevel)]; cells.size() < MaxTableColumns)
            cells.push_back(std::exchange(m_cellMerge, 0));
        break;

    // Character formatting
    case Word::Plain:
        chars = CharProps();
        break;
    case Word::Bold:
        chars.bold = on;
        break;
    case Word::Italic:
        chars.italic = on;
        break;
    case Word::Underline:
        chars.underline = on ? CF::UnderlineStyle(entry.value) : CF::NoUnderline;
        break;
    case Word::StrikeOut:
        chars.strikeOut = on;
        break;
    case Word::Hidden:
        chars.hidden = on;
        break;
    case Word::FontSize:
        chars.halfPoints = std::clamp(parameter, 0, 3276);
        break;
    case Word::Foreground:
        chars.foreground = parameter;
        break;
    case Word::Background:
        chars.background = parameter;
        break;
    case Word::VerticalAlignment:
        chars.vertical = CF::VerticalAlignment(entry.value);
        break;
    case Word::Raise:
        chars.vertical = on ? CF::AlignSuperScript : CF::AlignNormal;
        break;
    case Word::Lower:
        chars.vertical = on ? CF::AlignSubScript : CF::AlignNormal;
        break;
    case Word::Capitalization:
        chars.capitalization = on ? QFont::Capitalization(entry.value) : QFont::MixedCase;
        break;

    // Paragraph formatting
    case Word::ParagraphDefaults:
        para = ParaProps();
        break;
    case Word::Alignment:
        para.alignment = Qt::Alignment(entry.value);
        break;
    case Word::LeftIndent:
        para.leftIndent = parameter;
        break;
    case Word::RightIndent:
        para.rightIndent = parameter;
        break;
    case Word::FirstIndent:
        para.firstIndent = parameter;
        break;
    case Word::SpaceBefore:
        para.spaceBefore = parameter;
        break;
    case Word::SpaceAfter:
        para.spaceAfter = parameter;
        break;
    case Word::LineSpacing:
        para.lineSpacing = parameter;
        break;
    case Word::LineMultiple:
        para.lineMultiple = on;
        break;
    case Word::InTable:
        para.inTable = on;
        break;
    case Word::NestingLevel:
        para.nesting = std::clamp(parameter, 0, MaxTableDepth);
        break;
    case Word::ListNumber:
        if (group.destination == Destination::ListOverrideTable) {
            m_overrideNumber = parameter;
            if (m_overrideListId)
                m_listOverrides.insert(m_overrideNumber, m_overrideListId);
        } else {
            para.listNumber = std::max(parameter, 0);
        }
        break;
    case Word::ListLevelNumber:
        para.listLevel = std::clamp(parameter, 0, MaxListLevels - 1);
        break;

    // Lists
    case Word::LevelNumberFormat:
        if (group.destination == Destination::ListTable && m_levelOpen) {
            LF::Style &style = m_listDefinitions.back().levels.back();
            switch (parameter) {
            case 0: style = LF::ListDecimal; break;
            case 1: style = LF::ListUpperRoman; break;
            case 2: style = LF::ListLowerRoman; break;
            case 3: style = LF::ListUpperAlpha; break;
            case 4: style = LF::ListLowerAlpha; break;
            case 23: case 255: style = LF::ListDisc; break;
            default: style = LF::ListDecimal; break;
            }
        }
        break;
    case Word::ListId:
        if (group.destination == Destination::ListTable && !m_listDefinitions.empty()) {
            m_listsById.insert(parameter, m_listDefinitions.size() - 1);
        } else if (group.destination == Destination::ListOverrideTable) {
            m_overrideListId = parameter;
            if (m_overrideNumber)
                m_listOverrides.insert(m_overrideNumber, m_overrideListId);
        }
        break;
    case Word::LegacyBullet:
        para.legacy.active = true;
        para.legacy.bullet = true;
        para.legacy.level = 0;
        break;
    case Word::LegacyBody:
        para.legacy.active = true;
        para.legacy.bullet = false;
        para.legacy.level = 0;
        break;
    case Word::LegacyLevel:
        para.legacy.active = true;
        para.legacy.bullet = false;
        para.legacy.level = std::clamp(parameter - 1, 0, MaxListLevels - 1);
        break;
    case Word::LegacyNumberFormat:
        para.legacy.numberStyle = LF::Style(entry.value);
        break;

    // Pictures
    case Word::PictureFormat:
        m_picture.kind = PictureKind(entry.value);
        break;
    case Word::PictureGoal:
        m_picture.goal[size_t(entry.value)] = std::clamp(parameter, 0, 1'000'000);
        break;
    case Word::PictureScale:
        m_picture.scale[size_t(entry.value)] = std::clamp(parameter, 1, 10'000);
        break;
    default:
        break;
    }
}

// Returns false where the group is to be skipped.
bool Reader::handleDestinationWord(const WordEntry &entry)
{
    GroupState &group = state();
    const Destination current = group.destination;

    switch (entry.word) {
    case Word::Transparent:
        return true;
    case Word::Alternatives:
        group.alternative = current;
        group.destination = Destination::Alternatives;
        return true;
    case Word::Alternative:
        if (current != Destination::Alternatives)
            return true; // a stray \ud or \result: nothing to choose from
        group.destination = group.alternative;
        return true;
    case Word::FontTable:
        setDestination(Destination::FontTable);
        m_fontEntry = -1;
        return true;
    case Word::ColorTable:
        setDestination(Destination::ColorTable);
        m_colors.clear();
        m_colorComponents = {};
        m_colorGiven = false;
        return true;
    case Word::ListTable:
        setDestination(Destination::ListTable);
        m_levelOpen = false;
        return true;
    case Word::List:
        if (current != Destination::ListTable)
            return false;
        m_listDefinitions.emplace_back();
        m_levelOpen = false;
        return true;
    case Word::ListLevel:
        if (current != Destination::ListTable || m_listDefinitions.empty())
            return false;
        m_levelOpen = m_listDefinitions.back().levels.size() < MaxListLevels;
        if (m_levelOpen)
            m_listDefinitions.back().levels.push_back(LF::ListDecimal);
        return true;
    case Word::LevelText:
        if (current != Destination::ListTable || !m_levelOpen)
            return false;
        setDestination(Destination::LevelText);
        m_levelText.clear();
        return true;
    case Word::ListOverrideTable:
        setDestination(Destination::ListOverrideTable);
        return true;
    case Word::ListOverride:
        m_overrideListId = 0;
        m_overrideNumber = 0;
        return current == Destination::ListOverrideTable;
    case Word::ListText:
        if (current != Destination::Text)
            return false;
        setDestination(Destination::ListText);
        m_listText.clear();
        return true;
    case Word::LegacyList:
        if (current != Destination::Text)
            return false;
        setDestination(Destination::LegacyList);
        group.para.legacy = LegacyList();
        return true;
    case Word::Field:
        if (current != Destination::Text)
            return false;
        m_fields.emplace_back();
        group.field = int(m_fields.size()) - 1;
        setDestination(Destination::FieldGroup);
        return true;
    case Word::FieldInstruction:
        if (current != Destination::Ignore || group.field < 0)
            return false;
        setDestination(Destination::FieldInstruction);
        return true;
    case Word::FieldResult: {
        if (current != Destination::Ignore || group.field < 0)
            return false;
        Field &field = m_fields[size_t(group.field)];
        field.href = hyperlinkTarget(field.instruction);
        if (!field.href.isEmpty())
            group.link = group.field;
        setDestination(Destination::Text);
        return true;
    }
    case Word::Picture:
        if (current != Destination::Text && current != Destination::ShapePicture)
            return false;
        m_picture = Picture();
        m_picture.shown = !group.chars.hidden;
        setDestination(Destination::Picture);
        return true;
    case Word::Shape:
        if (current != Destination::Text)
            return false;
        setDestination(Destination::Ignore);
        return true;
    case Word::ShapeName:
        if (current != Destination::Ignore)
            return false;
        setDestination(Destination::ShapeName);
        m_shapeName.clear();
        return true;
    case Word::ShapeValue:
        // Of all shape properties only the picture of a picture frame shows.
        if (current != Destination::Ignore || m_shapeName.trimmed() != u"pib")
            return false;
        setDestination(Destination::ShapePicture);
        return true;
    case Word::SkipDestination:
    default:
        return false;
    }
}

void Reader::handleSymbol(char symbol)
{
    switch (symbol) {
    case '*':
        m_ignorable = true;
        break;
    case '\\':
    case '{':
    case '}':
        deliver(char32_t(symbol));
        break;
    case '~':
        deliver(U'\u00A0');
        break;
    case '-':
        deliver(U'\u00AD');
        break;
    case '_':
        deliver(U'\u2011');
        break;
    case '\t':
        deliver(U'\t');
        break;
    default:
        break; // \: (index subentry), \| (formula) and unknown symbols
    }
}

// ---------------------------------------------------------------------------
// Text
// ---------------------------------------------------------------------------

void Reader::handleBytes(QByteArrayView bytes)
{
    const Destination destination = state().destination;
    switch (destination) {
    case Destination::Picture:
        for (char c : bytes) {
            const int digit = Tokenizer::hexValue(c);
            if (digit < 0)
                continue;
            if (m_picture.highNibble < 0) {
                m_picture.highNibble = digit;
            } else {
                m_picture.data.append(char(m_picture.highNibble * 16 + digit));
                m_picture.highNibble = -1;
            }
        }
        return;
    case Destination::Ignore:
    case Destination::Alternatives:
    case Destination::FieldGroup:
    case Destination::ListTable:
    case Destination::ListOverrideTable:
    case Destination::LegacyList:
    case Destination::ShapePicture:
        return;
    default:
        break;
    }
    if (m_rootClosed && m_groups.size() == 1) {
        // The old rich-text control ends its files with a NUL: no fault.
        if (std::ranges::any_of(bytes, [](char c) { return c != '\0' && c != ' ' && c != '\t'; }))
            warn(TextAfterEnd, "text after the end of the document");
        return;
    }

    const CodePage &page = codePage(codePageNumber());
    if (page.isDoubleByte()) {
        for (char c : bytes) {
            if (uchar(c) >= 0x20 || c == '\t')
                m_doubleBytes.append(c);
        }
        return;
    }
    m_decoded.resize(bytes.size());
    qsizetype length = 0;
    for (char c : bytes) {
        if (const char16_t decoded = page.characters[uchar(c)])
            m_decoded[length++] = QChar(decoded);
    }
    deliver(QStringView(m_decoded.constData(), length));
}

void Reader::handleBinary(QByteArrayView bytes)
{
    if (state().destination == Destination::Picture) {
        m_picture.data.append(bytes);
        m_picture.highNibble = -1;
    }
}

int Reader::codePageNumber() const
{
    const GroupState &group = state();
    const int font = group.destination == Destination::FontTable
                         ? m_fontEntry
                         : (group.chars.font >= 0 ? group.chars.font : m_defaultFont);
    const auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->codePage)
        return it->codePage;
    return m_documentCodePage;
}

const CodePage &Reader::codePage(int number)
{
    auto it = m_codePages.find(number);
    if (it == m_codePages.end())
        it = m_codePages.emplace(number, makeCodePage(number)).first;
    return it->second;
}

void Reader::flushBytes()
{
    if (m_doubleBytes.isEmpty())
        return;
    QStringDecoder decoder(codePage(codePageNumber()).decoderName.constData());
    const QString text = decoder.decode(m_doubleBytes);
    m_doubleBytes.clear();
    deliver(text);
}

void Reader::appendUnicode(int value)
{
    m_fallbackToSkip = state().unicodeSkip;
    // \u is a signed 16-bit number: negative values wrap to 32768..65535.
    if (value < 0)
        value += 65536;
    const char16_t unit = value >= 0 && value <= 0xFFFF ? char16_t(value) : u'\uFFFD';
    if (QChar::isLowSurrogate(unit) && m_highSurrogate) {
        deliver(QChar::surrogateToUcs4(std::exchange(m_highSurrogate, 0), unit));
        return;
    }
    flushSurrogate();
    if (QChar::isHighSurrogate(unit))
        m_highSurrogate = unit;
    else
        deliver(QChar::isLowSurrogate(unit) ? U'\uFFFD' : char32_t(unit));
}

void Reader::flushSurrogate()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        deliver(U'\uFFFD');
    }
}

void Reader::deliver(char32_t c)
{
    c = sanitized(c);
    if (!c)
        return;
    const char32_t characters[] = {c};
    deliver(QString::fromUcs4(characters, 1));
}

// Text for the current destination, whatever its source (bytes, \u, symbols).
void Reader::deliver(QStringView text)
{
    if (text.isEmpty())
        return;
    switch (state().destination) {
    case Destination::Text:
        appendText(text);
        break;
    case Destination::FontTable:
        if (m_fontEntry >= 0) {
            FontEntry &font = m_fonts[m_fontEntry];
            if (font.nameDone)
                break;
            const qsizetype end = text.indexOf(u';');
            font.name += text.left(end < 0 ? text.size() : end);
            font.nameDone = end >= 0;
        }
        break;
    case Destination::ColorTable:
        for (QChar c : text) {
            if (c == u';')
                endColor();
        }
        break;
    case Destination::FieldInstruction:
        if (state().field >= 0)
            m_fields[size_t(state().field)].instruction += text;
        break;
    case Destination::LevelText:
        m_levelText += text;
        break;
    case Destination::ListText:
        m_listText += text;
        break;
    case Destination::ShapeName:
        m_shapeName += text;
        break;
    default:
        break;
    }
}

void Reader::appendText(QStringView text)
{
    const GroupState &group = state();
    if (group.chars.hidden)
        return;
    beginContent();
    if (!m_text.isEmpty() && (m_textChars != group.chars || m_textLink != group.link))
        flushText();
    if (m_text.isEmpty()) {
        m_textChars = group.chars;
        m_textLink = group.link;
    }
    m_text += text;
}

void Reader::flushText()
{
    if (m_text.isEmpty())
        return;
    m_cursor.insertText(m_text, charFormat(m_textChars, m_textLink));
    m_text.clear();
}

QColor Reader::color(int index) const
{
    return index >= 0 && size_t(index) < m_colors.size() ? m_colors[size_t(index)] : QColor();
}

QTextCharFormat Reader::charFormat(const CharProps &chars, int link) const
{
    QTextCharFormat format;
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline != CF::NoUnderline)
        format.setUnderlineStyle(chars.underline);
    if (chars.strikeOut)
        format.setFontStrikeOut(true);
    if (chars.vertical != CF::AlignNormal)
        format.setVerticalAlignment(chars.vertical);
    if (chars.capitalization != QFont::MixedCase)
        format.setFontCapitalization(chars.capitalization);
    if (chars.halfPoints > 0)
        format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.font >= 0) {
        const auto it = m_fonts.constFind(chars.font);
        if (it != m_fonts.constEnd() && !it->name.trimmed().isEmpty())
            format.setFontFamilies(QStringList{it->name.trimmed()});
    }
    if (const QColor foreground = color(chars.foreground); foreground.isValid())
        format.setForeground(foreground);
    if (const QColor background = color(chars.background); background.isValid())
        format.setBackground(background);
    if (link >= 0 && size_t(link) < m_fields.size()) {
        format.setAnchor(true);
        format.setAnchorHref(m_fields[size_t(link)].href);
    }
    return format;
}

// ---------------------------------------------------------------------------
// Header tables and pictures
// ---------------------------------------------------------------------------

void Reader::startFont(int number)
{
    m_fontEntry = number;
    m_fonts[number] = FontEntry(); // a repeated number: the last entry wins
}

void Reader::endColor()
{
    const auto [red, green, blue] = m_colorComponents;
    m_colors.push_back(m_colorGiven ? QColor(red, green, blue) : QColor());
    m_colorComponents = {};
    m_colorGiven = false;
}

// A bullet level's text names its bullet; Word writes Symbol and Wingdings
// code points, other writers the Unicode ones.
void Reader::applyLevelText()
{
    if (m_listDefinitions.empty() || m_listDefinitions.back().levels.empty())
        return;
    LF::Style &style = m_listDefinitions.back().levels.back();
    if (style != LF::ListDisc)
        return;
    for (QChar c : std::as_const(m_levelText)) {
        if (c.isSpace() || c == u';')
            continue;
        switch (c.unicode()) {
        case u'o':
        case u'\u25E6':
        case u'\u25CB':
            style = LF::ListCircle;
            break;
        case u'\u25AA':
        case u'\u25A0':
        case u'\uF0A7':
        case u'\uF06E':
            style = LF::ListSquare;
            break;
        default:
            break;
        }
        return;
    }
}

void Reader::finishPicture()
{
    Picture picture = std::exchange(m_picture, Picture());
    if (!picture.shown || picture.data.isEmpty())
        return;
    if (picture.kind != PictureKind::Png && picture.kind != PictureKind::Jpeg)
        return; // metafiles and device-independent bitmaps: nothing Qt can show
    QImage image;
    if (!image.loadFromData(picture.data, picture.kind == PictureKind::Png ? "PNG" : "JPEG")) {
        warn(BadPicture, "picture data that does not decode");
        return;
    }
    if (picture.kind == PictureKind::Jpeg)
        image.setText(QLatin1String(Rtf::PictureFormatKey), QStringLiteral("JPEG"));

    const QString name = QStringLiteral("rtfimage:%1").arg(++m_imageCount);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    const std::array<int, 2> natural{image.width(), image.height()};
    std::array<qreal, 2> size{};
    for (size_t i = 0; i < 2; ++i) {
        const qreal pixels = picture.goal[i] > 0 ? qreal(picture.goal[i]) / TwipsPerPixel : natural[i];
        size[i] = pixels * picture.scale[i] / 100.0;
    }
    format.setWidth(size[0]);
    format.setHeight(size[1]);
    if (const int link = state().link; link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(m_fields[size_t(link)].href);
    }

    beginContent();
    flushText();
    m_cursor.insertImage(format);
}

// ---------------------------------------------------------------------------
// Paragraphs and lists
// ---------------------------------------------------------------------------

// Brings the cursor to where the current paragraph's content goes: into the
// right table cell, and into a new block after an ended paragraph.
void Reader::beginContent()
{
    const int level = state().para.tableLevel();
    const bool tableMoves = size_t(level) != m_tables.size()
        || (level > 0 && (m_tables.back().cellEnded || m_tables.back().rowEnded));
    if (tableMoves) {
        flushText();
        enterTableLevel(level);
    }
    if (m_paragraph != ParagraphState::Open) {
        flushText();
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        m_paragraph = ParagraphState::Open;
    }
}

// A paragraph takes the properties in force at its end.
void Reader::endParagraph()
{
    beginContent();
    flushText();
    applyBlockFormat();
}

// \page and \sect end a paragraph that has text; after \par they add nothing.
void Reader::breakPage()
{
    if (state().destination != Destination::Text || m_paragraph != ParagraphState::Open)
        return;
    if (m_text.isEmpty() && m_cursor.block().length() <= 1)
        return;
    endParagraph();
    m_paragraph = ParagraphState::Ended;
}

QTextBlockFormat Reader::blockFormat(const ParaProps &para, bool listItem) const
{
    QTextBlockFormat format;
    if (para.alignment != Qt::AlignLeft)
        format.setAlignment(para.alignment);
    // A list indents its items by its level; the paragraph's own indents
    // there only place the number.
    if (!listItem) {
        if (para.leftIndent)
            format.setLeftMargin(qreal(para.leftIndent) / TwipsPerPoint);
        if (para.firstIndent)
            format.setTextIndent(qreal(para.firstIndent) / TwipsPerPoint);
    }
    if (para.rightIndent)
        format.setRightMargin(qreal(para.rightIndent) / TwipsPerPoint);
    if (para.spaceBefore)
        format.setTopMargin(qreal(para.spaceBefore) / TwipsPerPoint);
    if (para.spaceAfter)
        format.setBottomMargin(qreal(para.spaceAfter) / TwipsPerPoint);
    if (para.lineSpacing) {
        if (para.lineMultiple)
            format.setLineHeight(para.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing > 0)
            format.setLineHeight(qreal(para.lineSpacing) / TwipsPerPoint, QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(qreal(-qint64(para.lineSpacing)) / TwipsPerPoint, QTextBlockFormat::FixedHeight);
    }
    return format;
}

void Reader::applyBlockFormat()
{
    const ParaProps &para = state().para;
    int key = 0;
    int level = 0;
    const LF::Style style = listStyle(para, &key, &level);
    const bool listItem = style != LF::ListStyleUndefined;
    m_cursor.setBlockFormat(blockFormat(para, listItem));
    if (listItem) {
        addToList(key, level, style);
    } else {
        // Legacy lists end at the first paragraph outside them.
        dropLists(LegacyListKey, 0);
        if (!m_listText.isEmpty()) {
            // A list we could not place: keep its number or bullet as text.
            const int position = m_cursor.position();
            m_cursor.setPosition(m_cursor.block().position());
            m_cursor.insertText(m_listText);
            m_cursor.setPosition(position + int(m_listText.size()));
        }
    }
    m_listText.clear();
}

// The list style of a paragraph, or ListStyleUndefined; key and level name
// the QTextList it belongs to.
LF::Style Reader::listStyle(const ParaProps &para, int *key, int *level) const
{
    if (para.listNumber > 0) {
        *key = para.listNumber;
        *level = para.listLevel;
        const auto found = m_listsById.constFind(m_listOverrides.value(para.listNumber, -1));
        if (found != m_listsById.constEnd()) {
            const std::vector<LF::Style> &levels = m_listDefinitions[*found].levels;
            if (!levels.empty())
                return levels[std::min(size_t(para.listLevel), levels.size() - 1)];
        }
    }
    // Word writes \pn beside \ls for readers without list tables; some
    // writers then leave the table out.
    if (para.legacy.active) {
        *key = LegacyListKey;
        *level = para.legacy.level;
        return para.legacy.bullet ? LF::ListDisc : para.legacy.numberStyle;
    }
    return para.listNumber > 0 ? LF::ListDisc : LF::ListStyleUndefined;
}

void Reader::dropLists(int key, int fromLevel)
{
    m_lists.erase(m_lists.lower_bound({key, fromLevel}), m_lists.lower_bound({key, MaxListLevels}));
}

void Reader::addToList(int key, int level, LF::Style style)
{
    // A deeper level starts afresh under each item of the level above.
    dropLists(key, level + 1);
    auto &[list, listStyle] = m_lists[{key, level}];
    if (list && listStyle == style && list->count() < MaxListItems) {
        list->add(m_cursor.block());
        return;
    }
    QTextListFormat format;
    format.setStyle(style);
    format.setIndent(level + 1);
    list = m_cursor.createList(format);
    listStyle = style;
}

// ---------------------------------------------------------------------------
// Tables
// ---------------------------------------------------------------------------

// RTF marks table paragraphs (\intbl, \itapN) and ends cells and rows
// (\cell, \row); it never opens a table. So a table opens when content
// arrives at a deeper level, closes when content arrives at a shallower one,
// and moves to the next cell or row when content follows \cell or \row.
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
        // Qt rebuilds its cell grid after each change of size: grow by
        // doubling, and drop the spare rows when the table closes.
        if (open.row >= table->rows())
            table->appendRows(std::min(table->rows(), 4096));
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
        return std::ranges::any_of(cells, [](quint8 flags) { return flags != 0; });
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
            const quint8 flags = cells[size_t(column)];
            if (has(flags, CellMerge::Merged))
                continue; // part of the cell before it
            int span = 1;
            if (has(flags, CellMerge::First)) {
                while (column + span < columns && has(cells[size_t(column + span)], CellMerge::Merged))
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

} // namespace

// ---------------------------------------------------------------------------
// Entry point
// ---------------------------------------------------------------------------

namespace {

// Where "{\rtf" starts after an optional byte order mark and white space; -1
// when the data is not RTF.
qsizetype rtfStart(QByteArrayView data)
{
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf") ? i : -1;
}

QString plainText(const QByteArray &data)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError())
        text = QStringDecoder("windows-1252").decode(data);
    for (QChar &c : text) {
        const char32_t safe = c.isSurrogate() || c == u'\n' || c == u'\r' ? c.unicode() : sanitized(c.unicode());
        if (safe != c.unicode())
            c = safe ? QChar(char16_t(safe)) : QChar(u' ');
    }
    return text;
}

} // namespace

void read(const QByteArray &data, QTextDocument *document)
{
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    const qsizetype start = rtfStart(data);
    if (start < 0)
        cursor.insertText(plainText(data));
    else
        Reader(data, start, document, cursor).read();
    cursor.endEditBlock();
}

} // namespace Rtf
