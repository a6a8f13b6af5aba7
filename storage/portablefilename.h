#pragma once

#include <QString>

namespace Storage {

// A file name made from text such as a dungeon's title that Windows, macOS
// and Linux all take: no characters they forbid or that end a name
// (<>:"/\|?* and control characters), no leading dot that would hide the
// file, no trailing dot or space that Windows drops, no device name such as
// CON or LPT1, and at most maxLength characters. `fallback` where nothing
// remains.
QString portableFileName(const QString &text, const QString &fallback, qsizetype maxLength = 80);

} // namespace Storage
