#include "rtfcontrolwords.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextListFormat>

#include <algorithm>
#include <iterator>

namespace Rtf {

namespace {

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
    {"brdrb", Word::BottomBorder},
    {"bullet", Word::Character, 0x2022},
    {"caps", Word::Capitalization, QFont::AllUppercase},
    {"cb", Word::Background},
    {"cbpat", Word::ParagraphBackground},
    {"cell", Word::Cell, 0},
    {"cellx", Word::CellBoundary},
    {"cf", Word::Foreground},
    {"chcbpat", Word::Background},
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
    {"colortbl", Word::ColorTable},
    {"comment", Word::SkipDestination},
    {"cpg", Word::FontCodePage},
    {"cs", Word::CharacterStyle},
    {"deff", Word::DefaultFont},
    {"dibitmap", Word::PictureFormat, int(PictureKind::Other)},
    {"dn", Word::Lower},
    {"do", Word::SkipDestination},
    {"ds", Word::OtherStyle},
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
    {"outlinelevel", Word::OutlineLevel},
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
    {"s", Word::ParagraphStyle},
    {"sa", Word::SpaceAfter},
    {"sb", Word::SpaceBefore},
    {"sbasedon", Word::StyleBase},
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
    {"stylesheet", Word::StyleSheet},
    {"sub", Word::VerticalAlignment, CF::AlignSubScript},
    {"super", Word::VerticalAlignment, CF::AlignSuperScript},
    {"sv", Word::ShapeValue},
    {"tab", Word::Character, '\t'},
    {"tc", Word::SkipDestination},
    {"template", Word::SkipDestination},
    {"trowd", Word::RowDefaults},
    {"ts", Word::OtherStyle},
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

} // namespace

WordEntry lookupWord(QByteArrayView name)
{
    const std::string_view key(name.data(), size_t(name.size()));
    const auto it = std::ranges::lower_bound(wordTable, key, {}, &WordEntry::name);
    if (it != std::end(wordTable) && it->name == key)
        return *it;
    return {key, Word::Unknown};
}

bool isDestination(Word word)
{
    switch (word) {
    case Word::SkipDestination:
    case Word::Transparent:
    case Word::StyleSheet:
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

} // namespace Rtf
