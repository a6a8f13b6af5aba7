// Character and paragraph formatting: the words that state it, and the Qt
// formats it becomes.

#include "rtfreader_p.h"

#include <QTextBlockFormat>

namespace Rtf {

bool applyFormatting(const WordEntry &entry, int parameter, bool hasParameter, CharProps &chars, ParaProps &para)
{
    const bool on = !hasParameter || parameter != 0;
    switch (entry.word) {
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
    case Word::Font:
        chars.font = std::max(parameter, 0);
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
        para.listNumber = std::max(parameter, 0);
        break;
    case Word::ListLevelNumber:
        para.listLevel = std::clamp(parameter, 0, ListLevels - 1);
        break;
    case Word::ParagraphBackground:
        para.background = parameter;
        break;
    case Word::OutlineLevel:
        // Levels 0 to 8 are headings; Word writes 9 for body text. Qt's
        // headings, like HTML's, go down to 6.
        para.headingLevel = parameter >= 0 && parameter <= 8 ? std::min(parameter + 1, 6) : 0;
        break;
    case Word::BottomBorder:
        para.bottomBorder = true;
        break;

    // Word 6/95 lists
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
        para.legacy.level = std::clamp(parameter - 1, 0, ListLevels - 1);
        break;
    case Word::LegacyNumberFormat:
        para.legacy.numberStyle = LF::Style(entry.value);
        break;
    default:
        return false;
    }
    return true;
}

QColor Reader::color(int index) const
{
    return index >= 0 && size_t(index) < m_colors.size() ? m_colors[size_t(index)] : QColor();
}

// Looked up at every change of format: the fields packed into three words
// hash faster than one by one.
size_t qHash(const CharProps &chars, size_t seed) noexcept
{
    const auto pair = [](int high, int low) { return quint64(quint32(high)) << 32 | quint32(low); };
    const int flags = int(chars.underline) << 8 | int(chars.vertical) << 4 | int(chars.capitalization)
        | chars.bold << 12 | chars.italic << 13 | chars.strikeOut << 14 | chars.hidden << 15;
    return qHashMulti(seed, pair(chars.font, chars.halfPoints), pair(chars.foreground, chars.background),
                      pair(chars.footnote, flags));
}

// A run's format, from the formats already built where it can: building one
// property by property costs more than inserting the run. A link's format
// names its field, whose number a later field may take: links are built anew.
QTextCharFormat Reader::charFormat(const CharProps &chars, int link)
{
    if (link >= 0)
        return buildCharFormat(chars, link);
    const auto known = m_charFormats.constFind(chars);
    if (known != m_charFormats.constEnd())
        return *known;
    QTextCharFormat format = buildCharFormat(chars, link);
    // Words that change nothing shown (a second font of the same name, a
    // colour "auto" by another index) share one format, so that their runs
    // join. The search is bounded: a document of countless formats only
    // loses the sharing.
    if (m_charFormats.size() < MaxSharedFormats) {
        for (const QTextCharFormat &other : std::as_const(m_charFormats)) {
            if (other == format) {
                format = other;
                break;
            }
        }
    }
    m_charFormats.insert(chars, format);
    return format;
}

QTextCharFormat Reader::buildCharFormat(const CharProps &chars, int link) const
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
    if (chars.footnote)
        format.setProperty(FootnoteProperty, chars.footnote);
    if (link >= 0 && size_t(link) < m_fields.size()) {
        format.setAnchor(true);
        format.setAnchorHref(m_fields[size_t(link)].href);
    }
    return format;
}

size_t qHash(const ParaProps &para, size_t seed) noexcept
{
    return qHashMulti(seed, int(para.alignment), para.leftIndent, para.rightIndent, para.firstIndent,
                      para.spaceBefore, para.spaceAfter, para.lineSpacing, para.background, para.headingLevel,
                      para.lineMultiple, para.bottomBorder);
}

// A paragraph's format, built once for all paragraphs that look alike.
QTextBlockFormat Reader::blockFormat(const ParaProps &para, bool listItem)
{
    // Only what the format shows tells paragraphs apart.
    ParaProps look = para;
    look.inTable = false;
    look.nesting = 0;
    look.listNumber = listItem ? 1 : 0;
    look.listLevel = 0;
    look.legacy = LegacyList();
    look.style = 0;
    if (listItem)
        look.leftIndent = look.firstIndent = 0;
    const auto known = m_blockFormats.constFind(look);
    if (known != m_blockFormats.constEnd())
        return *known;
    return *m_blockFormats.insert(look, buildBlockFormat(para, listItem));
}

QTextBlockFormat Reader::buildBlockFormat(const ParaProps &para, bool listItem) const
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
    if (para.headingLevel)
        format.setHeadingLevel(para.headingLevel);
    if (const QColor background = color(para.background); background.isValid())
        format.setBackground(background);
    if (para.bottomBorder)
        format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength()); // the full width, as <hr>
    return format;
}

} // namespace Rtf
