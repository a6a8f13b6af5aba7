// The header tables: fonts, colours and lists (the stylesheet has a file of
// its own), and the lists that paragraphs join.

#include "rtfreader_p.h"

#include <QTextDocument>
#include <QTextList>

namespace Rtf {

// Words that open a header table or one of its entries; false where the
// group is to be skipped.
bool Reader::openHeaderTable(Word word)
{
    const Destination destination = state().destination;
    switch (word) {
    case Word::StyleSheet:
        setDestination(Destination::StyleSheet);
        return true;
    case Word::FontTable:
        setDestination(Destination::FontTable);
        m_fontEntry = -1;
        return true;
    case Word::ColorTable:
        setDestination(Destination::ColorTable);
        forgetFormats();
        m_colors.clear();
        m_colorComponents = {};
        m_colorGiven = false;
        return true;
    case Word::ListTable:
        setDestination(Destination::ListTable);
        m_levelOpen = false;
        return true;
    case Word::List:
        if (destination != Destination::ListTable)
            return false;
        m_listDefinitions.emplace_back();
        m_levelOpen = false;
        return true;
    case Word::ListLevel:
        if (destination != Destination::ListTable || m_listDefinitions.empty())
            return false;
        m_levelOpen = m_listDefinitions.back().levels.size() < ListLevels;
        if (m_levelOpen)
            m_listDefinitions.back().levels.push_back(LF::ListDecimal);
        return true;
    case Word::LevelText:
        if (destination != Destination::ListTable || !m_levelOpen)
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
        return destination == Destination::ListOverrideTable;
    default:
        return false;
    }
}

// Words that define entries of the header tables; false where a word means
// something else in the current destination.
bool Reader::handleHeaderTableWord(const WordEntry &entry, int parameter)
{
    const Destination destination = state().destination;
    switch (entry.word) {
    case Word::Font:
        if (destination != Destination::FontTable)
            return false;
        startFont(parameter);
        return true;
    case Word::FontCharset:
    case Word::FontCodePage: {
        if (destination != Destination::FontTable || m_fontEntry < 0)
            return true;
        const int codePage = entry.word == Word::FontCharset ? charsetCodePage(parameter) : parameter;
        const bool known = codePage == 0 || codePage == SymbolCodePage || !codecName(codePage).isEmpty();
        if (known)
            m_fonts[m_fontEntry].codePage = codePage;
        else
            warn(UnknownCodePage, ("unknown code page " + QByteArray::number(codePage) + ", read as 1252").constData());
        return true;
    }
    case Word::ColorComponent:
        m_colorComponents[size_t(entry.value)] = std::clamp(parameter, 0, 255);
        m_colorGiven = true;
        return true;
    case Word::LevelNumberFormat:
        if (destination == Destination::ListTable && m_levelOpen)
            m_listDefinitions.back().levels.back() = levelStyle(parameter);
        return true;
    case Word::ListId:
        if (destination == Destination::ListTable && !m_listDefinitions.empty()) {
            m_listsById.insert(parameter, m_listDefinitions.size() - 1);
        } else if (destination == Destination::ListOverrideTable) {
            m_overrideListId = parameter;
            if (m_overrideNumber)
                m_listOverrides.insert(m_overrideNumber, m_overrideListId);
        }
        return true;
    case Word::ListNumber:
        if (destination != Destination::ListOverrideTable)
            return false;
        m_overrideNumber = parameter;
        if (m_overrideListId)
            m_listOverrides.insert(m_overrideNumber, m_overrideListId);
        return true;
    default:
        return false;
    }
}

void Reader::startFont(int number)
{
    forgetFormats();
    m_fontEntry = number;
    m_fonts[number] = FontEntry(); // a repeated number: the last entry wins
}

void Reader::endColor()
{
    forgetFormats();
    const auto [red, green, blue] = m_colorComponents;
    m_colors.push_back(m_colorGiven ? QColor(red, green, blue) : QColor());
    m_colorComponents = {};
    m_colorGiven = false;
}

// A bullet level's text names its bullet.
void Reader::applyLevelText()
{
    if (m_listDefinitions.empty() || m_listDefinitions.back().levels.empty())
        return;
    LF::Style &style = m_listDefinitions.back().levels.back();
    if (style != LF::ListDisc)
        return;
    const auto glyph = std::ranges::find_if(m_levelText, [](QChar c) { return !c.isSpace() && c != u';'; });
    if (glyph != m_levelText.cend())
        style = bulletStyle(glyph->unicode());
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
    m_lists.erase(m_lists.lower_bound({key, fromLevel}), m_lists.lower_bound({key, ListLevels}));
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

} // namespace Rtf
