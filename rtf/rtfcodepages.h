#pragma once

// Code pages and font character sets: how the bytes of RTF text become
// characters.

#include <QByteArray>

#include <array>

namespace Rtf {

// Windows' code page number for the Symbol character set.
constexpr int SymbolCodePage = 42;

// How one code page turns bytes into text: a table for single-byte code
// pages, a decoder for the double-byte ones (whose trail byte may even be a
// literal character after a \'hh lead byte).
struct CodePage
{
    std::array<char16_t, 256> characters{}; // 0: a control byte, dropped
    QByteArray decoderName;                 // double-byte code pages only

    bool isDoubleByte() const { return !decoderName.isEmpty(); }
};

CodePage makeCodePage(int number);

// The name Qt's decoders know a code page by; empty when they know none.
QByteArray codecName(int number);

// The code page a font's \fcharset stands for; 0: the document's.
int charsetCodePage(int charset);

// Data that is not RTF as text: UTF-8, else Windows-1252, with control
// characters as spaces and line breaks kept.
QString plainText(QByteArrayView data);

// Characters that must not reach the document: control characters would be
// taken for block or frame boundaries by QTextCursor::insertText. Returns 0
// for a character to drop.
char32_t sanitized(char32_t c);

} // namespace Rtf
