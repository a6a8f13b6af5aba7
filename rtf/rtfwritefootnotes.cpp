// Footnotes: the reader shows them as numbered paragraphs after the text;
// they go back into RTF at their references, as word processors write them.

#include "rtf.h"
#include "rtfwriter_p.h"

#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

namespace Rtf {

namespace {

int footnoteNumber(const QTextFormat &format)
{
    return format.intProperty(FootnoteProperty);
}

} // namespace

// The notes that still hold text and that a reference in the text still
// names; a note whose reference is gone is a plain paragraph now.
void Writer::findFootnotes()
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int number = footnoteNumber(block.blockFormat());
        if (number && block.length() > 1)
            footnotes.insert(number, block);
    }
    if (footnotes.isEmpty())
        return;
    QSet<int> referenced;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (footnoteNumber(block.blockFormat()))
            continue;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (const int number = footnoteNumber(it.fragment().charFormat()))
                referenced.insert(number);
        }
    }
    footnotes.removeIf([&](const auto &note) { return !referenced.contains(note.key()); });
}

bool Writer::isFootnote(const QTextBlock &block) const
{
    const auto note = footnotes.constFind(footnoteNumber(block.blockFormat()));
    return note != footnotes.constEnd() && *note == block;
}

// The automatic number, then the note in a group of its own that opens with
// its number again. False where the number stays text: a second reference
// to a note, or one whose note is gone.
bool Writer::writeFootnoteReference(int number, const CharProps &chars)
{
    if (writingFootnote) {
        switchTo(chars);
        out.word("chftn");
        return true;
    }
    const auto note = footnotes.constFind(number);
    if (note == footnotes.constEnd() || footnotesWritten.contains(number))
        return false;
    footnotesWritten.insert(number);
    open();
    switchTo(chars);
    out.word("chftn");
    open();
    out.word("footnote");
    out.word("pard"); // not the paragraph's list, table or indents
    writingFootnote = true;
    writeRuns(*note);
    writingFootnote = false;
    close();
    close();
    return true;
}

} // namespace Rtf
