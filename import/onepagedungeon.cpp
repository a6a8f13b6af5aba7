#include "onepagedungeon.h"

#include "readerrefusal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace Import {

namespace {

using Reading::Refusal;
using Reading::tr;

constexpr int PixelsPerCell = 30;
constexpr int MaxPictureSide = 8192;
// Far enough for any dungeon that fits MaxOnePageSide, near enough that
// sums of cells never overflow.
constexpr double MaxCoordinate = 100'000;

double numberOf(const QJsonObject &object, const char *key, const QString &where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble() || !(std::abs(value.toDouble()) <= MaxCoordinate))
        throw Refusal{tr("%1 has no number \"%2\"").arg(where, QLatin1String(key))};
    return value.toDouble();
}

int wholeOf(const QJsonObject &object, const char *key, const QString &where)
{
    const double value = numberOf(object, key, where);
    if (value != std::floor(value))
        throw Refusal{tr("%1 has no whole number \"%2\"").arg(where, QLatin1String(key))};
    return int(value);
}

QJsonArray listOf(const QJsonObject &json, const char *key)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (!value.isUndefined() && !value.isArray())
        throw Refusal{tr("\"%1\" is not a list").arg(QLatin1String(key))};
    return value.toArray();
}

OnePageDungeon parse(const QByteArray &bytes)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw Refusal{tr("not valid JSON at character %1: %2").arg(QString::number(parseError.offset), parseError.errorString())};
    if (!document.isObject())
        throw Refusal{tr("not a JSON object")};
    const QJsonObject json = document.object();
    OnePageDungeon dungeon;
    dungeon.title = json.value(QStringLiteral("title")).toString().simplified();
    dungeon.story = json.value(QStringLiteral("story")).toString().trimmed();

    const QJsonArray rects = listOf(json, "rects"), doors = listOf(json, "doors"), notes = listOf(json, "notes"),
                     columns = listOf(json, "columns"), water = listOf(json, "water");
    if (rects.size() + doors.size() + notes.size() + columns.size() + water.size() > MaxOnePageItems)
        throw Refusal{tr("it holds more than %1 rooms, doors, notes, columns and water cells").arg(MaxOnePageItems)};
    if (rects.isEmpty())
        throw Refusal{tr("\"rects\" holds no rooms")};
    for (qsizetype i = 0; i < rects.size(); ++i) {
        const QJsonObject rect = rects[i].toObject();
        const QString where = tr("rect %1").arg(i + 1);
        const QRect cells(wholeOf(rect, "x", where), wholeOf(rect, "y", where), wholeOf(rect, "w", where),
                          wholeOf(rect, "h", where));
        if (cells.width() < 1 || cells.height() < 1)
            throw Refusal{tr("%1 is empty").arg(where)};
        dungeon.rects << cells;
    }
    for (qsizetype i = 0; i < doors.size(); ++i) {
        const QJsonObject door = doors[i].toObject();
        const QString where = tr("door %1").arg(i + 1);
        const QJsonObject direction = door.value(QStringLiteral("dir")).toObject();
        dungeon.doors << OnePageDoor{{wholeOf(door, "x", where), wholeOf(door, "y", where)},
                                     {wholeOf(direction, "x", where), wholeOf(direction, "y", where)}};
    }
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const QJsonObject note = notes[i].toObject();
        const QString where = tr("note %1").arg(i + 1);
        const QJsonObject at = note.value(QStringLiteral("pos")).toObject();
        dungeon.notes << OnePageNote{note.value(QStringLiteral("text")).toString(),
                                     note.value(QStringLiteral("ref")).toVariant().toString(),
                                     {numberOf(at, "x", where), numberOf(at, "y", where)}};
    }
    for (const QJsonValue column : columns) {
        const QJsonObject at = column.toObject();
        dungeon.columns << QPointF(numberOf(at, "x", tr("a column")), numberOf(at, "y", tr("a column")));
    }
    for (const QJsonValue cell : water) {
        const QJsonObject at = cell.toObject();
        dungeon.water << QPoint(wholeOf(at, "x", tr("a water cell")), wholeOf(at, "y", tr("a water cell")));
    }

    QRect bounds;
    for (const QRect &rect : dungeon.rects)
        bounds |= rect;
    if (bounds.width() > MaxOnePageSide || bounds.height() > MaxOnePageSide)
        throw Refusal{tr("its rooms span %1 x %2 cells, more than %3 x %3")
                              .arg(QString::number(bounds.width()), QString::number(bounds.height()),
                                   QString::number(MaxOnePageSide))};
    return dungeon;
}

} // namespace

OnePageRead parseOnePageDungeon(const QByteArray &json)
{
    OnePageRead read;
    try {
        read.dungeon = parse(json);
    } catch (const Refusal &refusal) {
        read.error = refusal.reason;
    }
    return read;
}

QSize OnePagePlan::pictureSize() const
{
    return {grid.lineX(grid.columns) + 1, grid.lineY(grid.rows) + 1};
}

QPointF OnePagePlan::pixel(QPointF cells) const
{
    return QPointF(grid.lineX(0), grid.lineY(0)) + (cells - QPointF(firstCell)) * grid.pitch;
}

OnePagePlan planOf(const OnePageDungeon &dungeon)
{
    QRect bounds;
    for (const QRect &rect : dungeon.rects)
        bounds |= rect;
    bounds.adjust(-1, -1, 1, 1); // rock all round
    OnePagePlan plan;
    plan.firstCell = bounds.topLeft();
    plan.grid.columns = bounds.width();
    plan.grid.rows = bounds.height();
    plan.grid.pitch = std::min(PixelsPerCell, (MaxPictureSide - 1) / std::max(bounds.width(), bounds.height()));
    plan.lines = QStringList(2 * plan.grid.rows + 1, QString(2 * plan.grid.columns + 1, u' '));

    const auto cellAt = [&](QPoint cell) -> QChar * {
        const QPoint p = cell - plan.firstCell;
        if (p.x() < 0 || p.y() < 0 || p.x() >= plan.grid.columns || p.y() >= plan.grid.rows)
            return nullptr;
        return &plan.lines[2 * p.y() + 1][2 * p.x() + 1];
    };
    const auto isFloor = [&](QPoint cell) {
        const QChar *c = cellAt(cell);
        return c && *c != u' ';
    };
    for (const QRect &rect : dungeon.rects) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                *cellAt({x, y}) = u'.';
        }
    }
    for (QPoint cell : dungeon.water) {
        if (isFloor(cell))
            *cellAt(cell) = u'~';
    }
    // Walls wherever floor meets rock.
    for (int r = 0; r < plan.grid.rows; ++r) {
        for (int c = 0; c < plan.grid.columns; ++c) {
            const QPoint cell = plan.firstCell + QPoint(c, r);
            if (isFloor(cell) != isFloor(cell + QPoint(1, 0)))
                plan.lines[2 * r + 1][2 * c + 2] = u'|';
            if (isFloor(cell) != isFloor(cell + QPoint(0, 1)))
                plan.lines[2 * r + 2][2 * c + 1] = u'-';
        }
    }
    // A door stands across its cell's edge the way through it leads.
    for (const OnePageDoor &door : dungeon.doors) {
        const QPoint p = door.cell - plan.firstCell;
        if (!isFloor(door.cell))
            continue;
        if (door.direction.x() != 0 && door.direction.y() == 0)
            plan.lines[2 * p.y() + 1][2 * p.x() + 1 + (door.direction.x() > 0 ? 1 : -1)] = u'D';
        else if (door.direction.y() != 0 && door.direction.x() == 0)
            plan.lines[2 * p.y() + 1 + (door.direction.y() > 0 ? 1 : -1)][2 * p.x() + 1] = u'D';
    }
    for (QPointF column : dungeon.columns) {
        const QPoint p = QPoint(int(std::lround(column.x())), int(std::lround(column.y()))) - plan.firstCell;
        if (p.x() >= 0 && p.y() >= 0 && p.x() <= plan.grid.columns && p.y() <= plan.grid.rows)
            plan.lines[2 * p.y()][2 * p.x()] = u'o';
    }
    return plan;
}

} // namespace Import
