#pragma once

// The two contents that the saver alternates between and the tests check
// every file against. Both are large, so that a kill or a read lands in the
// middle of writing a file far more often than between two saves, and they
// differ in every record and every kilobyte, so that a mix of the two, or
// either one cut short, equals neither.

#include "storage/filesteps.h"

#include <QByteArray>
#include <QString>

namespace Trust {

enum Version { A, B };

inline Version other(Version version)
{
    return version == A ? B : A;
}

inline char letter(Version version)
{
    return version == A ? 'A' : 'B';
}

// Encounter 7 of dungeon 1 below the folder.
inline Storage::EncounterFiles files(const QString &folder)
{
    return Storage::encounterFiles(folder, 1, QStringLiteral("7"));
}

inline Storage::Cells cells(Version version)
{
    Storage::Cells cells;
    for (int i = 0; i < EncounterShape::CellCount; ++i) {
        cells[i] = version == A ? QStringLiteral("Orc %1").arg(i)
                                : QStringLiteral("Troll of the deep %1").arg(i);
    }
    return cells;
}

// Bytes past the fortieth record, carried over by every save: they make the
// table file as large as a details file, so that kills land inside its
// writing too.
inline QByteArray tableTail()
{
    QByteArray tail;
    for (int line = 0; tail.size() < 64 * 1024; ++line)
        tail += "tail " + QByteArray::number(line) + '\n';
    return tail;
}

inline QByteArray table(Version version)
{
    return Storage::encodeTable(cells(version)) + tableTail();
}

// About 200 KB of RTF; B is a little shorter than A.
inline QByteArray details(Version version)
{
    const QByteArray name = version == A ? "orcs" : "trolls";
    const int lines = version == A ? 8000 : 7000;
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\n";
    rtf.reserve(lines * 30);
    for (int line = 0; line < lines; ++line)
        rtf += "\\par " + name + ' ' + QByteArray::number(line) + " guard the door\n";
    return rtf + '}';
}

// Save n of a numbered run: the table's first name and the details both
// carry n, so a read that pairs two saves shows two numbers.
inline Storage::Cells numberedCells(long n)
{
    Storage::Cells cells;
    cells[0] = QStringLiteral("Table %1").arg(n);
    return cells;
}

inline QByteArray numberedDetails(long n)
{
    return "{\\rtf1\\ansi Details " + QByteArray::number(n) + " behind the door.\\par}";
}

// What a file holds, as far as the tests are concerned.
enum class Holds { A, B, Other };

inline Holds classify(const QByteArray &content, const QByteArray &a, const QByteArray &b)
{
    return content == a ? Holds::A : content == b ? Holds::B : Holds::Other;
}

// For a failure message: how a file that is neither version differs from
// each of them.
inline QByteArray describe(const QByteArray &content, const QByteArray &a, const QByteArray &b)
{
    const auto firstDifference = [&content](const QByteArray &version) {
        qsizetype at = 0;
        while (at < content.size() && at < version.size() && content[at] == version[at])
            ++at;
        return QByteArray::number(at);
    };
    return QByteArray::number(content.size()) + " bytes, A has " + QByteArray::number(a.size())
            + " and B " + QByteArray::number(b.size()) + "; first difference from A at byte "
            + firstDifference(a) + ", from B at " + firstDifference(b);
}

} // namespace Trust
