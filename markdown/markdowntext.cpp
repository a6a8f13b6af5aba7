#include "markdowntext.h"

#include "storage/portablefilename.h"

#include <QRegularExpression>

namespace MarkdownText {

QString yamlString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            quoted += u'\\';
            quoted += c;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            quoted += c;
            quoted += text[++i];
        } else if (u < 0x20 || u == 0x7f || u == 0x85 || u == 0x2028 || u == 0x2029 || u == 0xfeff
                   || c.isSurrogate() || (u >= 0x80 && u < 0xa0)) {
            quoted += QStringLiteral("\\u%1").arg(u, 4, 16, QChar(u'0'));
        } else {
            quoted += c;
        }
    }
    return quoted + u'"';
}

QString tableCell(const QString &text)
{
    QString cell;
    for (QChar c : text) {
        if (QStringView(u"\\|*_[]<>`#~&!").contains(c))
            cell += u'\\';
        cell += c.isSpace() ? QChar(u' ') : c;
    }
    return cell;
}

QString noteName(const QString &title, const QString &fallback)
{
    constexpr qsizetype MaxLength = 60;
    QString name = title.simplified();
    // A first line that is a whole paragraph ("The Vestry. Robe chests
    // stand open ...") is named by its first sentence, else cut between words.
    if (name.size() > MaxLength) {
        static const QRegularExpression sentenceEnd(QStringLiteral("[.!?:;](\\s|$)"));
        const qsizetype end = name.indexOf(sentenceEnd);
        const qsizetype space = name.lastIndexOf(u' ', MaxLength);
        name.truncate(end > 0 && end <= MaxLength ? end : space > 0 ? space : MaxLength);
    }
    for (QChar c : {u'#', u'^', u'[', u']', u'|'})
        name.replace(c, u' ');
    return Storage::portableFileName(name, fallback, MaxLength);
}

} // namespace MarkdownText
