#pragma once

// Windows-1252, the code page of the encounter files and of the RTF we
// write. Qt's converters decode it as the program needs; encoding differs
// where the code page lacks a character: Qt's encoder writes a control
// character in its place, the program a '?' or an escape of its own.

#include <QByteArray>
#include <QStringView>

#include <optional>

namespace Windows1252 {

inline constexpr char CodecName[] = "windows-1252";

// The byte that stands for a character, the same as Qt's encoder gives, or
// nothing when the code page lacks the character.
std::optional<char> byteFor(char16_t character);

// Whether the code page holds every character of the text.
bool canEncode(QStringView text);

// The text in the code page, with a '?' for each character the code page
// lacks (a surrogate pair is one), as Windows itself stores them.
QByteArray encode(QStringView text);

} // namespace Windows1252
