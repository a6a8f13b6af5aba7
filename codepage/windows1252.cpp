#include "windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace Windows1252 {

namespace {

// The byte of each character of the Basic Multilingual Plane beyond ASCII,
// 0 where the code page lacks it: the writer asks for every character it
// writes. Only the pages of the characters asked for are ever touched.
std::array<uchar, 0x10000> bytesOf;

// Asks Qt's converters once which characters the upper half holds.
bool fillBytes()
{
    QStringDecoder decoder(CodecName);
    QStringEncoder encoder(CodecName);
    for (int value = 0x80; value <= 0xff; ++value) {
        const char byte = char(value);
        const QString character = decoder.decode(QByteArrayView(&byte, 1));
        if (character.size() == 1 && QByteArray(encoder.encode(character)) == QByteArrayView(&byte, 1))
            bytesOf[character.front().unicode()] = uchar(value);
    }
    return true;
}

} // namespace

std::optional<char> byteFor(char16_t character)
{
    if (character < 0x80)
        return char(character);
    static const bool filled = fillBytes();
    Q_UNUSED(filled);
    if (const uchar byte = bytesOf[character])
        return char(byte);
    return std::nullopt;
}

bool canEncode(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar character) { return byteFor(character.unicode()).has_value(); });
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text[i];
        if (character.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes += byteFor(character.unicode()).value_or('?');
    }
    return bytes;
}

} // namespace Windows1252
