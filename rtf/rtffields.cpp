// Fields: of all field instructions only HYPERLINK changes what shows.

#include "rtfreader_p.h"

namespace Rtf {

// Field codes escape \ and " with a backslash inside quoted arguments.
QString hyperlinkTarget(QStringView instruction)
{
    struct Argument
    {
        QString text;
        bool quoted = false;
    };
    std::vector<Argument> arguments;
    for (qsizetype i = 0; i < instruction.size();) {
        if (instruction[i].isSpace()) {
            ++i;
            continue;
        }
        Argument argument;
        if (instruction[i] == u'"') {
            argument.quoted = true;
            for (++i; i < instruction.size() && instruction[i] != u'"'; ++i) {
                if (instruction[i] == u'\\' && i + 1 < instruction.size()
                    && (instruction[i + 1] == u'\\' || instruction[i + 1] == u'"'))
                    ++i;
                argument.text += instruction[i];
            }
            ++i; // the closing quote
        } else {
            for (; i < instruction.size() && !instruction[i].isSpace(); ++i)
                argument.text += instruction[i];
        }
        arguments.push_back(std::move(argument));
    }
    if (arguments.empty() || arguments[0].text.compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return {};

    QString url;
    QString anchor;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const Argument &argument = arguments[i];
        if (!argument.quoted && argument.text.startsWith(u'\\')) {
            const QString name = argument.text.mid(1).toLower();
            if (name == u"l" && i + 1 < arguments.size())
                anchor = arguments[++i].text;
            else if ((name == u"o" || name == u"t") && i + 1 < arguments.size())
                ++i; // tooltip and target frame
            continue;
        }
        if (url.isEmpty())
            url = argument.text;
    }
    if (!anchor.isEmpty())
        url += u'#' + anchor;
    return url;
}

} // namespace Rtf
