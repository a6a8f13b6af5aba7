#include "rtfoutput.h"

#include "rtfcommon.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <vector>

namespace Rtf {

namespace {

// The characters that code page 1252 holds, asked of the codec once so the
// writer needs no table of its own and agrees with the reader's decoder.
class CodePage1252
{
public:
    CodePage1252()
    {
        QStringDecoder decoder(DefaultCodePageName);
        QStringEncoder encoder(DefaultCodePageName);
        for (int value = 0x80; value <= 0xff; ++value) {
            const char byte = char(value);
            const QString character = decoder.decode(QByteArrayView(&byte, 1));
            if (character.size() != 1 || QByteArray(encoder.encode(character)) != QByteArrayView(&byte, 1))
                continue;
            const char16_t unicode = character.front().unicode();
            if (unicode < latin.size())
                latin[unicode] = uchar(value);
            else
                others.push_back({unicode, uchar(value)});
        }
    }

    // The byte for a character beyond ASCII, or 0 when the code page lacks it.
    uchar byteFor(char16_t character) const
    {
        if (character < latin.size())
            return latin[character];
        for (const auto &[unicode, byte] : others) {
            if (unicode == character)
                return byte;
        }
        return 0;
    }

private:
    std::array<uchar, 256> latin{};
    std::vector<std::pair<char16_t, uchar>> others; // the 27 typographic extras: €, “, †, …
};

const CodePage1252 &codePage1252()
{
    static const CodePage1252 codePage;
    return codePage;
}

} // namespace

// The hot loop of the writer, so it fills the buffer through a pointer
// instead of appending byte by byte.
void Output::text(QStringView text)
{
    constexpr qsizetype longestEscape = 10; // " \u-12345?"
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size() * longestEscape);
    char *out = bytes.data() + start;
    const CodePage1252 &codePage = codePage1252();
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
        } else if (const uchar byte = codePage.byteFor(character)) {
            out = putEscapedByte(out, byte);
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
