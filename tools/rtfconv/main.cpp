// rtfconv: our RTF reader and writer from the command line, for checks
// against other programs and for timing whole runs.
//   rtfconv FILE.rtf           the document read, as Qt's HTML
//   rtfconv --text FILE.rtf    its plain text
//   rtfconv --to-rtf FILE.html the HTML read by Qt, written as RTF

#include "rtf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "rtfconv: %s\n", qPrintable(message));
    return 1;
}

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

} // namespace

int main(int argc, char *argv[])
{
    // Fonts and images need a GUI application, but a converter needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    const QString mode = arguments.size() == 2 ? arguments[0] : QString();
    if (arguments.isEmpty() || arguments.size() > 2 || (arguments.size() == 2 && mode != u"--text" && mode != u"--to-rtf"))
        return fail(u"usage: rtfconv [--text] FILE.rtf | rtfconv --to-rtf FILE.html"_qs);

    const QString path = arguments.last();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(path + QStringLiteral(": ") + file.errorString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(path + QStringLiteral(": ") + file.errorString());

    QTextDocument document;
    QByteArray output;
    if (mode == u"--to-rtf") {
        const QUrl base = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        document.setBaseUrl(base);
        document.setHtml(QString::fromUtf8(data));
        loadImages(document, base);
        output = Rtf::write(&document);
    } else {
        Rtf::read(data, &document);
        // A picture has no plain text, not even its placeholder character.
        output = (mode == u"--text" ? document.toPlainText().remove(QChar::ObjectReplacementCharacter) + u'\n'
                                    : document.toHtml())
                     .toUtf8();
    }
    if (!printBytes(output))
        return fail(u"cannot write the output"_qs);
    return 0;
}
