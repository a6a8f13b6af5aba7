#pragma once

#include "plan/plandrawing.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

// The JSON a one-page dungeon generator writes:
//   { "title": "...", "story": "...",
//     "rects": [ {"x": 0, "y": 0, "w": 5, "h": 3}, ... ],
//     "doors": [ {"x": 2, "y": 3, "dir": {"x": 0, "y": 1}, "type": 1}, ... ],
//     "notes": [ {"text": "...", "ref": "1", "pos": {"x": 2.5, "y": 1.5}}, ... ],
//     "columns": [ {"x": 1, "y": 1}, ... ], "water": [ {"x": 3, "y": 1}, ... ] }
// in cells, which may be negative. Its numbered notes are the encounters.
namespace Import {

struct OnePageNote
{
    QString text;
    QString ref;   // "1", "2", ...: the encounter's number
    QPointF at;    // in cells
};

struct OnePageDoor
{
    QPoint cell;
    QPoint direction; // the way through the door
};

struct OnePageDungeon
{
    QString title;
    QString story;
    QList<QRect> rects; // rooms and corridors, in cells
    QList<OnePageDoor> doors;
    QList<OnePageNote> notes;
    QList<QPointF> columns;
    QList<QPoint> water;
};

struct OnePageRead
{
    OnePageDungeon dungeon;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Reads and checks the JSON: whole cells where cells belong, at most
// MaxOnePageItems items and MaxOnePageSide cells across.
constexpr qsizetype MaxOnePageItems = 20'000;
constexpr int MaxOnePageSide = 400;
OnePageRead parseOnePageDungeon(const QByteArray &json);

// The dungeon as a plan of the shared drawing (see plan/plandrawing.h), with
// a cell of rock all round, and where it lies on its picture.
struct OnePagePlan
{
    QStringList lines;
    PlanDrawing::PlanGrid grid;
    QPoint firstCell; // the dungeon's cell at the plan's top left

    QSize pictureSize() const;
    QPointF pixel(QPointF cells) const;
};
OnePagePlan planOf(const OnePageDungeon &dungeon);

} // namespace Import
