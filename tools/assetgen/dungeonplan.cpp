#include "dungeonplan.h"

#include "kit/spots.h"

#include <QPainterPath>
#include <QSet>

#include <algorithm>

namespace DungeonPlan {

namespace {

// The dungeon, keyed by hand in the plan's text (see plan/plandrawing.h).
constexpr char Plan[] = R"(
+-+-+-+-+-+-+                 +-+-+-+-+
|. . . . . .|        =        |. . . .|
+           +   +-+-+d+-+-+-+ +       +-+-+
|. . . . . .|   |. . . . . .| |. . w .d. .|
+-+-+d+-+-+d+-+ +   o   o   + +       +   +
|. . . .|. . .d.d. . . . . .| |. . . .|. .|
+       +     + +           + +d+-+-+-+   +
|. . . .|. . .|.|. . . . . .|  .|. . .|. .|
+-+d+-+-+-+d+-+ +-+   +d+-+d+-+ +     +   +-+-+-+
   . . . . . . .   . .|.|. . .|.|. . .|. . . . .|
+-+-+d+-+             + +     + +     +         +
|. . . .|      .   = =|a|. . .d.d. . .|. . . . .|
+       +             +-+     + +     +-+-+-+d+-+
|. . . .|      .   = =  |. . .|.|. . .d. . . . .|
+       +               +-+-+-+ +     +         +
|. . . .|      .   . .         .|. . .|. . . . .|
+-+d+-+-+       +-+: :+-+-+-+   +-+-+-+-+-+d+-+-+
   .           .|. . . . . .|  .        |. .|. .|
                +           +           +   +   +
   .           .|. . . . . .|  .        |. .|. .|
                +   o   o   +           +   +   +
   .           .|. . . . . .|  .        |. .d. .|
                +           +           +-+-+   +
   .           .d. . . . . .d. .            |. .|
+-+d+-+-+-+-+-+ +   o   o   + +-+-+-+-+-+-+-+d+-+
|. . . .|. . .|.|. . . . . .| |. . . .|. . . . .|
+       +     + +           + +       +         +
|. . . .d. . .d.|. . . . . .| |. . . .d. . . . .|
+       +     + +-+ o   o +-+ +       + o   o   +
|. . . .|. . .|.  |. . . .|   |. . . .|. . . . .|
+       +     +   +-+d+d+-+   +       +         +
|. . . .|. . .|. . . . . . . .d. . . .|. . . . .|
+-+-+d+-+-+-+-+ +-+d+-+-+d+-+ +-+-+d+-+ o   o   +
|. . . .|      .|. . .|. . .| |.|. . .|. . . . .|
+       +       +     +     + + +     +         +
|. . . .|      .|. . .d. . .| |. . . .d. . . . .|
+-+d+-+-+-+     +     +     + +       +-o   o   +
|. . . . .|    .|. . .|. . .| |. . . .| |. . . .|
+         +     +-+-+-+     + +-+-+-+-+ +       +
|. . . . .d. . .      |. . .|           |. . . .|
+-+-+d+-+-+           +-+-+d+-+         +-+-+d+-+
     .         .        |. . .|         |. . . .|
                        +     +         +       +
     .         .        |. . .d. . . . .d. . . .|
              +d+-+-+-+ +     +         +       +
     .        |. . . .d.d. . .|         |. . . .|
              +       + +-+d+-+         +       +
     .        |. . . .|    .            |. . . .|
              +-+d+-+-+               +-+-+d+-+-+
     .        |. . . .|    .          |. . . .|
  +-+d+-+     +       + +-+d+-+-+     +       +-+
  |. . .d. . .d. . . .| |. . . .|     |. . . . .|
  +     +     +       + +       +     +         +
  |. . .|     |. . . .| |. . . .d. . .d. . . . .|
  +     +     +-+-+d+-+ +       +     +       +-+
  |. . .|          .    |. . . .|.    |. . . .|
+-+d+-+-+-+-+-+         +-+d+-+-+     +-+-+-+-+
|. .|. .|. . .|    .       .     .
+   +   +     +-+-+d+-+       +-+d+-+-+
|. . . .|. c .|. . . .|    =  |. . . .|
+       +     +       +-+-+   +       +
|. c c .d. c .d. . . . . .|   |. . . .|
+       +     +           +   +       +
|. . . .|. . .|. . . . . .|   |. . . .|
+-+-+-+-+-+-+-+-+-+-+-+-+-+   +-+-+-+-+
)";

// More floor than the largest room holds means the fill has run out into the corridors.
constexpr qsizetype MaxRoomCells = 64;

bool isFloor(const QStringList &plan, QPoint cell)
{
    return cell.x() >= 0 && cell.y() >= 0 && cell.x() < Columns && cell.y() < Rows
           && plan[2 * cell.y() + 1][2 * cell.x() + 1] != u' ';
}

// The cells of the room holding `start`, walking through open edges only.
QSet<QPoint> roomCells(const QStringList &plan, QPoint start)
{
    QSet<QPoint> room;
    QList<QPoint> todo{start};
    while (!todo.isEmpty() && room.size() <= MaxRoomCells) {
        const QPoint cell = todo.takeLast();
        if (room.contains(cell) || !isFloor(plan, cell))
            continue;
        room.insert(cell);
        const int line = 2 * cell.y() + 1, column = 2 * cell.x() + 1;
        const auto open = [&](int l, int c) { return plan[l][c] == u' '; };
        if (open(line, column + 1))
            todo.append(cell + QPoint(1, 0));
        if (open(line, column - 1))
            todo.append(cell - QPoint(1, 0));
        if (open(line + 1, column))
            todo.append(cell + QPoint(0, 1));
        if (open(line - 1, column))
            todo.append(cell - QPoint(0, 1));
    }
    return room;
}

// The outline of the cells, without the corners that lie on a straight edge.
QPolygonF outlineOf(const QSet<QPoint> &cells)
{
    // In a fixed order, so that the same plan always gives the same outline.
    QList<QPoint> ordered(cells.begin(), cells.end());
    std::sort(ordered.begin(), ordered.end(), [](QPoint a, QPoint b) {
        return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
    });
    QPainterPath area;
    for (QPoint cell : ordered)
        area.addRect(lineX(cell.x()), lineY(cell.y()), Pitch, Pitch);
    const QList<QPolygonF> outlines = area.simplified().toFillPolygons();
    if (outlines.size() != 1)
        return {};
    QPolygonF corners = outlines.first();
    corners.removeLast(); // closed: the last point repeats the first
    QPolygonF outline;
    for (qsizetype i = 0; i < corners.size(); ++i) {
        const QPointF before = corners[(i + corners.size() - 1) % corners.size()];
        const QPointF after = corners[(i + 1) % corners.size()];
        const QPointF here = corners[i];
        const bool straight = (before.x() == here.x() && here.x() == after.x())
                              || (before.y() == here.y() && here.y() == after.y());
        if (!straight)
            outline << here;
    }
    return outline;
}

} // namespace

QStringList planLines()
{
    QStringList lines = QString::fromLatin1(Plan).split(u'\n');
    lines.removeFirst(); // the raw string starts with a line break
    lines.removeLast();
    if (lines.size() != 2 * Rows + 1)
        qFatal("dungeon plan: the plan has %lld lines, not %d", qlonglong(lines.size()), 2 * Rows + 1);
    for (QString &line : lines) {
        if (line.size() > 2 * Columns + 1)
            qFatal("dungeon plan: plan line too long: %s", qPrintable(line));
        line = line.leftJustified(2 * Columns + 1);
    }
    return lines;
}

QMap<int, QPolygonF> roomOutlines()
{
    const QStringList plan = planLines();
    QMap<int, QPolygonF> rooms;
    for (int n = 1; n <= Map::SpotCount; ++n) {
        const QPoint centre = Map::Spots[n - 1].center();
        const QSet<QPoint> cells = roomCells(plan, {(centre.x() - FirstLineX) / Pitch, (centre.y() - FirstLineY) / Pitch});
        if (cells.isEmpty() || cells.size() > MaxRoomCells)
            continue;
        if (const QPolygonF outline = outlineOf(cells); !outline.isEmpty())
            rooms.insert(n, outline);
    }
    return rooms;
}

} // namespace DungeonPlan
