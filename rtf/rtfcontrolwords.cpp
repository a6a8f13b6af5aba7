#include "rtfcontrolwords.h"

#include "rtf.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextListFormat>

#include <algorithm>
#include <array>
#include <iterator>

namespace Rtf {

namespace {

using CF = QTextCharFormat;
using LF = QTextListFormat;

// A word that opens a destination we understand.
constexpr WordEntry destination(std::string_view name, Word word, int value = 0)
{
    return {name, word, value, true};
}

// Sorted by name (checked below), for whoever looks a word up here.
constexpr WordEntry wordTable[] = {
    destination("aftncn", Word::SkipDestination),
    destination("aftnsep", Word::SkipDestination),
    destination("aftnsepc", Word::SkipDestination),
    destination("annotation", Word::SkipDestination, Comments),
    {"ansi", Word::CharacterSet, 1252},
    {"ansicpg", Word::AnsiCodePage},
    destination("atnid", Word::SkipDestination),
    destination("author", Word::SkipDestination),
    {"b", Word::Bold},
    {"blue", Word::ColorComponent, 2},
    {"brdrb", Word::BottomBorder},
    {"bullet", Word::Character, 0x2022},
    {"caps", Word::Capitalization, QFont::AllUppercase},
    {"cb", Word::Background},
    {"cbpat", Word::ParagraphBackground},
    {"cell", Word::Cell, 0},
    {"cellx", Word::CellBoundary},
    {"cf", Word::Foreground},
    {"chcbpat", Word::Background},
    {"chftn", Word::FootnoteMark},
    {"clcbpat", Word::CellBackground},
    {"clmgf", Word::CellMerge, int(CellMerge::First)},
    {"clmrg", Word::CellMerge, int(CellMerge::Merged)},
    {"clpadb", Word::CellPadding, 1},
    {"clpadfb", Word::CellPaddingUnit, 1},
    {"clpadfl", Word::CellPaddingUnit, 2},
    {"clpadfr", Word::CellPaddingUnit, 3},
    {"clpadft", Word::CellPaddingUnit, 0},
    {"clpadl", Word::CellPadding, 2},
    {"clpadr", Word::CellPadding, 3},
    {"clpadt", Word::CellPadding, 0},
    {"clvmgf", Word::CellMerge, int(CellMerge::VerticalFirst)},
    {"clvmrg", Word::CellMerge, int(CellMerge::VerticalMerged)},
    destination("colortbl", Word::ColorTable),
    destination("comment", Word::SkipDestination),
    {"cpg", Word::FontCodePage},
    {"cs", Word::CharacterStyle},
    {"deff", Word::DefaultFont},
    {"dibitmap", Word::PictureFormat, int(PictureKind::Other)},
    {"dn", Word::Lower},
    destination("do", Word::SkipDestination),
    {"ds", Word::OtherStyle},
    {"emdash", Word::Character, 0x2014},
    {"emfblip", Word::PictureFormat, int(PictureKind::Other)},
    {"emspace", Word::Character, 0x2003},
    {"endash", Word::Character, 0x2013},
    {"enspace", Word::Character, 0x2002},
    {"f", Word::Font},
    {"fcharset", Word::FontCharset},
    {"fi", Word::FirstIndent},
    destination("field", Word::Field),
    destination("filetbl", Word::SkipDestination),
    destination("fldinst", Word::FieldInstruction),
    destination("fldrslt", Word::FieldResult),
    destination("fonttbl", Word::FontTable),
    destination("footer", Word::SkipDestination, HeadersAndFooters),
    destination("footerf", Word::SkipDestination, HeadersAndFooters),
    destination("footerl", Word::SkipDestination, HeadersAndFooters),
    destination("footerr", Word::SkipDestination, HeadersAndFooters),
    destination("footnote", Word::Footnote),
    {"fs", Word::FontSize},
    destination("ftncn", Word::SkipDestination),
    destination("ftnsep", Word::SkipDestination),
    destination("ftnsepc", Word::SkipDestination),
    {"green", Word::ColorComponent, 1},
    destination("header", Word::SkipDestination, HeadersAndFooters),
    destination("headerf", Word::SkipDestination, HeadersAndFooters),
    destination("headerl", Word::SkipDestination, HeadersAndFooters),
    destination("headerr", Word::SkipDestination, HeadersAndFooters),
    {"highlight", Word::Background},
    {"i", Word::Italic},
    {"ilvl", Word::ListLevelNumber},
    destination("info", Word::SkipDestination),
    {"intbl", Word::InTable},
    {"itap", Word::NestingLevel},
    {"jpegblip", Word::PictureFormat, int(PictureKind::Jpeg)},
    {"ldblquote", Word::Character, 0x201C},
    {"levelnfc", Word::LevelNumberFormat},
    {"levelnfcn", Word::LevelNumberFormat},
    destination("levelnumbers", Word::SkipDestination),
    destination("leveltext", Word::LevelText),
    {"li", Word::LeftIndent},
    {"lin", Word::LeftIndent},
    {"line", Word::Character, 0x2028},
    destination("list", Word::List),
    {"listid", Word::ListId},
    destination("listlevel", Word::ListLevel),
    destination("listname", Word::SkipDestination),
    destination("listoverride", Word::ListOverride),
    destination("listoverridetable", Word::ListOverrideTable),
    destination("listpicture", Word::SkipDestination),
    destination("listtable", Word::ListTable),
    destination("listtext", Word::ListText),
    {"lquote", Word::Character, 0x2018},
    {"ls", Word::ListNumber},
    {"ltrmark", Word::Character, 0x200E},
    {"mac", Word::CharacterSet, 10000},
    {"macpict", Word::PictureFormat, int(PictureKind::Other)},
    // Word's math words are mixed case (\mmathPr): the tokenizer, true to the
    // RTF specification, sees "mmath" and text.
    destination("mmath", Word::SkipDestination),
    {"nestcell", Word::Cell, 1},
    {"nestrow", Word::Row, 1},
    destination("nesttableprops", Word::Transparent),
    destination("nonesttables", Word::SkipDestination),
    destination("nonshppict", Word::SkipDestination),
    {"nosupersub", Word::VerticalAlignment, CF::AlignNormal},
    destination("objdata", Word::SkipDestination),
    destination("object", Word::Alternatives),
    {"outlinelevel", Word::OutlineLevel},
    {"page", Word::PageBreak},
    {"par", Word::Paragraph},
    {"pard", Word::ParagraphDefaults},
    {"pc", Word::CharacterSet, 437},
    {"pca", Word::CharacterSet, 850},
    destination("pgdsctbl", Word::SkipDestination),
    {"pichgoal", Word::PictureGoal, 1},
    {"picscalex", Word::PictureScale, 0},
    {"picscaley", Word::PictureScale, 1},
    destination("pict", Word::Picture),
    {"picwgoal", Word::PictureGoal, 0},
    {"plain", Word::Plain},
    {"pmmetafile", Word::PictureFormat, int(PictureKind::Other)},
    destination("pn", Word::LegacyList),
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
    destination("pnseclvl", Word::SkipDestination),
    destination("pntext", Word::ListText),
    destination("pntxta", Word::SkipDestination),
    destination("pntxtb", Word::SkipDestination),
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
    destination("result", Word::Alternative),
    destination("revtbl", Word::SkipDestination),
    {"ri", Word::RightIndent},
    {"rin", Word::RightIndent},
    {"row", Word::Row, 0},
    {"rquote", Word::Character, 0x2019},
    destination("rsidtbl", Word::SkipDestination),
    {"rtlmark", Word::Character, 0x200F},
    {"s", Word::ParagraphStyle},
    {"sa", Word::SpaceAfter},
    {"sb", Word::SpaceBefore},
    {"sbasedon", Word::StyleBase},
    {"scaps", Word::Capitalization, QFont::SmallCaps},
    {"sect", Word::PageBreak},
    destination("shp", Word::Shape),
    destination("shpinst", Word::Transparent),
    destination("shppict", Word::Transparent),
    destination("shprslt", Word::SkipDestination),
    destination("shptxt", Word::SkipDestination),
    {"sl", Word::LineSpacing},
    {"slmult", Word::LineMultiple},
    destination("sn", Word::ShapeName),
    destination("sp", Word::Transparent),
    {"strike", Word::StrikeOut},
    {"striked", Word::StrikeOut},
    destination("stylesheet", Word::StyleSheet),
    {"sub", Word::VerticalAlignment, CF::AlignSubScript},
    {"super", Word::VerticalAlignment, CF::AlignSuperScript},
    destination("sv", Word::ShapeValue),
    {"tab", Word::Character, '\t'},
    destination("tc", Word::SkipDestination),
    destination("template", Word::SkipDestination),
    {"trowd", Word::RowDefaults},
    {"ts", Word::OtherStyle},
    destination("txe", Word::SkipDestination),
    {"u", Word::Unicode},
    {"uc", Word::UnicodeSkip},
    destination("ud", Word::Alternative),
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
    destination("upr", Word::Alternatives),
    {"v", Word::Hidden},
    {"wbitmap", Word::PictureFormat, int(PictureKind::Other)},
    {"wmetafile", Word::PictureFormat, int(PictureKind::Other)},
    destination("xe", Word::SkipDestination),
    destination("xmlnstbl", Word::SkipDestination),
    {"zwbo", Word::Character, 0x200B},
    {"zwj", Word::Character, 0x200D},
    {"zwnj", Word::Character, 0x200C},
};
static_assert(std::ranges::is_sorted(wordTable, {}, &WordEntry::name));

// Every control word of a document is looked up: an open-addressed hash
// table, built at compile time, finds a word with one comparison where a
// binary search needs eight.
constexpr size_t WordSlots = 1024;
static_assert(std::size(wordTable) < WordSlots / 2);

constexpr size_t wordHash(std::string_view name)
{
    quint32 hash = 2166136261u; // FNV-1a
    for (char c : name)
        hash = (hash ^ quint8(c)) * 16777619u;
    return hash & (WordSlots - 1);
}

constexpr auto wordSlots = [] {
    std::array<qint16, WordSlots> table{};
    table.fill(-1);
    for (size_t index = 0; index < std::size(wordTable); ++index) {
        size_t slot = wordHash(wordTable[index].name);
        while (table[slot] >= 0)
            slot = (slot + 1) & (WordSlots - 1);
        table[slot] = qint16(index);
    }
    return table;
}();

} // namespace

WordEntry lookupWord(QByteArrayView name)
{
    const std::string_view key(name.data(), size_t(name.size()));
    for (size_t slot = wordHash(key); wordSlots[slot] >= 0; slot = (slot + 1) & (WordSlots - 1)) {
        const WordEntry &entry = wordTable[size_t(wordSlots[slot])];
        if (entry.name == key)
            return entry;
    }
    return {key, Word::Unknown};
}

} // namespace Rtf
