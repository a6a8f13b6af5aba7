#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QTextDocument;

namespace Rtf {

// Replaces the document's content with the RTF document in data. Data that is
// not RTF is loaded as plain text, so nothing in a file is hidden.
void read(const QByteArray &data, QTextDocument *document);

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

} // namespace Rtf
