#include "rtfoutput.h"

#include "codepage/windows1252.h"

namespace Rtf {

// The hot loop of the writer, so it fills the buffer through a pointer
// instead of appending byte by byte.
void Output::text(QStringView text)
{
    constexpr qsizetype longestEscape = 10; // " \u-12345?"
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size() * longestEscape);
    char *out = bytes.data() + start;
    for (const QChar qchar : text) {
        const char16_t character = qchar.unicode();
        if (character >= 0x20 && character < 0x7f) {
            if (character == '\\' || character == '{' || character == '}') {
                *out++ = '\\';
            } else if (delimit && (isAsciiLetterOrNumber(character) || character == ' ' || character == '-')) {
                // A control word swallows the letters, digits, '-' and
                // one space that follow it, so such text needs a space.
                *out++ = ' ';
            }
            *out++ = char(character);
            delimit = false;
        } else if (character == '\t') {
            out = putWord(out, "tab");
        } else if (character == QChar::LineSeparator) {
            out = putWord(out, "line");
        } else if (character < 0x20 || character == 0x7f) {
            continue; // other control characters mean nothing inside a paragraph
        } else if (const std::optional<char> byte = Windows1252::byteFor(character)) {
            out = putEscapedByte(out, uchar(*byte));
        } else {
            // Signed 16 bits, as RTF wants; a surrogate pair becomes two
            // \u words. The '?' is the fallback that \uc1 promises.
            out = putNumber(putWord(out, "u"), qint16(character));
            *out++ = '?';
            delimit = false;
        }
    }
    bytes.truncate(out - bytes.constData());
}

void Output::hex(const QByteArray &data)
{
    constexpr qsizetype bytesPerLine = 64;
    for (qsizetype start = 0; start < data.size(); start += bytesPerLine) {
        bytes += data.mid(start, bytesPerLine).toHex();
        bytes += '\n';
    }
    delimit = false;
}

} // namespace Rtf
