#include "universalvtt.h"

#include "readerrefusal.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace Import {

namespace {

using Reading::Refusal;
using Reading::tr;

double numberOf(const QJsonValue &value, const QString &where)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        throw Refusal{tr("%1 is not a number").arg(where)};
    return value.toDouble();
}

QPointF pointOf(const QJsonValue &value, const QString &where)
{
    const QJsonObject point = value.toObject();
    if (!value.isObject())
        throw Refusal{tr("%1 is not a point {\"x\", \"y\"}").arg(where)};
    return {numberOf(point.value(QStringLiteral("x")), where), numberOf(point.value(QStringLiteral("y")), where)};
}

// Reads the map's walls and doors, in cells from its top left corner.
class Reader
{
public:
    Reader(QPointF origin, QSizeF mapSize) : m_origin(origin), m_mapSize(mapSize) {}

    QPointF point(const QJsonValue &value, const QString &where)
    {
        if (++m_points > MaxWallPoints)
            throw Refusal{tr("the walls and doors have more than %1 points").arg(MaxWallPoints)};
        const QPointF p = pointOf(value, where) - m_origin;
        // A little beyond the edge is common; far beyond is a broken file.
        if (p.x() < -m_mapSize.width() || p.y() < -m_mapSize.height() || p.x() > 2 * m_mapSize.width()
            || p.y() > 2 * m_mapSize.height())
            throw Refusal{tr("%1 lies far outside the map").arg(where)};
        return p;
    }

    QList<QPolygonF> walls(const QJsonObject &json, const QString &key)
    {
        const QJsonValue value = json.value(key);
        if (value.isUndefined() || value.isNull())
            return {};
        if (!value.isArray())
            throw Refusal{tr("\"%1\" is not a list of walls").arg(key)};
        QList<QPolygonF> walls;
        const QJsonArray list = value.toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString where = tr("wall %1 of \"%2\"").arg(QString::number(i + 1), key);
            if (!list[i].isArray())
                throw Refusal{tr("%1 is not a list of points").arg(where)};
            QPolygonF wall;
            for (const QJsonValue corner : list[i].toArray())
                wall << point(corner, where);
            walls << wall;
        }
        return walls;
    }

    QList<QLineF> portals(const QJsonObject &json)
    {
        const QJsonValue value = json.value(QStringLiteral("portals"));
        if (value.isUndefined() || value.isNull())
            return {};
        if (!value.isArray())
            throw Refusal{tr("\"portals\" is not a list of doors")};
        QList<QLineF> portals;
        const QJsonArray list = value.toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString where = tr("portal %1").arg(i + 1);
            const QJsonArray bounds = list[i].toObject().value(QStringLiteral("bounds")).toArray();
            if (bounds.size() != 2)
                throw Refusal{tr("%1 has no \"bounds\" of two points").arg(where)};
            portals << QLineF(point(bounds[0], where), point(bounds[1], where));
        }
        return portals;
    }

private:
    QPointF m_origin;
    QSizeF m_mapSize;
    qsizetype m_points = 0;
};

UniversalVtt parse(const QByteArray &bytes)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw Refusal{tr("not valid JSON at character %1: %2").arg(QString::number(parseError.offset), parseError.errorString())};
    const QJsonObject json = document.object();
    if (!document.isObject())
        throw Refusal{tr("not a JSON object")};
    if (const QJsonValue format = json.value(QStringLiteral("format")); !format.isUndefined())
        numberOf(format, QStringLiteral("\"format\""));

    const QJsonValue resolutionValue = json.value(QStringLiteral("resolution"));
    if (!resolutionValue.isObject())
        throw Refusal{tr("\"resolution\" is missing")};
    const QJsonObject resolution = resolutionValue.toObject();
    UniversalVtt map;
    const QJsonValue pixels = resolution.value(QStringLiteral("pixels_per_grid"));
    const double pixelsPerGrid = pixels.toDouble();
    if (!pixels.isDouble() || !(pixelsPerGrid >= 1) || pixelsPerGrid > 8192 || pixelsPerGrid != std::floor(pixelsPerGrid))
        throw Refusal{tr("\"pixels_per_grid\" is not a whole number of pixels from 1 to 8192")};
    map.pixelsPerGrid = int(pixelsPerGrid);
    const QPointF size = pointOf(resolution.value(QStringLiteral("map_size")), QStringLiteral("\"map_size\""));
    if (!(size.x() > 0) || !(size.y() > 0) || size.x() > 8192 || size.y() > 8192)
        throw Refusal{tr("\"map_size\" is not a size of 1 to 8192 cells")};
    map.mapSize = {size.x(), size.y()};
    QPointF origin;
    if (const QJsonValue value = resolution.value(QStringLiteral("map_origin")); !value.isUndefined())
        origin = pointOf(value, QStringLiteral("\"map_origin\""));
    // Grid lines lie on whole values.
    map.firstGridLine = QPointF(std::ceil(origin.x()), std::ceil(origin.y())) - origin;

    Reader reader(origin, map.mapSize);
    map.walls = reader.walls(json, QStringLiteral("line_of_sight"));
    map.walls += reader.walls(json, QStringLiteral("objects_line_of_sight"));
    map.portals = reader.portals(json);

    const QJsonValue image = json.value(QStringLiteral("image"));
    if (!image.isString() || image.toString().isEmpty())
        throw Refusal{tr("there is no picture in \"image\"")};
    QByteArray base64 = image.toString().toLatin1();
    base64.removeIf([](char c) { return c == '\n' || c == '\r' || c == ' '; });
    auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        throw Refusal{tr("the picture in \"image\" is not base64")};
    map.image = std::move(decoded.decoded);
    return map;
}

QJsonObject pointJson(QPointF p)
{
    return {{QStringLiteral("x"), p.x()}, {QStringLiteral("y"), p.y()}};
}

} // namespace

UniversalVttRead parseUniversalVtt(const QByteArray &json)
{
    UniversalVttRead read;
    try {
        read.map = parse(json);
    } catch (const Refusal &refusal) {
        read.error = refusal.reason;
    }
    return read;
}

QByteArray universalVttJson(const QImage &picture, const VttExport &map)
{
    const int pixelsPerGrid = std::max(1, int(std::lround(map.cellSize)));
    // A value v is the pixel (v - origin) * pixels_per_grid, and grid lines lie
    // on whole values.
    const QPointF origin(-std::fmod(map.gridOrigin.x(), pixelsPerGrid) / pixelsPerGrid,
                         -std::fmod(map.gridOrigin.y(), pixelsPerGrid) / pixelsPerGrid);
    const auto cells = [&](QPointF pixel) { return pointJson(pixel / pixelsPerGrid + origin); };

    QJsonArray walls;
    for (const QPolygonF &room : map.rooms) {
        QJsonArray wall;
        for (QPointF corner : room)
            wall.append(cells(corner));
        if (!room.isEmpty() && !room.isClosed())
            wall.append(cells(room.first()));
        walls.append(wall);
    }
    QJsonArray portals;
    for (const QLineF &door : map.doors) {
        portals.append(QJsonObject{
                {QStringLiteral("position"), cells(door.center())},
                {QStringLiteral("bounds"), QJsonArray{cells(door.p1()), cells(door.p2())}},
                {QStringLiteral("rotation"), std::atan2(door.dy(), door.dx())},
                {QStringLiteral("closed"), true},
                {QStringLiteral("freestanding"), false},
        });
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");

    const QJsonObject json{
            {QStringLiteral("format"), 0.3},
            {QStringLiteral("resolution"),
             QJsonObject{{QStringLiteral("map_origin"), pointJson(origin)},
                         {QStringLiteral("map_size"), pointJson(QPointF(picture.width(), picture.height()) / pixelsPerGrid)},
                         {QStringLiteral("pixels_per_grid"), pixelsPerGrid}}},
            {QStringLiteral("line_of_sight"), walls},
            {QStringLiteral("objects_line_of_sight"), QJsonArray()},
            {QStringLiteral("portals"), portals},
            {QStringLiteral("environment"),
             QJsonObject{{QStringLiteral("baked_lighting"), true}, {QStringLiteral("ambient_light"), QStringLiteral("ffffffff")}}},
            {QStringLiteral("lights"), QJsonArray()},
            {QStringLiteral("image"), QString::fromLatin1(png.toBase64())},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

} // namespace Import
