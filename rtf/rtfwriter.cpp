// QTextDocument -> RTF bytes.
//
// The writer walks the document's frames, tables and blocks once, writing the
// body into one buffer while it collects the fonts, colours and lists the
// body names; the header that describes them is written last and put in
// front. Character formatting is written as the difference from the run
// before, and each group restores what it changed.
//
// This file holds the writer's core and the header tables. Paragraphs and
// lists, tables, characters, pictures and fields, and the output buffer with
// its code page have files of their own beside it.

#include "rtf.h"
#include "rtfwriter_p.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace Rtf {

Q_LOGGING_CATEGORY(lcRtfWriter, "dungeon.rtf.writer")

namespace {

template<typename Key, typename Value>
int indexOf(QHash<Key, int> &indexes, QList<Value> &values, const Key &key, const Value &value)
{
    const auto known = indexes.constFind(key);
    if (known != indexes.constEnd())
        return *known;
    values += value;
    return *indexes.insert(key, int(values.size() - 1));
}

} // namespace

Writer::Writer(const QTextDocument *document) : document(document)
{
    fontIndex(document->defaultFont().family()); // \f0, the \deff font
    out.bytes.reserve(document->characterCount() + 1024);
}

QByteArray Writer::write()
{
    // The document's font and size go first even where they are what
    // \deff and RTF's 12 points imply, for readers that fall back to
    // defaults of their own: the current font and size are "not given".
    switchTo(charProps(QTextCharFormat()));
    findFootnotes();
    writeFrame(document->rootFrame());
    QByteArray rtf = header();
    rtf += out.bytes;
    rtf += '}';
    return rtf;
}

void Writer::writeFrame(const QTextFrame *frame)
{
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const QTextFrame *child = it.currentFrame()) {
            if (const auto *table = qobject_cast<const QTextTable *>(child))
                writeTable(table);
            else
                writeFrame(child);
        } else {
            // Every paragraph ends with \par, the last one too: readers
            // take a \par before the closing brace as the end of the last
            // paragraph, not as the start of an empty one.
            if (isFootnote(it.currentBlock()))
                continue; // written at its reference
            writeParagraph(it.currentBlock(), InTable::No);
            endParagraph();
        }
    }
}

// Fonts count from 0, colours and lists from 1: colour 0 is "auto".
int Writer::fontIndex(const QString &family) { return indexOf(fontIndexes, fonts, family, family); }

int Writer::colorIndex(const QColor &color)
{
    const QRgb rgb = color.rgb() & RGB_MASK;
    return indexOf(colorIndexes, colors, rgb, rgb) + 1;
}

int Writer::listIndex(const QTextList *list) { return indexOf(listIndexes, lists, list, list->format()) + 1; }

QByteArray Writer::header() const
{
    Output header;
    header.bytes.reserve(256 + 32 * fonts.size() + 24 * colors.size() + 1200 * lists.size());
    header.open();
    header.word("rtf", 1);
    header.word("ansi");
    header.word("ansicpg", DefaultCodePage);
    header.word("deff", 0);
    header.word("uc", 1);

    header.open();
    header.word("fonttbl");
    for (qsizetype index = 0; index < fonts.size(); ++index) {
        header.open();
        header.word("f", int(index));
        header.word("fnil");
        header.word("fcharset", 0);
        header.text(fonts[index] + u';');
        header.close();
    }
    header.close();
    header.newline();

    header.open();
    header.word("colortbl");
    header.text(u";");
    for (const QRgb rgb : colors) {
        header.word("red", qRed(rgb));
        header.word("green", qGreen(rgb));
        header.word("blue", qBlue(rgb));
        header.text(u";");
    }
    header.close();
    header.newline();

    if (!lists.isEmpty())
        writeListTables(header);
    return header.bytes;
}

} // namespace Rtf

QByteArray Rtf::write(const QTextDocument *document)
{
    if (!document) {
        const QTextDocument empty;
        return Writer(&empty).write();
    }
    return Writer(document).write();
}
