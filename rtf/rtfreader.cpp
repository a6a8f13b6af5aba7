// RTF bytes -> QTextDocument.
//
// The tokenizer cuts the bytes into groups, control words and text; the
// reader keeps one state per open group on an explicit stack (never recursing
// on the input's depth) and writes everything through one QTextCursor.
// Malformed input is logged to "dungeon.rtf" and read as well as it can be.
//
// This file holds the reader's core: the token loop, the group stack and
// paragraphs. Text, control words, code pages, header tables, the
// stylesheet, formats, tables, pictures and fields have files of their own
// beside it.

#include "rtf.h"
#include "rtfreader_p.h"

#include <QTextBlock>
#include <QTextDocument>

namespace Rtf {

Q_LOGGING_CATEGORY(lcRtf, "dungeon.rtf")

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
    appendFootnotes();
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
    case Destination::StyleSheet:
        group.destination = Destination::StyleEntry;
        m_styleDefinitions.emplace_back();
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
        m_textFormatKnown = false; // a later field may take its number
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
    case Destination::StyleSheet:
        resolveStyles();
        break;
    default:
        break;
    }
}

void Reader::handleWord(const Token &token)
{
    const WordEntry entry = lookupWord(token.text);
    // \*\cs, \*\ds and \*\ts name styles: no destinations to skip.
    const bool ignorable = std::exchange(m_ignorable, false) && entry.word != Word::CharacterStyle
        && entry.word != Word::OtherStyle;
    if (entry.word == Word::Unicode) {
        appendUnicode(token.hasParameter ? token.parameter : 0);
        return;
    }
    // LibreOffice puts a \uc between the halves of a surrogate pair.
    if (entry.word != Word::UnicodeSkip)
        flushSurrogate();

    GroupState &group = state();
    if (group.destination == Destination::Picture) {
        // Picture data follows the picture's words; anything hex-like before
        // it (\picw8766,543863 in some files) is not data.
        m_picture.data.clear();
        m_picture.highNibble = -1;
    }
    const bool destination = entry.destination;
    if (group.destination == Destination::Alternatives && entry.word != Word::Alternative) {
        if (destination || ignorable)
            skipGroup();
        return;
    }
    if (destination || ignorable) {
        if (m_overflowDepth == 0 && m_groups.size() == 1)
            return; // the root group is the document, never a destination
        if (m_overflowDepth > 0 || !destination || !handleDestinationWord(entry)) {
            if (entry.word == Word::SkipDestination)
                m_unshown |= unsigned(entry.value);
            skipGroup();
        }
        return;
    }

    if (group.destination == Destination::StyleEntry) {
        defineStyle(entry, token);
        return;
    }
    const int parameter = token.parameter;
    switch (entry.word) {
    case Word::ParagraphDefaults:
    case Word::Plain:
    case Word::ParagraphStyle:
    case Word::CharacterStyle:
        handleStyleWord(entry, parameter);
        break;
    case Word::Font:
    case Word::ListNumber:
        // In the font table and the list override table they define entries.
        if (!handleHeaderTableWord(entry, parameter))
            applyFormatting(entry, parameter, token.hasParameter, group.chars, group.para);
        break;
    case Word::FontCharset:
    case Word::FontCodePage:
    case Word::ColorComponent:
    case Word::LevelNumberFormat:
    case Word::ListId:
        handleHeaderTableWord(entry, parameter);
        break;
    case Word::Cell:
    case Word::Row:
    case Word::RowDefaults:
    case Word::CellMerge:
    case Word::CellBackground:
    case Word::CellPadding:
    case Word::CellPaddingUnit:
    case Word::CellBoundary:
        handleTableWord(entry, parameter);
        break;
    case Word::PictureFormat:
    case Word::PictureGoal:
    case Word::PictureScale:
        handlePictureWord(entry, parameter);
        break;
    case Word::CharacterSet:
        m_documentCodePage = entry.value;
        break;
    case Word::AnsiCodePage:
        m_documentCodePage = parameter > 0 && !codecName(parameter).isEmpty() ? parameter : DefaultCodePage;
        if (m_documentCodePage != parameter)
            warn(UnknownCodePage, "unknown code page, read as 1252");
        break;
    case Word::DefaultFont:
        m_defaultFont = parameter;
        break;
    case Word::UnicodeSkip:
        group.unicodeSkip = std::clamp(parameter, 0, 255);
        break;
    case Word::Character:
        deliver(char32_t(entry.value));
        break;
    case Word::Paragraph:
        if (group.destination == Destination::Text) {
            endParagraph();
            m_paragraph = ParagraphState::Ended;
        } else if (group.destination == Destination::Footnote) {
            deliver(U'\u2028'); // a note shows as one paragraph
        }
        break;
    case Word::FootnoteMark:
        // In the note itself it is the note's own number, which the notes
        // at the end show anyway.
        if (group.destination == Destination::Text)
            markFootnote();
        break;
    case Word::PageBreak:
        breakPage();
        break;
    default:
        applyFormatting(entry, parameter, token.hasParameter, group.chars, group.para);
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
    case Word::StyleSheet:
    case Word::FontTable:
    case Word::ColorTable:
    case Word::ListTable:
    case Word::List:
    case Word::ListLevel:
    case Word::LevelText:
    case Word::ListOverrideTable:
    case Word::ListOverride:
        return openHeaderTable(entry.word);
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
    case Word::Footnote:
        if (current != Destination::Text)
            return false;
        // A note without an automatic number beside it still gets a
        // reference, so that it stays a footnote when written back.
        if (size_t(m_footnoteMarks) <= m_footnotes.size())
            markFootnote();
        flushText();
        m_footnotes.emplace_back();
        setDestination(Destination::Footnote);
        return true;
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
// Paragraphs
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

void Reader::applyBlockFormat()
{
    const ParaProps &para = state().para;
    int key = 0;
    int level = 0;
    const LF::Style style = listStyle(para, &key, &level);
    const bool listItem = style != LF::ListStyleUndefined;
    m_cursor.setBlockFormat(blockFormat(para, listItem));
    if (listItem) {
        // Qt draws a list's number in the paragraph mark's format.
        m_cursor.mergeBlockCharFormat(charFormat(state().chars, -1));
        addToList(key, level, style);
    } else {
        // Legacy lists end at the first paragraph outside them.
        dropLists(LegacyListKey, 0);
        // A level without a number (LibreOffice's headings) shows no list text.
        if (!m_listText.isEmpty() && para.listNumber == 0) {
            // A list we could not place: keep its number or bullet as text.
            const int position = m_cursor.position();
            m_cursor.setPosition(m_cursor.block().position());
            m_cursor.insertText(m_listText);
            m_cursor.setPosition(position + int(m_listText.size()));
        }
    }
    m_listText.clear();
}

// ---------------------------------------------------------------------------
// Footnotes
// ---------------------------------------------------------------------------

// A reference to a footnote shows the note's number, in the text's format.
void Reader::markFootnote()
{
    int &footnote = state().chars.footnote;
    const int outside = std::exchange(footnote, ++m_footnoteMarks);
    appendText(QString::number(m_footnoteMarks));
    footnote = outside;
}

// The notes follow the text, each a paragraph that opens with its number.
void Reader::appendFootnotes()
{
    m_cursor.movePosition(QTextCursor::End);
    for (size_t index = 0; index < m_footnotes.size(); ++index) {
        const int number = int(index) + 1;
        QTextBlockFormat note;
        note.setProperty(FootnoteProperty, number);
        if (index == 0)
            note.setTopMargin(FootnotesGap);
        QTextCharFormat mark;
        mark.setVerticalAlignment(CF::AlignSuperScript);
        mark.setProperty(FootnoteProperty, number);
        m_cursor.insertBlock(note, QTextCharFormat());
        m_cursor.insertText(QString::number(number), mark);
        m_cursor.insertText(u' ' + m_footnotes[index].trimmed(), QTextCharFormat());
    }
}

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

} // namespace

bool isRtf(QByteArrayView data)
{
    return rtfStart(data) >= 0;
}

unsigned read(const QByteArray &data, QTextDocument *document)
{
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    unsigned unshown = NothingUnshown;
    const qsizetype start = rtfStart(data);
    if (start < 0) {
        cursor.insertText(plainText(data));
    } else {
        Reader reader(data, start, document, cursor);
        reader.read();
        unshown = reader.unshownContent();
    }
    cursor.endEditBlock();
    return unshown;
}

} // namespace Rtf
