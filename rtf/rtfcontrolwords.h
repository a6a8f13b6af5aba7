#pragma once

// The control words the reader knows, each with what it does and, where one
// kind of word comes in variants (\ul, \uld, \ulwave ...), its value.

#include <QByteArrayView>

#include <string_view>

namespace Rtf {

enum class Word : quint8 {
    Unknown,
    // Destinations
    SkipDestination,
    Transparent, // a wrapper whose content reads as if it were not there
    StyleSheet,
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
    Footnote,
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
    FootnoteMark, // \chftn: the automatic number of the footnote it stands beside
    Cell,
    Row,
    RowDefaults,
    CellBoundary,
    CellMerge,
    CellBackground,
    CellPadding,     // value: the side, counted from QTextFormat::TableCellTopPadding
    CellPaddingUnit, // the same sides
    // Styles
    ParagraphStyle,
    CharacterStyle,
    OtherStyle, // section and table styles, which we do not apply
    StyleBase,
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
    ParagraphBackground,
    OutlineLevel,
    BottomBorder,
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
    // Opens a destination we understand; after \* every other word makes
    // its group one to skip.
    bool destination = false;
};

// The entry of a word; Word::Unknown for words we do not know.
WordEntry lookupWord(QByteArrayView name);

} // namespace Rtf
