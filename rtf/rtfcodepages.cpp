#include "rtfcodepages.h"

#include "rtfcommon.h"

#include <QChar>
#include <QString>
#include <QStringDecoder>

namespace Rtf {

namespace {

bool isDoubleByteCodePage(int number)
{
    return number == 932 || number == 936 || number == 949 || number == 950 || number == 1361;
}

} // namespace

// Debian's Qt converts through ICU, which knows these names.
QByteArray codecName(int number)
{
    switch (number) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    default: break;
    }
    for (const char *pattern : {"windows-%1", "IBM%1", "cp%1"}) {
        const QByteArray name = QByteArray(pattern).replace("%1", QByteArray::number(number));
        if (QStringDecoder(name.constData()).isValid())
            return name;
    }
    return {};
}

CodePage makeCodePage(int number)
{
    CodePage page;
    QByteArray name = number == SymbolCodePage ? QByteArray() : codecName(number);
    if (name.isEmpty())
        name = Windows1252::CodecName;
    if (isDoubleByteCodePage(number)) {
        page.decoderName = name;
        return page;
    }
    QStringDecoder decoder(name.constData());
    for (int byte = 0x20; byte < 256; ++byte) {
        if (number == SymbolCodePage) {
            // Symbol fonts draw their glyphs at U+F000 + byte.
            page.characters[byte] = char16_t(0xF000 + byte);
            continue;
        }
        const char c = char(byte);
        const QString decoded = decoder.decode(QByteArrayView(&c, 1));
        page.characters[byte] = decoded.size() == 1 ? decoded[0].unicode() : u'\uFFFD';
    }
    page.characters['\t'] = u'\t';
    return page;
}

int charsetCodePage(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return SymbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

QString plainText(QByteArrayView data)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError())
        text = QStringDecoder(Windows1252::CodecName).decode(data);
    for (QChar &c : text) {
        const char32_t safe = c.isSurrogate() || c == u'\n' || c == u'\r' ? c.unicode() : sanitized(c.unicode());
        if (safe != c.unicode())
            c = safe ? QChar(char16_t(safe)) : QChar(u' ');
    }
    return text;
}

char32_t sanitized(char32_t c)
{
    if (c == '\t')
        return c;
    if (c < 0x20)
        return 0;
    if (c == QChar::ParagraphSeparator)
        return QChar::LineSeparator;
    if ((c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE || c > 0x10FFFF)
        return QChar::ReplacementCharacter;
    return c;
}

} // namespace Rtf
