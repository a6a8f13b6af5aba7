#include "portablefilename.h"

#include <QRegularExpression>

namespace Storage {

namespace {

bool isForbidden(QChar c)
{
    return c.unicode() < 32 || c.unicode() == 127 || QStringView(u"<>:\"/\\|?*").contains(c);
}

QString trimmedEnds(QString name)
{
    while (!name.isEmpty() && (name.front() == u'.' || name.front() == u' '))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == u'.' || name.back() == u' '))
        name.chop(1);
    return name;
}

} // namespace

QString portableFileName(const QString &text, const QString &fallback, qsizetype maxLength)
{
    QString name;
    for (QChar c : text)
        name += isForbidden(c) || c.isSpace() ? QChar(u' ') : c;
    name = trimmedEnds(name.simplified());
    if (name.size() > maxLength) {
        name.truncate(maxLength);
        // Half of a character beyond the first 65536 is no character.
        if (name.back().isHighSurrogate())
            name.chop(1);
        name = trimmedEnds(name);
    }
    // Windows keeps these for devices, with or without an extension.
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch())
        name.prepend(u'_');
    return name.isEmpty() ? fallback : name;
}

} // namespace Storage
