// The stylesheet: paragraph styles (\sN) and character styles (\*\csN), each
// a list of formatting words on top of the style it is \sbasedon. Word
// processors put much of a document's formatting there: LibreOffice's body
// paragraphs say only \s16 and take their size and font from the style.

#include "rtfreader_p.h"

#include <bitset>

namespace Rtf {

namespace {

// Longer \sbasedon chains are cut; Word's own are a handful of styles deep.
constexpr size_t MaxStyleDepth = 32;

void apply(const std::vector<StyleWord> &words, CharProps &chars, ParaProps &para)
{
    for (const StyleWord &word : words)
        applyFormatting(word.entry, word.parameter, word.hasParameter, chars, para);
}

void applyToCharacters(const std::vector<StyleWord> &words, CharProps &chars)
{
    ParaProps ignored;
    apply(words, chars, ignored);
}

const Style *find(const QHash<int, Style> &styles, int number)
{
    const auto style = styles.constFind(number);
    return style != styles.constEnd() ? &*style : nullptr;
}

// Keeps the last word of each kind, in their order. A later word of a kind
// overrides the earlier ones, so the style reads the same, and applying it
// costs at most one word per kind however long the style or its chain.
void dropOverridden(std::vector<StyleWord> &words)
{
    std::bitset<256> seen;
    std::vector<StyleWord> kept;
    for (auto word = words.crbegin(); word != words.crend(); ++word) {
        if (!seen.test(size_t(word->entry.word))) {
            seen.set(size_t(word->entry.word));
            kept.push_back(*word);
        }
    }
    words.assign(kept.crbegin(), kept.crend());
}

// The style with its ancestors' words before its own. A cycle or a parent
// that the stylesheet lacks ends the chain.
Style resolve(const StyleDefinition &definition, const QHash<int, const StyleDefinition *> &byNumber)
{
    std::vector<const StyleDefinition *> chain{&definition};
    while (chain.size() < MaxStyleDepth) {
        const StyleDefinition *parent = byNumber.value(chain.back()->basedOn);
        if (!parent || std::ranges::find(chain, parent) != chain.end())
            break;
        chain.push_back(parent);
    }
    Style style;
    for (auto ancestor = chain.crbegin(); ancestor != chain.crend(); ++ancestor)
        style.words.insert(style.words.end(), (*ancestor)->words.cbegin(), (*ancestor)->words.cend());
    dropOverridden(style.words);
    apply(style.words, style.chars, style.para);
    return style;
}

} // namespace

// A word inside one style of the stylesheet.
void Reader::defineStyle(const WordEntry &entry, const Token &token)
{
    // A stylesheet nested in a style entry has resolved and dropped the
    // definitions by the time the outer entry goes on: nothing to add to.
    if (m_styleDefinitions.empty())
        return;
    StyleDefinition &style = m_styleDefinitions.back();
    switch (entry.word) {
    case Word::ParagraphStyle:
        style.kind = StyleDefinition::Paragraph;
        style.number = token.parameter;
        break;
    case Word::CharacterStyle:
        style.kind = StyleDefinition::Character;
        style.number = token.parameter;
        break;
    case Word::OtherStyle:
        style.kind = StyleDefinition::Other;
        break;
    case Word::StyleBase:
        style.basedOn = token.parameter;
        break;
    default: {
        // Applied to scratch values only to learn whether it formats.
        CharProps chars;
        ParaProps para;
        if (!applyFormatting(entry, token.parameter, token.hasParameter, chars, para))
            break;
        std::erase_if(style.words, [&](const StyleWord &word) { return word.entry.word == entry.word; });
        style.words.push_back({entry, token.parameter, token.hasParameter});
        break;
    }
    }
}

// At the end of the stylesheet, when every parent is known.
void Reader::resolveStyles()
{
    QHash<int, const StyleDefinition *> paragraphStyles;
    QHash<int, const StyleDefinition *> characterStyles;
    for (const StyleDefinition &definition : m_styleDefinitions) {
        if (definition.kind == StyleDefinition::Paragraph)
            paragraphStyles.insert(definition.number, &definition);
        else if (definition.kind == StyleDefinition::Character)
            characterStyles.insert(definition.number, &definition);
    }
    for (const StyleDefinition *definition : std::as_const(paragraphStyles))
        m_paragraphStyles.insert(definition->number, resolve(*definition, paragraphStyles));
    for (const StyleDefinition *definition : std::as_const(characterStyles))
        m_characterStyles.insert(definition->number, resolve(*definition, characterStyles));
    m_styleDefinitions.clear();
}

// Naming a style, and \pard and \plain, which return to the style's values
// as word processors do: \pard to the default paragraph style \s0, \plain to
// the character formatting of the paragraph's style.
void Reader::handleStyleWord(const WordEntry &entry, int parameter)
{
    CharProps &chars = state().chars;
    ParaProps &para = state().para;
    switch (entry.word) {
    case Word::ParagraphDefaults: {
        const Style *normal = find(m_paragraphStyles, 0);
        para = normal ? normal->para : ParaProps();
        para.style = 0;
        break;
    }
    case Word::Plain: {
        const Style *style = find(m_paragraphStyles, para.style);
        chars = style ? style->chars : CharProps();
        break;
    }
    case Word::ParagraphStyle: {
        const Style *style = find(m_paragraphStyles, parameter);
        if (!style) {
            para.style = parameter;
            break;
        }
        // The style's words come before the paragraph's own; where the
        // paragraph stands (in a table, in a list) is its own unless the
        // style puts it in a list.
        ParaProps styled = style->para;
        styled.style = parameter;
        styled.inTable = para.inTable;
        styled.nesting = para.nesting;
        if (!styled.listNumber && !styled.legacy.active) {
            styled.listNumber = para.listNumber;
            styled.listLevel = para.listLevel;
            styled.legacy = para.legacy;
        }
        para = styled;
        applyToCharacters(style->words, chars);
        break;
    }
    case Word::CharacterStyle:
        if (const Style *style = find(m_characterStyles, parameter))
            applyToCharacters(style->words, chars);
        break;
    default:
        break;
    }
}

} // namespace Rtf
