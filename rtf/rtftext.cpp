// Text: bytes, \u and symbols decoded into characters, in the code page of
// the font in force, for whatever the current destination gathers; the
// document's own text waits in one run until its format changes.

#include "rtfreader_p.h"

#include <QStringDecoder>

namespace Rtf {

void Reader::handleBytes(QByteArrayView bytes)
{
    const Destination destination = state().destination;
    switch (destination) {
    case Destination::Picture:
        addPictureHex(bytes);
        return;
    case Destination::Ignore:
    case Destination::Alternatives:
    case Destination::FieldGroup:
    case Destination::ListTable:
    case Destination::ListOverrideTable:
    case Destination::LegacyList:
    case Destination::ShapePicture:
    case Destination::StyleSheet:
    case Destination::StyleEntry:
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
            forgetFormats(); // they may name this font
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
    case Destination::Footnote:
        if (!state().chars.hidden)
            m_footnotes.back() += text;
        break;
    default:
        break;
    }
}

void Reader::appendText(QStringView text)
{
    const GroupState &group = state();
    if (group.chars.hidden) {
        m_unshown |= HiddenText;
        return;
    }
    beginContent();
    // Fewer, longer runs: text joins the waiting run unless it looks different.
    if (!m_textFormatKnown || m_textChars != group.chars || m_textLink != group.link) {
        QTextCharFormat format = charFormat(group.chars, group.link);
        if (!m_text.isEmpty() && format != m_textFormat)
            flushText();
        m_textFormat = std::move(format);
        m_textFormatKnown = true;
        m_textChars = group.chars;
        m_textLink = group.link;
    }
    m_text += text;
}

void Reader::flushText()
{
    if (m_text.isEmpty())
        return;
    m_cursor.insertText(m_text, m_textFormat);
    m_text.resize(0); // keeps its buffer for the next run
}

} // namespace Rtf
