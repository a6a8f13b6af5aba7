#pragma once

// The bytes of an RTF document as the writer produces them: control words,
// groups and text escaped for code page 1252.

#include <QByteArray>
#include <QStringView>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace Rtf {

class Output
{
public:
    QByteArray bytes;

    void word(std::string_view name)
    {
        char buffer[32];
        bytes.append(buffer, putWord(buffer, name) - buffer);
    }

    void word(std::string_view name, int parameter)
    {
        char buffer[48];
        bytes.append(buffer, putNumber(putWord(buffer, name), parameter) - buffer);
    }

    void ignorable() { symbol('*'); }
    void open() { put('{'); }
    void close() { put('}'); }
    // Only between control words and groups: a newline in text is ignored by
    // readers, but it also ends a control word, so it keeps files readable.
    void newline() { put('\n'); }

    void text(QStringView text);

    void escapedByte(uchar byte)
    {
        char escape[4];
        bytes.append(escape, putEscapedByte(escape, byte) - escape);
    }

    void hex(const QByteArray &data);

private:
    void put(char character)
    {
        bytes += character;
        delimit = false;
    }

    void symbol(char character)
    {
        bytes += '\\';
        put(character);
    }

    char *putWord(char *out, std::string_view name)
    {
        Q_ASSERT(name.size() <= 20); // the buffers above hold the longest RTF words
        *out++ = '\\';
        delimit = true;
        return std::copy(name.begin(), name.end(), out);
    }

    char *putEscapedByte(char *out, uchar byte)
    {
        static constexpr char hexDigits[] = "0123456789abcdef";
        *out++ = '\\';
        *out++ = '\'';
        *out++ = hexDigits[byte >> 4];
        *out++ = hexDigits[byte & 0xf];
        delimit = false;
        return out;
    }

    static char *putNumber(char *out, int number)
    {
        return std::to_chars(out, out + 11, number).ptr;
    }

    static bool isAsciiLetterOrNumber(char16_t c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    }

    bool delimit = false; // the last thing written was a control word
};

} // namespace Rtf
