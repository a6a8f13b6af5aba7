// Characters: a block's runs, each preceded by the character formatting
// that differs from the run before.

#include "rtfwriter_p.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace Rtf {

namespace {

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

} // namespace

void Writer::writeRuns(const QTextBlock &block)
{
    QString link;
    int reference = 0; // the footnote whose reference the last fragment wrote
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
        // A footnote's number is one reference however its formats cut it.
        if (run.footnote != reference)
            reference = run.footnote && writeFootnoteReference(run.footnote, run.chars) ? run.footnote : 0;
        if (reference)
            continue;
        switchTo(run.chars);
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

// What RTF can say of a format, resolved against the document's default font.
CharProps Writer::charProps(const QTextCharFormat &format)
{
    const QFont font = format.font().resolve(document->defaultFont());
    CharProps chars;
    chars.font = fontIndex(font.family());
    chars.halfPoints = std::max(qRound(shownPointSize(format, font, document->defaultFont()) * 2), 1);
    chars.bold = font.weight() >= QFont::DemiBold;
    chars.italic = font.italic();
    chars.strikeOut = font.strikeOut();
    if (font.capitalization() == QFont::AllUppercase || font.capitalization() == QFont::SmallCaps)
        chars.capitalization = font.capitalization();
    if (format.hasProperty(QTextFormat::TextUnderlineStyle))
        chars.underline = format.underlineStyle();
    else if (font.underline())
        chars.underline = QTextCharFormat::SingleUnderline;
    if (const QBrush brush = format.foreground(); brush.style() != Qt::NoBrush)
        chars.foreground = colorIndex(brush.color());
    if (const QBrush brush = format.background(); brush.style() != Qt::NoBrush)
        chars.background = colorIndex(brush.color());
    const QTextCharFormat::VerticalAlignment vertical = format.verticalAlignment();
    if (vertical == QTextCharFormat::AlignSuperScript || vertical == QTextCharFormat::AlignSubScript)
        chars.vertical = vertical;
    return chars;
}

// Writes only the control words that differ from the current state.
void Writer::switchTo(const CharProps &to)
{
    CharProps &from = current;
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
    writeToggle("caps", from.capitalization == QFont::AllUppercase, to.capitalization == QFont::AllUppercase);
    writeToggle("scaps", from.capitalization == QFont::SmallCaps, to.capitalization == QFont::SmallCaps);
    // Colour 0 of the table is "auto", what a colour not given means.
    if (to.foreground != from.foreground)
        out.word("cf", std::max(to.foreground, 0));
    if (to.background != from.background)
        out.word("highlight", std::max(to.background, 0));
    if (to.vertical != from.vertical)
        out.word(positionWord(to.vertical));
    from = to;
}

void Writer::writeToggle(const char *word, bool from, bool to)
{
    if (from == to)
        return;
    if (to)
        out.word(word);
    else
        out.word(word, 0);
}

// A reader restores the character formatting at the end of a group.
void Writer::open()
{
    out.open();
    saved.push_back(current);
}

void Writer::close()
{
    out.close();
    current = saved.back();
    saved.pop_back();
}

} // namespace Rtf
