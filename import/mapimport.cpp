#include "mapimport.h"

#include "onepagedungeon.h"
#include "roomfinder.h"
#include "universalvtt.h"

#include "assets/pictures.h"
#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "plan/plandrawing.h"
#include "rtf/rtf.h"
#include "storage/encounterfiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRectF>
#include <QTextDocument>

#include <algorithm>

namespace Import {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Import", text);
}

const QStringList VttSuffixes{QStringLiteral("dd2vtt"), QStringLiteral("df2vtt"), QStringLiteral("uvtt")};
const QString OnePageSuffix = QStringLiteral("json");

QString named(const QString &path, const QString &reason)
{
    return tr("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

// The whole file, unless it is too large to be a map.
QByteArray readWhole(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    if (file.size() > MaxMapFileBytes) {
        *error = tr("the file is larger than %1 MB").arg(MaxMapFileBytes / (1024 * 1024));
        return {};
    }
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        *error = file.errorString();
    return bytes;
}

QPointF clamped(QPointF p, QSize size)
{
    return {std::clamp(p.x(), 0.0, double(size.width())), std::clamp(p.y(), 0.0, double(size.height()))};
}

// Writes the picture, the rooms, the spots, the grid and the doors into the
// new dungeon's folder; the reason when it cannot.
QString fillFromVtt(const QString &folder, const UniversalVtt &map, const QString &title, ImportResult &result)
{
    QBuffer buffer;
    buffer.setData(map.image);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format.isEmpty())
        return tr("the picture in \"image\" is not a picture");
    Dungeon::DungeonDescription description;
    description.title = title;
    description.mapFile = QStringLiteral("map.") + QString::fromLatin1(format);
    const QString picturePath = Dungeon::mapPath(folder, description);
    if (const Storage::WriteResult written = Storage::writeFileAtomically(picturePath, map.image); !written.ok())
        return written.message();
    // The picture is decoded as any map picture is, under the same limits.
    const Dungeon::MapPicture picture = Dungeon::readMapPicture(picturePath);
    if (!picture.ok())
        return picture.error;
    const QSize pictureSize = picture.image.size();

    // The picture may not be exactly map_size cells of pixels_per_grid.
    const QPointF scale(pictureSize.width() / map.mapSize.width(), pictureSize.height() / map.mapSize.height());
    const auto pixel = [&scale](QPointF cells) { return QPointF(cells.x() * scale.x(), cells.y() * scale.y()); };
    const double cellSize = (scale.x() + scale.y()) / 2;
    QList<QLineF> barriers;
    for (const QPolygonF &wall : map.walls) {
        for (qsizetype i = 1; i < wall.size(); ++i)
            barriers << QLineF(pixel(wall[i - 1]), pixel(wall[i]));
    }
    const QRectF onMap(QPointF(0, 0), QSizeF(pictureSize));
    for (const QLineF &portal : map.portals) {
        const QLineF door(pixel(portal.p1()), pixel(portal.p2()));
        barriers << door;
        if (onMap.contains(door.p1()) || onMap.contains(door.p2()))
            description.doors << QLineF(clamped(door.p1(), pictureSize), clamped(door.p2(), pictureSize));
    }

    const FoundRooms found = findRooms(pictureSize, cellSize, barriers, Dungeon::SpotCount);
    for (qsizetype i = 0; i < found.rooms.size(); ++i) {
        const int number = int(i) + 1;
        description.spots.insert(number, found.rooms[i].spot);
        description.rooms.insert(number, found.rooms[i].outline);
    }
    result.rooms = int(found.rooms.size());
    result.roomsLeftOut = found.leftOut;
    description.grid = Dungeon::MapGrid{cellSize, clamped(pixel(map.firstGridLine), pictureSize)};
    return Dungeon::writeDungeonDescription(folder, description);
}

// Note N's text as encounter N's details, with an empty monster table.
QString writeNote(const QString &folder, const QString &numberText, const QString &text)
{
    QTextDocument details;
    details.setPlainText(text);
    Storage::EncounterFiles files;
    files.dungeonsRoot = QFileInfo(folder).path();
    files.dungeonFolder = folder;
    files.tableFile = folder + u'/' + numberText + QStringLiteral(".Encounter");
    files.detailsFile = files.tableFile + numberText;
    const Storage::SaveResult saved = Storage::saveEncounter(files, {}, Rtf::write(&details), {});
    return saved.ok() ? QString() : saved.written.message();
}

QString fillFromOnePage(const QString &folder, const OnePageDungeon &dungeon, const QString &title,
                        ImportResult &result)
{
    const OnePagePlan plan = planOf(dungeon);
    QImage picture(plan.pictureSize(), QImage::Format_RGB32);
    picture.fill(PlanDrawing::Ground);
    {
        QPainter painter(&picture);
        PlanDrawing::drawPlan(painter, plan.lines, plan.grid);
    }
    Dungeon::DungeonDescription description;
    description.title = dungeon.title.isEmpty() ? title : dungeon.title;
    description.mapFile = QStringLiteral("map.png");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    if (const Storage::WriteResult written = Storage::writeFileAtomically(Dungeon::mapPath(folder, description), png);
        !written.ok())
        return written.message();
    const QSize size = picture.size();
    description.grid = Dungeon::MapGrid{double(plan.grid.pitch), QPointF(plan.grid.lineX(0), plan.grid.lineY(0))};
    if (!dungeon.story.isEmpty())
        description.otherKeys.insert(QStringLiteral("story"), dungeon.story);
    for (const OnePageDoor &door : dungeon.doors) {
        // Across the cell's edge the way through leads, as the plan draws it.
        const QPointF middle = QPointF(door.cell) + QPointF(0.5, 0.5) + QPointF(door.direction) / 2;
        const QPointF along = QPointF(door.direction.y(), door.direction.x()) / 2;
        if (door.direction.manhattanLength() == 1)
            description.doors << QLineF(clamped(plan.pixel(middle - along), size), clamped(plan.pixel(middle + along), size));
    }
    for (const OnePageNote &note : dungeon.notes) {
        bool isNumber = false;
        const int number = note.ref.toInt(&isNumber);
        if (!isNumber || number < 1 || note.ref != QString::number(number))
            continue;
        if (number > Dungeon::SpotCount) {
            result.notesLeftOut << note.ref;
            continue;
        }
        description.spots.insert(number, clamped(plan.pixel(note.at), size));
        for (const QRect &rect : dungeon.rects) {
            // A corridor, one cell wide, is no room.
            if (rect.width() > 1 && rect.height() > 1 && QRectF(rect).contains(note.at)) {
                const QRectF room(plan.pixel(rect.topLeft()), plan.pixel(QPointF(rect.topLeft()) + QPointF(rect.width(), rect.height())));
                description.rooms.insert(number, QPolygonF(room).mid(0, 4));
                break;
            }
        }
        if (const QString error = writeNote(folder, note.ref, note.text); !error.isEmpty())
            return error;
    }
    result.rooms = int(description.spots.size());
    return Dungeon::writeDungeonDescription(folder, description);
}

} // namespace

QStringList mapFilePatterns()
{
    QStringList patterns;
    for (const QString &suffix : VttSuffixes)
        patterns << QStringLiteral("*.") + suffix;
    return patterns << QStringLiteral("*.") + OnePageSuffix;
}

bool isMapFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return VttSuffixes.contains(suffix) || suffix == OnePageSuffix;
}

bool isOnePageDungeon(const QString &path)
{
    return QFileInfo(path).suffix().toLower() == OnePageSuffix;
}

QString leftOutNotice(const ImportResult &result)
{
    QStringList notices;
    if (result.roomsLeftOut > 0)
        notices << tr("%1 rooms were found; the %2 smallest are left without a spot, since a dungeon has %3.")
                           .arg(QString::number(result.rooms + result.roomsLeftOut),
                                QString::number(result.roomsLeftOut), QString::number(Dungeon::SpotCount));
    if (!result.notesLeftOut.isEmpty())
        notices << tr("The notes numbered past %2 are left out: %1.")
                           .arg(result.notesLeftOut.join(QStringLiteral(", ")), QString::number(Dungeon::SpotCount));
    return notices.join(u'\n');
}

ImportResult importMapFile(const QString &programFolder, const QString &path, const QString &title)
{
    return importMapFile(programFolder, path, [&title](const QString &) { return std::optional(title); });
}

ImportResult importMapFile(const QString &programFolder, const QString &path, const TitleQuestion &askTitle)
{
    ImportResult result;
    QString error;
    const QByteArray bytes = readWhole(path, &error);
    if (!error.isEmpty()) {
        result.error = named(path, error);
        return result;
    }
    const QString suggested = QFileInfo(path).completeBaseName();
    if (isOnePageDungeon(path)) {
        const OnePageRead read = parseOnePageDungeon(bytes);
        if (!read.ok()) {
            result.error = named(path, read.error);
            return result;
        }
        // It brings its own title; the name given stands in where it has none.
        const QString title = askTitle(suggested).value_or(suggested);
        result.number = Dungeon::createDungeonWith(programFolder, [&](const QString &folder) {
            return fillFromOnePage(folder, read.dungeon, title, result);
        }, &error);
    } else {
        const UniversalVttRead read = parseUniversalVtt(bytes);
        if (!read.ok()) {
            result.error = named(path, read.error);
            return result;
        }
        const std::optional<QString> title = askTitle(suggested);
        if (!title)
            return result;
        result.number = Dungeon::createDungeonWith(programFolder, [&](const QString &folder) {
            return fillFromVtt(folder, read.map, *title, result);
        }, &error);
    }
    if (!result.ok())
        result.error = named(path, error);
    return result;
}

QString exportUniversalVtt(const QString &programFolder, int number, const QString &path)
{
    const QString folder = Storage::dungeonFolder(programFolder, qint16(number));
    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(folder);
    if (!read.ok())
        return read.error;
    const Dungeon::DungeonDescription &description = read.description;
    QImage picture;
    if (description.hasOwnMap()) {
        const Dungeon::MapPicture map = Dungeon::readMapPicture(Dungeon::mapPath(folder, description));
        if (!map.ok())
            return map.error;
        picture = map.image;
    } else {
        picture = dungeonMapPicture();
    }
    VttExport map;
    if (description.grid) {
        map.cellSize = description.grid->size;
        map.gridOrigin = description.grid->origin;
    } else if (!description.hasOwnMap()) {
        map.cellSize = BuiltInMap::GridPitch;
        map.gridOrigin = BuiltInMap::FirstGridLines;
    }
    map.rooms = description.rooms.values();
    map.doors = description.doors;
    if (const Storage::WriteResult written = Storage::writeFileAtomically(path, universalVttJson(picture, map));
        !written.ok())
        return written.message();
    return {};
}

} // namespace Import
