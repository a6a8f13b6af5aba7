#pragma once

#include <QString>

// Text made safe for the places it goes in a note.
namespace MarkdownText {

// A YAML double-quoted scalar that reads back as the text: quotes,
// backslashes and every character YAML takes for a line break or cannot
// show escaped. Also a JSON string.
QString yamlString(const QString &text);

// Text for a cell of a Markdown table: "|" and the characters that would
// start emphasis, a link or HTML escaped, so the cell shows what it holds.
QString tableCell(const QString &text);

// A note's name from a title: safe as a file name everywhere, and without
// the characters that end a [[wiki link]] (#, ^, [, ], |).
QString noteName(const QString &title, const QString &fallback);

} // namespace MarkdownText
