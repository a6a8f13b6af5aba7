#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QTextFormat>

class QTextDocument;

namespace Rtf {

// What a document holds that read() does not show, so that a document written
// from what it shows leaves it out.
enum UnshownContent : unsigned {
    NothingUnshown = 0,
    HeadersAndFooters = 1,
    Comments = 2,
    HiddenText = 4,
};

// Replaces the document's content with the RTF document in data and returns
// the UnshownContent flags of what it left out. Data that is not RTF is
// loaded as plain text, so nothing in a file is hidden.
unsigned read(const QByteArray &data, QTextDocument *document);

// Whether data is an RTF document: "{\rtf", after an optional byte order
// mark and white space. read() shows anything else as plain text.
bool isRtf(QByteArrayView data);

// The whole document, text and formatting, as an RTF document in code page
// 1252. An empty document still gives a complete RTF document.
QByteArray write(const QTextDocument *document);

// A picture held as a QImage whose text under this key is "JPEG" is written
// as JPEG, so a photo does not grow into a PNG many times its size. The reader
// marks the JPEG pictures it reads.
inline constexpr char PictureFormatKey[] = "rtf-picture-format";

// Footnotes show as numbered paragraphs at the end of the document. Each of
// those blocks holds its note's number under this property in its block
// format; the note's number at the start of the block, and every reference
// to the note in the text, hold it in their character format. write() turns
// them back into RTF footnotes at their references.
inline constexpr int FootnoteProperty = QTextFormat::UserProperty + 0x2A0;

} // namespace Rtf
