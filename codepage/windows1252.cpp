#include "windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace Windows1252 {

namespace {

// The characters of the upper half, asked of Qt's converters once.
class UpperHalf
{
public:
    UpperHalf()
    {
        QStringDecoder decoder(CodecName);
        QStringEncoder encoder(CodecName);
        for (int value = 0x80; value <= 0xff; ++value) {
            const char byte = char(value);
            const QString character = decoder.decode(QByteArrayView(&byte, 1));
            if (character.size() != 1 || QByteArray(encoder.encode(character)) != QByteArrayView(&byte, 1))
                continue;
            const char16_t unicode = character.front().unicode();
            if (unicode < latin.size())
                latin[unicode] = byte;
            else
                others.push_back({unicode, byte});
        }
    }

    std::optional<char> byteFor(char16_t character) const
    {
        if (character < latin.size())
            return latin[character] ? std::optional<char>(latin[character]) : std::nullopt;
        for (const auto &[unicode, byte] : others) {
            if (unicode == character)
                return byte;
        }
        return std::nullopt;
    }

private:
    std::array<char, 256> latin{};                 // 0: the code page lacks the character
    std::vector<std::pair<char16_t, char>> others; // the 27 typographic extras: €, “, †, …
};

} // namespace

std::optional<char> byteFor(char16_t character)
{
    if (character < 0x80)
        return char(character);
    static const UpperHalf upperHalf;
    return upperHalf.byteFor(character);
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
