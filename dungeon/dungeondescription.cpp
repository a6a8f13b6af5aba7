#include "dungeondescription.h"

#include "mappicture.h"
#include "newdungeonfolder.h"

#include "storage/encounterfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRectF>
#include <QRegularExpression>

#include <algorithm>


namespace Dungeon {

namespace {

const QString DescriptionName = QStringLiteral("dungeon.json");
const QString TitleKey = QStringLiteral("title");
const QString MapKey = QStringLiteral("map");
const QString SpotsKey = QStringLiteral("spots");
const QString RoomsKey = QStringLiteral("rooms");
const QString AreasKey = QStringLiteral("areas");
const QString GridKey = QStringLiteral("grid");
const QString DoorsKey = QStringLiteral("doors");

QString tr(const char *text)
{
    return QCoreApplication::translate("Dungeon", text);
}

// Thrown by the checks below with the reason the description is refused.
struct Refusal
{
    QString reason;
};

int numberFrom1To(int last, const QString &key, const QString &what, const QString &kind)
{
    bool isNumber = false;
    const int number = key.toInt(&isNumber);
    if (!isNumber || number < 1 || number > last || key != QString::number(number))
        throw Refusal{tr("%1 \"%2\" is not %3 from 1 to %4").arg(what, key, kind, QString::number(last))};
    return number;
}

int spotNumber(const QString &key, const QString &what)
{
    return numberFrom1To(SpotCount, key, what, tr("a spot number"));
}

// A point [x, y] on a picture of mapSize.
QPointF point(const QJsonValue &value, QSize mapSize, const QString &where)
{
    const QJsonArray pair = value.toArray();
    if (!value.isArray() || pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble())
        throw Refusal{tr("%1 is not a pair of numbers [x, y]").arg(where)};
    const QPointF p(pair[0].toDouble(), pair[1].toDouble());
    if (p.x() < 0 || p.y() < 0 || p.x() > mapSize.width() || p.y() > mapSize.height()) {
        throw Refusal{tr("%1 (%2, %3) lies off the map picture of %4 x %5 pixels")
                          .arg(where, QString::number(p.x()), QString::number(p.y()),
                               QString::number(mapSize.width()), QString::number(mapSize.height()))};
    }
    return p;
}

// The outline of a room or an area, `what` in a message.
QPolygonF outline(const QJsonValue &value, QSize mapSize, const QString &what)
{
    const QJsonArray corners = value.toArray();
    if (!value.isArray() || corners.size() < 3)
        throw Refusal{tr("%1 is not a list of at least three corners").arg(what)};
    QPolygonF outline;
    for (qsizetype i = 0; i < corners.size(); ++i)
        outline << point(corners[i], mapSize, tr("corner %1 of %2").arg(QString::number(i + 1), what));
    return outline;
}

QJsonObject objectOf(const QJsonObject &json, const QString &key)
{
    const QJsonValue value = json.value(key);
    if (!value.isUndefined() && !value.isObject())
        throw Refusal{tr("\"%1\" is not an object").arg(key)};
    return value.toObject();
}

// Only a plain name of a file beside dungeon.json: a description shared by
// someone else must not reach other folders.
QString mapFileName(const QJsonObject &json)
{
    const QJsonValue value = json.value(MapKey);
    if (value.isUndefined())
        return {};
    const QString name = value.toString();
    if (!value.isString() || name.isEmpty() || name.contains(u'/') || name.contains(u'\\')
        || name == QLatin1String("..") || name == QLatin1String("."))
        throw Refusal{tr("\"map\" is not the name of a file in the dungeon's folder")};
    return name;
}

// "grid": {"size": s, "origin": [x, y]}, a cell no larger than the map.
std::optional<MapGrid> gridOf(const QJsonObject &json, QSize mapSize)
{
    if (!json.contains(GridKey))
        return {};
    const QJsonObject grid = objectOf(json, GridKey);
    const QJsonValue size = grid.value(QStringLiteral("size"));
    if (!size.isDouble() || !(size.toDouble() > 0)
        || size.toDouble() > std::max(mapSize.width(), mapSize.height()))
        throw Refusal{tr("\"grid\" has no \"size\" from 0 to the map's side in pixels")};
    return MapGrid{size.toDouble(), point(grid.value(QStringLiteral("origin")), mapSize, tr("the grid's origin"))};
}

QList<QLineF> doorsOf(const QJsonObject &json, QSize mapSize)
{
    const QJsonValue value = json.value(DoorsKey);
    if (!value.isUndefined() && !value.isArray())
        throw Refusal{tr("\"doors\" is not a list of doors")};
    QList<QLineF> doors;
    const QJsonArray list = value.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonArray ends = list[i].toArray();
        const QString where = tr("door %1").arg(i + 1);
        if (!list[i].isArray() || ends.size() != 2)
            throw Refusal{tr("%1 is not a pair of points [[x, y], [x, y]]").arg(where)};
        doors << QLineF(point(ends[0], mapSize, where), point(ends[1], mapSize, where));
    }
    return doors;
}

DungeonDescription parse(const QByteArray &bytes, const QString &folder, QSize mapSize)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw Refusal{tr("not valid JSON at character %1: %2").arg(QString::number(parseError.offset), parseError.errorString())};
    if (!document.isObject())
        throw Refusal{tr("the description is not a JSON object")};

    DungeonDescription description;
    description.otherKeys = document.object();
    const QJsonObject &json = description.otherKeys;

    const QJsonValue title = json.value(TitleKey);
    if (!title.isUndefined() && !title.isString())
        throw Refusal{tr("\"title\" is not text")};
    description.title = title.toString();

    description.mapFile = mapFileName(json);
    if (!mapSize.isValid()) {
        mapSize = BuiltInMapSize;
        if (description.hasOwnMap()) {
            QString error;
            mapSize = mapPictureSize(mapPath(folder, description), &error);
            if (!mapSize.isValid())
                throw Refusal{error};
        }
    }

    const QJsonObject spots = objectOf(json, SpotsKey);
    for (auto spot = spots.begin(); spot != spots.end(); ++spot) {
        const int number = spotNumber(spot.key(), tr("spot"));
        description.spots.insert(number, point(spot.value(), mapSize, tr("spot %1").arg(number)));
    }

    const QJsonObject rooms = objectOf(json, RoomsKey);
    for (auto room = rooms.begin(); room != rooms.end(); ++room) {
        const int number = spotNumber(room.key(), tr("room"));
        description.rooms.insert(number, outline(room.value(), mapSize, tr("room %1").arg(number)));
    }

    const QJsonObject areas = objectOf(json, AreasKey);
    for (auto area = areas.begin(); area != areas.end(); ++area) {
        const int number = numberFrom1To(MaxAreaNumber, area.key(), tr("area"), tr("an area number"));
        description.areas.insert(number, outline(area.value(), mapSize, tr("area %1").arg(number)));
    }

    description.grid = gridOf(json, mapSize);
    description.doors = doorsOf(json, mapSize);

    for (const QString &key : {TitleKey, MapKey, SpotsKey, RoomsKey, AreasKey, GridKey, DoorsKey})
        description.otherKeys.remove(key);
    return description;
}

QJsonArray pointJson(QPointF p)
{
    return {p.x(), p.y()};
}

} // namespace

QString descriptionPath(const QString &folder)
{
    return folder + u'/' + DescriptionName;
}

QString mapPath(const QString &folder, const DungeonDescription &description)
{
    return description.hasOwnMap() ? folder + u'/' + description.mapFile : QString();
}

DescriptionRead parseDungeonDescription(const QByteArray &json, const QString &folder, QSize mapSize)
{
    DescriptionRead read;
    read.exists = true;
    try {
        read.description = parse(json, folder, mapSize);
    } catch (const Refusal &refusal) {
        read.error = tr("%1: %2").arg(QDir::toNativeSeparators(descriptionPath(folder)), refusal.reason);
    }
    return read;
}

DescriptionRead readDungeonDescription(const QString &folder)
{
    QFile file(descriptionPath(folder));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        DescriptionRead read;
        read.exists = true;
        read.error = tr("%1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        return read;
    }
    return parseDungeonDescription(file.readAll(), folder);
}

QByteArray descriptionJson(const DungeonDescription &description)
{
    QJsonObject json = description.otherKeys;
    if (!description.title.isEmpty())
        json.insert(TitleKey, description.title);
    if (description.hasOwnMap())
        json.insert(MapKey, description.mapFile);
    if (!description.spots.isEmpty()) {
        QJsonObject spots;
        for (auto spot = description.spots.begin(); spot != description.spots.end(); ++spot)
            spots.insert(QString::number(spot.key()), pointJson(spot.value()));
        json.insert(SpotsKey, spots);
    }
    const auto outlines = [&json](const QString &key, const QMap<int, QPolygonF> &outlines) {
        if (outlines.isEmpty())
            return;
        QJsonObject byNumber;
        for (auto outline = outlines.begin(); outline != outlines.end(); ++outline) {
            QJsonArray corners;
            for (QPointF corner : outline.value())
                corners.append(pointJson(corner));
            byNumber.insert(QString::number(outline.key()), corners);
        }
        json.insert(key, byNumber);
    };
    outlines(RoomsKey, description.rooms);
    outlines(AreasKey, description.areas);
    if (description.grid)
        json.insert(GridKey, QJsonObject{{QStringLiteral("size"), description.grid->size},
                                         {QStringLiteral("origin"), pointJson(description.grid->origin)}});
    if (!description.doors.isEmpty()) {
        QJsonArray doors;
        for (const QLineF &door : description.doors)
            doors.append(QJsonArray{pointJson(door.p1()), pointJson(door.p2())});
        json.insert(DoorsKey, doors);
    }
    return QJsonDocument(json).toJson();
}

QString writeDungeonDescription(const QString &folder, const DungeonDescription &description)
{
    const QString path = descriptionPath(folder);
    const QString where = QDir::toNativeSeparators(path);
    if (const DescriptionRead old = readDungeonDescription(folder); !old.ok())
        return tr("%1 is left as it is, since it cannot be read: %2").arg(where, old.error);

    if (const Storage::WriteResult written = Storage::writeFileAtomically(path, descriptionJson(description));
        !written.ok())
        return tr("Cannot save %1: %2").arg(where, written.reason);
    return {};
}

QList<int> dungeonNumbers(const QString &programFolder)
{
    static const QRegularExpression folderName(QStringLiteral("^Dungeon([1-9][0-9]{0,2})$"));
    QList<int> numbers;
    const QDir root(programFolder + QStringLiteral("/Dungeons"));
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (const QRegularExpressionMatch match = folderName.match(name); match.hasMatch())
            numbers.append(match.captured(1).toInt());
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

int nextFreeDungeonNumber(const QString &programFolder)
{
    const QList<int> taken = dungeonNumbers(programFolder);
    for (int number = 1; number <= MaxDungeonNumber; ++number) {
        if (!taken.contains(number))
            return number;
    }
    return 0;
}

int createDungeonWith(const QString &programFolder, const std::function<QString(const QString &)> &fill,
                      QString *error)
{
    // Built whole before it is named: no copy of the program ever sees it
    // half made, and a failure removes only this folder.
    const QString root = programFolder + QStringLiteral("/Dungeons");
    NewFolder building(programFolder);
    if (building.path().isEmpty()) {
        *error = tr("Cannot create the folder %1.").arg(QDir::toNativeSeparators(root));
        return 0;
    }
    *error = fill(building.path());
    if (!error->isEmpty())
        return 0;
    return building.claimFreeNumber(error);
}

int createDungeon(const QString &programFolder, const QString &picturePath, const QString &title,
                  QString *error)
{
    if (!mapPictureSize(picturePath, error).isValid())
        return 0;
    return createDungeonWith(programFolder, [&](const QString &folder) {
        DungeonDescription description;
        description.title = title;
        QString extension = QFileInfo(picturePath).suffix().toLower();
        if (extension.isEmpty())
            extension = QString::fromLatin1(QImageReader::imageFormat(picturePath));
        description.mapFile = QStringLiteral("map.") + extension;
        const QString map = mapPath(folder, description);
        if (!QFile::copy(picturePath, map) || QFileInfo(map).size() != QFileInfo(picturePath).size())
            return tr("Cannot copy %1 to %2.").arg(QDir::toNativeSeparators(picturePath),
                                                   QDir::toNativeSeparators(programFolder + QStringLiteral("/Dungeons")));
        return writeDungeonDescription(folder, description);
    }, error);
}

} // namespace Dungeon
