#pragma once

#include <QByteArrayView>

namespace Rtf {

// Splits RTF bytes into tokens. Works on bytes, never on decoded text: \bin
// data and the bytes of \'hh belong to code pages that only the reader knows.
// Never fails: whatever the input, next() moves forward and ends with End.
class Tokenizer
{
public:
    enum class Type : quint8 {
        End,
        GroupOpen,
        GroupClose,
        ControlWord,   // name, and parameter when hasParameter
        ControlSymbol, // symbol: the character after the backslash
        HexByte,       // \'hh; byte
        Text,          // a run of plain bytes, without CR and LF
        Binary,        // the data of \binN
    };

    struct Token
    {
        Type type = Type::End;
        QByteArrayView text; // word name, text run or binary data
        int parameter = 0;
        bool hasParameter = false;
        char symbol = 0;
        uchar byte = 0;

        bool isWord(QByteArrayView name) const { return type == Type::ControlWord && text == name; }
    };

    explicit Tokenizer(QByteArrayView data, qsizetype position = 0)
        : m_data(data), m_position(position) {}

    Token next();

    // Consumes the rest of the current group up to and including its closing
    // brace, honouring escapes and \bin, without recursion.
    void skipGroup();

    qsizetype position() const { return m_position; }

    // The value of a hex digit, -1 for any other byte.
    static int hexValue(char c);
    bool atEnd() const { return m_position >= m_data.size(); }

private:
    Token readControl();

    QByteArrayView m_data;
    qsizetype m_position = 0;
};

} // namespace Rtf
