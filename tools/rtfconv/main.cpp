// rtfconv: our RTF reader and writer from the command line, for checks
// against other programs and for timing whole runs (rtfconv --help).

#include "rtf/rtf.h"
#include "tools/support/toolsupport.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

using ToolSupport::fail;

bool printBytes(const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == size_t(bytes.size())
        && std::fflush(stdout) == 0;
}

// Images an HTML file names are loaded as their own bytes, so a JPEG stays a
// JPEG in the RTF instead of whatever Qt would decode it into.
void loadImages(QTextDocument &document, const QUrl &base)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            // QTextDocument::resource() looks names up resolved against the
            // base URL, so that is the name the bytes are stored under.
            const QUrl url = base.resolved(QUrl(format.toImageFormat().name()));
            QFile file(url.toLocalFile());
            if (!url.isLocalFile() || !file.open(QIODevice::ReadOnly))
                continue; // left to Qt, which knows data: addresses and its resources
            document.addResource(QTextDocument::ImageResource, url, file.readAll());
        }
    }
}

// Qt writes a list item's character format and its block format as two
// style attributes of one <li>. HTML keeps only one of them (browsers the
// first, many parsers the last), so an item's text would lose either its
// font and size or its margins: print them joined into one attribute.
bool printHtml(QByteArrayView html)
{
    constexpr QByteArrayView open = "<li style=\"";
    constexpr QByteArrayView second = "\" style=\"";
    const auto print = [](QByteArrayView bytes) {
        return std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    };
    qsizetype printed = 0;
    // Qt starts every block on a line of its own: looking at the line starts
    // alone keeps this cheap on an output of megabytes.
    for (qsizetype line = 0; line < html.size();) {
        if (html.sliced(line).startsWith(open)) {
            const qsizetype close = html.indexOf('"', line + open.size());
            if (close >= 0 && html.sliced(close).startsWith(second)) {
                if (!print(html.sliced(printed, close - printed)))
                    return false;
                printed = close + second.size();
            }
        }
        const qsizetype end = html.indexOf('\n', line);
        if (end < 0)
            break;
        line = end + 1;
    }
    return print(html.sliced(printed)) && std::fflush(stdout) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // A converter needs no screen: it runs in build machines and cron jobs too.
    ToolSupport::prepareHeadlessRun();
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(u"rtfconv"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Reads an RTF file and prints it as Qt's HTML, or as plain text;\n"
                                     "or reads an HTML file and prints it as RTF."_s);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption textOption(u"text"_s, u"Print the plain text of the RTF file."_s);
    const QCommandLineOption toRtfOption(u"to-rtf"_s, u"Read FILE as HTML and print it as RTF."_s);
    parser.addOptions({textOption, toRtfOption});
    parser.addPositionalArgument(u"FILE"_s, u"The RTF file (with --to-rtf, the HTML file)."_s);

    if (!parser.parse(application.arguments()))
        return fail(parser.errorText());
    if (parser.isSet(u"help-all"_s))
        parser.process(application); // prints Qt's own options too, and exits
    if (parser.isSet(helpOption))
        return printBytes(parser.helpText().toUtf8()) ? 0 : fail(u"cannot write the output"_s);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return fail(files.isEmpty() ? u"no FILE given (see --help)"_s
                                    : u"one FILE only, not "_s + files.mid(1).join(u' '));
    if (parser.isSet(textOption) && parser.isSet(toRtfOption))
        return fail(u"--text and --to-rtf exclude each other"_s);

    const QString path = files.first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(path + QStringLiteral(": ") + file.errorString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(path + QStringLiteral(": ") + file.errorString());

    QTextDocument document;
    QByteArray output;
    if (parser.isSet(toRtfOption)) {
        const QUrl base = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        document.setBaseUrl(base);
        document.setHtml(QString::fromUtf8(data));
        loadImages(document, base);
        output = Rtf::write(&document);
    } else {
        Rtf::read(data, &document);
        if (!parser.isSet(textOption))
            return printHtml(document.toHtml().toUtf8()) ? 0 : fail(u"cannot write the output"_s);
        // A picture has no plain text, not even its placeholder character.
        output = (document.toPlainText().remove(QChar::ObjectReplacementCharacter) + u'\n').toUtf8();
    }
    if (!printBytes(output))
        return fail(u"cannot write the output"_s);
    return 0;
}
