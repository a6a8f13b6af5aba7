#include "sampleadventure.h"

#include "dungeon/dungeondescription.h"
#include "tools/assetgen/dungeonplan.h"

#include "rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QTextDocument>
#include <QUrl>

namespace SampleAdventure {

namespace {

constexpr int Rows = 10;
constexpr int Columns = 4;

// The board's details box is small: paragraphs sit close together, and the
// text names the board's own font, so the stored bytes do not depend on the
// fonts of the machine that made them.
constexpr char StyleSheet[] = "p, ul, table { margin-top: 0px; margin-bottom: 6px; }";
constexpr char FontFamily[] = "MS Sans Serif";
constexpr qreal FontPointSize = 8.25;

QString sourceError(const QString &file, int line, const QString &reason)
{
    return QStringLiteral("%1:%2: %3").arg(file, QString::number(line), reason);
}

} // namespace

Encounters readTables(const QString &sourceFolder)
{
    const QString path = QDir(sourceFolder).filePath(QStringLiteral("cells.txt"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {{}, QStringLiteral("cannot read %1: %2").arg(path, file.errorString())};

    Encounters encounters;
    Storage::Cells *table = nullptr;
    int row = 0;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QStringLiteral("=="))) {
            bool isNumber = false;
            const int number = line.mid(2).trimmed().toInt(&isNumber);
            if (!isNumber || number < 1 || number > EncounterShape::CellCount || encounters.tables.contains(number))
                return {{}, sourceError(path, i + 1, QStringLiteral("expected a new encounter number 1 to 40"))};
            table = &encounters.tables[number];
            row = 0;
            continue;
        }
        const QStringList cells = line.split(u'|');
        if (!table || cells.size() != Columns)
            return {{}, sourceError(path, i + 1, QStringLiteral("expected \"name | AC | damage | HP\""))};
        if (row == Rows)
            return {{}, sourceError(path, i + 1, QStringLiteral("a table holds at most ten monsters"))};
        for (int column = 0; column < Columns; ++column) {
            const QString cell = cells[column].trimmed();
            if (!Storage::isStorableCellText(cell))
                return {{}, sourceError(path, i + 1, QStringLiteral("\"%1\" cannot be stored").arg(cell))};
            (*table)[column * Rows + row] = cell;
        }
        ++row;
    }
    return encounters;
}

StoredFiles generate(const QString &sourceFolder)
{
    const Encounters encounters = readTables(sourceFolder);
    if (!encounters.error.isEmpty())
        return {{}, encounters.error};

    StoredFiles stored;
    const QDir sources(sourceFolder);
    for (auto it = encounters.tables.cbegin(); it != encounters.tables.cend(); ++it) {
        const QString number = QString::number(it.key());
        const QString htmlPath = sources.filePath(number + QStringLiteral(".html"));
        QFile html(htmlPath);
        if (!html.open(QIODevice::ReadOnly))
            return {{}, QStringLiteral("cannot read %1: %2").arg(htmlPath, html.errorString())};

        QTextDocument document;
        // Pictures load from the files beside the page.
        document.setDefaultFont(QFont(QString::fromLatin1(FontFamily), FontPointSize));
        document.setDefaultStyleSheet(QString::fromLatin1(StyleSheet));
        document.setBaseUrl(QUrl::fromLocalFile(sources.absolutePath() + u'/'));
        document.setHtml(QString::fromUtf8(html.readAll()));
        stored.files.append({number + QStringLiteral(".Encounter"), Storage::encodeTable(it.value())});
        stored.files.append({number + QStringLiteral(".Encounter") + number, Rtf::write(&document)});
    }

    // The title, for the Open dialog and the booklet, and the rooms of the
    // built-in map, for the player view: no map of its own, so the board
    // stays as it is.
    Dungeon::DungeonDescription description;
    description.title = QStringLiteral("The Sunken Halls of Orvane");
    description.rooms = DungeonPlan::roomOutlines();
    stored.files.append({QStringLiteral("dungeon.json"), Dungeon::descriptionJson(description)});
    return stored;
}

} // namespace SampleAdventure
