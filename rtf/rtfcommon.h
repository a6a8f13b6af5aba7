#pragma once

// What the RTF reader and writer both know, stated once so that a document
// written by one reads back the same in the other.

#include "codepage/windows1252.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextListFormat>

#include <utility>

namespace Rtf {

// RTF measures in twips; a QTextDocument counts layout lengths (margins,
// indents, line heights) in points and pictures and tables in pixels.
constexpr int TwipsPerPoint = 20;
constexpr int TwipsPerPixel = 15;

// The code page we write, and the one RTF that names none is read in.
constexpr int DefaultCodePage = 1252; // Windows1252::CodecName

// Character formatting as RTF states it, read or written. Fonts and colours
// are indexes into the document's tables; -1 and 0 mean "not given", which
// for a colour is "auto".
struct CharProps
{
    int font = -1;
    int halfPoints = 0;
    int foreground = -1;
    int background = -1;
    int footnote = 0; // the number of the footnote a reference names
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    QFont::Capitalization capitalization = QFont::MixedCase;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool hidden = false;

    bool operator==(const CharProps &) const = default;
};

// RTF keeps nine levels per list.
constexpr int ListLevels = 9;

// \levelnfc values of the numbered list styles; every bullet is 23. A level
// of 255 has no number: LibreOffice's headings sit in such an outline list.
constexpr std::pair<int, QTextListFormat::Style> levelNumberFormats[] = {
    {0, QTextListFormat::ListDecimal},    {1, QTextListFormat::ListUpperRoman}, {2, QTextListFormat::ListLowerRoman},
    {3, QTextListFormat::ListUpperAlpha}, {4, QTextListFormat::ListLowerAlpha},
};
constexpr int BulletNumberFormat = 23;
constexpr int NoNumberFormat = 255;

constexpr int levelNumberFormat(QTextListFormat::Style style)
{
    for (const auto &[numberFormat, known] : levelNumberFormats) {
        if (known == style)
            return numberFormat;
    }
    return BulletNumberFormat;
}

constexpr QTextListFormat::Style levelStyle(int numberFormat)
{
    if (numberFormat == BulletNumberFormat)
        return QTextListFormat::ListDisc;
    if (numberFormat == NoNumberFormat)
        return QTextListFormat::ListStyleUndefined;
    for (const auto &[known, style] : levelNumberFormats) {
        if (known == numberFormat)
            return style;
    }
    return QTextListFormat::ListDecimal;
}

// The glyphs a bullet level's text may name. We write the first one of each
// style; Word writes Symbol and Wingdings code points, other writers the
// Unicode ones.
constexpr std::pair<char16_t, QTextListFormat::Style> bulletGlyphs[] = {
    {u'\u2022', QTextListFormat::ListDisc},   {u'\u25E6', QTextListFormat::ListCircle},
    {u'o', QTextListFormat::ListCircle},      {u'\u25CB', QTextListFormat::ListCircle},
    {u'\u25AA', QTextListFormat::ListSquare}, {u'\u25A0', QTextListFormat::ListSquare},
    {u'\uF0A7', QTextListFormat::ListSquare}, {u'\uF06E', QTextListFormat::ListSquare},
};

constexpr char16_t bulletGlyph(QTextListFormat::Style style)
{
    for (const auto &[glyph, known] : bulletGlyphs) {
        if (known == style)
            return glyph;
    }
    return bulletGlyphs[0].first;
}

// A glyph we do not know is a disc, the common bullet.
constexpr QTextListFormat::Style bulletStyle(char16_t glyph)
{
    for (const auto &[known, style] : bulletGlyphs) {
        if (known == glyph)
            return style;
    }
    return QTextListFormat::ListDisc;
}

} // namespace Rtf
