#include "rtftokenizer.h"

#include <array>
#include <limits>

namespace Rtf {

namespace {

constexpr bool isLetter(char c) { return c >= 'a' && c <= 'z'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Bytes that end a run of text.
constexpr std::array<bool, 256> textStops = [] {
    std::array<bool, 256> stops{};
    for (unsigned char c : {'\\', '{', '}', '\r', '\n'})
        stops[c] = true;
    return stops;
}();

} // namespace

int Tokenizer::hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

Tokenizer::Token Tokenizer::next()
{
    const qsizetype size = m_data.size();
    // Raw line breaks carry no meaning in RTF; writers wrap lines anywhere.
    while (m_position < size && (m_data[m_position] == '\r' || m_data[m_position] == '\n'))
        ++m_position;
    if (m_position >= size)
        return {};

    Token token;
    switch (m_data[m_position]) {
    case '{':
        ++m_position;
        token.type = Type::GroupOpen;
        return token;
    case '}':
        ++m_position;
        token.type = Type::GroupClose;
        return token;
    case '\\':
        return readControl();
    default:
        break;
    }

    const qsizetype start = m_position;
    while (m_position < size && !textStops[uchar(m_data[m_position])])
        ++m_position;
    token.type = Type::Text;
    token.text = m_data.sliced(start, m_position - start);
    return token;
}

Tokenizer::Token Tokenizer::readControl()
{
    const qsizetype size = m_data.size();
    Token token;
    ++m_position; // the backslash
    if (m_position >= size)
        return token; // a lone backslash at the very end

    const char first = m_data[m_position];
    if (!isLetter(first)) {
        ++m_position;
        if (first == '\'') {
            // Two hex digits by the RTF specification; tolerate fewer.
            int value = 0;
            for (int i = 0; i < 2 && m_position < size; ++i) {
                const int digit = hexValue(m_data[m_position]);
                if (digit < 0)
                    break;
                value = value * 16 + digit;
                ++m_position;
            }
            token.type = Type::HexByte;
            token.byte = uchar(value);
            return token;
        }
        if (first == '\r' || first == '\n') {
            // A backslash before a line break is a paragraph mark (TextEdit
            // writes its paragraphs this way).
            token.type = Type::ControlWord;
            token.text = "par";
            return token;
        }
        token.type = Type::ControlSymbol;
        token.symbol = first;
        return token;
    }

    const qsizetype nameStart = m_position;
    while (m_position < size && isLetter(m_data[m_position]))
        ++m_position;
    token.type = Type::ControlWord;
    token.text = m_data.sliced(nameStart, m_position - nameStart);

    // The parameter: an optional minus and digits. Values beyond int are
    // clamped; every digit is still consumed so none turns into text.
    bool negative = false;
    if (m_position + 1 < size && m_data[m_position] == '-' && isDigit(m_data[m_position + 1])) {
        negative = true;
        ++m_position;
    }
    if (m_position < size && isDigit(m_data[m_position])) {
        constexpr qint64 limit = std::numeric_limits<int>::max();
        qint64 value = 0;
        while (m_position < size && isDigit(m_data[m_position])) {
            value = std::min(value * 10 + (m_data[m_position] - '0'), limit);
            ++m_position;
        }
        token.hasParameter = true;
        token.parameter = int(negative ? -value : value);
    }
    // One space delimits the word and belongs to it.
    if (m_position < size && m_data[m_position] == ' ')
        ++m_position;

    if (token.text == "bin" && token.hasParameter && token.parameter > 0) {
        const qsizetype length = std::min<qsizetype>(token.parameter, size - m_position);
        token.type = Type::Binary;
        token.text = m_data.sliced(m_position, length);
        m_position += length;
    }
    return token;
}

void Tokenizer::skipGroup()
{
    int depth = 1;
    for (;;) {
        const Token token = next();
        switch (token.type) {
        case Type::End:
            return;
        case Type::GroupOpen:
            ++depth;
            break;
        case Type::GroupClose:
            if (--depth == 0)
                return;
            break;
        default:
            break;
        }
    }
}

} // namespace Rtf
