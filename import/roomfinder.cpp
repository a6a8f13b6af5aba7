#include "roomfinder.h"

#include <QRectF>

#include <algorithm>
#include <cmath>
#include <vector>

// 1. The walls and doors are drawn onto a raster of a tenth of a cell (at most
//    MaxRasterSide a side), each as a 4-connected run of cells, so no floor
//    leaks between two of its cells.
// 2. The floor is split into 4-connected regions; a region touching the edge
//    of the raster is the outside.
// 3. A chamfer distance transform gives each floor cell its distance from
//    the nearest wall: a room's spot goes where that is largest.
// 4. Each room's outer edge is followed along the raster's cell edges and
//    simplified (Douglas-Peucker) to at most MaxRoomCorners corners.
namespace Import {

namespace {

constexpr int StepsPerCell = 10;
constexpr int MaxRasterSide = 2048;
constexpr int Wall = -1;

struct Raster
{
    int width = 0;
    int height = 0;
    double step = 1; // pixels a raster cell
    std::vector<int> label; // Wall, 0 for floor not yet visited, else the region

    int &at(int x, int y) { return label[size_t(y) * size_t(width) + size_t(x)]; }
    int at(int x, int y) const { return label[size_t(y) * size_t(width) + size_t(x)]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Liang-Barsky: the part of the line inside `box`, or false when none is.
bool clip(QLineF &line, const QRectF &box)
{
    double t0 = 0, t1 = 1;
    const double dx = line.dx(), dy = line.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(),
                         box.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    line = QLineF(line.pointAt(t0), line.pointAt(t1));
    return true;
}

// Every raster cell the line passes through (Amanatides-Woo), stepping one
// axis at a time.
void drawBarrier(Raster &raster, QLineF line)
{
    if (!clip(line, QRectF(0, 0, raster.width * raster.step, raster.height * raster.step)))
        return;
    const QPointF a = line.p1() / raster.step, b = line.p2() / raster.step;
    const auto cellOf = [&](double v, int limit) { return std::clamp(int(std::floor(v)), 0, limit - 1); };
    int x = cellOf(a.x(), raster.width), y = cellOf(a.y(), raster.height);
    const int endX = cellOf(b.x(), raster.width), endY = cellOf(b.y(), raster.height);
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const int stepX = dx > 0 ? 1 : -1, stepY = dy > 0 ? 1 : -1;
    const double deltaX = dx != 0 ? std::abs(1 / dx) : INFINITY;
    const double deltaY = dy != 0 ? std::abs(1 / dy) : INFINITY;
    double nextX = dx != 0 ? std::abs(((stepX > 0 ? x + 1 : x) - a.x()) / dx) : INFINITY;
    double nextY = dy != 0 ? std::abs(((stepY > 0 ? y + 1 : y) - a.y()) / dy) : INFINITY;
    raster.at(x, y) = Wall;
    // Bounded by the cells between the ends, whatever rounding does.
    for (int left = std::abs(endX - x) + std::abs(endY - y); left > 0; --left) {
        if (nextX < nextY && x != endX) {
            x += stepX;
            nextX += deltaX;
        } else if (y != endY) {
            y += stepY;
            nextY += deltaY;
        } else {
            x += stepX;
            nextX += deltaX;
        }
        raster.at(x, y) = Wall;
    }
}

struct Region
{
    int cells = 0;
    bool outside = false;
    QPoint first;    // its first cell in reading order, on its outer edge
    QPointF middle;  // the mean of its cells
    QPoint deepest;  // the cell farthest from the walls, nearest the middle among equals
    int depth = -1;
};

std::vector<Region> labelRegions(Raster &raster)
{
    std::vector<Region> regions(1); // region 0 is no region
    std::vector<QPoint> todo;
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            if (raster.at(x, y) != 0)
                continue;
            const int id = int(regions.size());
            Region region;
            region.first = {x, y};
            raster.at(x, y) = id;
            todo.push_back({x, y});
            while (!todo.empty()) {
                const QPoint cell = todo.back();
                todo.pop_back();
                ++region.cells;
                region.middle += cell;
                if (cell.x() == 0 || cell.y() == 0 || cell.x() == raster.width - 1 || cell.y() == raster.height - 1)
                    region.outside = true;
                for (QPoint next : {cell + QPoint(1, 0), cell - QPoint(1, 0), cell + QPoint(0, 1), cell - QPoint(0, 1)}) {
                    if (raster.inside(next.x(), next.y()) && raster.at(next.x(), next.y()) == 0) {
                        raster.at(next.x(), next.y()) = id;
                        todo.push_back(next);
                    }
                }
            }
            region.middle /= region.cells;
            regions.push_back(region);
        }
    }
    return regions;
}

// The 3-4 chamfer distance to the nearest wall or edge, and each region's deepest cell.
void findDeepestCells(const Raster &raster, std::vector<Region> &regions)
{
    std::vector<int> distance(raster.label.size());
    const auto d = [&](int x, int y) -> int & { return distance[size_t(y) * size_t(raster.width) + size_t(x)]; };
    constexpr int Far = 1 << 29;
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            int best = raster.at(x, y) == Wall ? 0 : Far;
            if (best && x > 0)
                best = std::min(best, d(x - 1, y) + 3);
            if (best && y > 0) {
                best = std::min(best, d(x, y - 1) + 3);
                if (x > 0)
                    best = std::min(best, d(x - 1, y - 1) + 4);
                if (x + 1 < raster.width)
                    best = std::min(best, d(x + 1, y - 1) + 4);
            }
            d(x, y) = (x == 0 || y == 0) && best ? std::min(best, 3) : best;
        }
    }
    for (int y = raster.height - 1; y >= 0; --y) {
        for (int x = raster.width - 1; x >= 0; --x) {
            int best = d(x, y);
            if (x + 1 < raster.width)
                best = std::min(best, d(x + 1, y) + 3);
            else
                best = std::min(best, 3);
            if (y + 1 < raster.height) {
                best = std::min(best, d(x, y + 1) + 3);
                if (x + 1 < raster.width)
                    best = std::min(best, d(x + 1, y + 1) + 4);
                if (x > 0)
                    best = std::min(best, d(x - 1, y + 1) + 4);
            } else {
                best = std::min(best, 3);
            }
            d(x, y) = best;
            if (const int id = raster.at(x, y); id > 0) {
                Region &region = regions[size_t(id)];
                const auto fromMiddle = [&region](QPoint cell) {
                    const QPointF d = QPointF(cell) - region.middle;
                    return d.x() * d.x() + d.y() * d.y();
                };
                if (best > region.depth || (best == region.depth && fromMiddle({x, y}) < fromMiddle(region.deepest))) {
                    region.depth = best;
                    region.deepest = {x, y};
                }
            }
        }
    }
}

// The outer edge of the region, walked along cell edges with the region on
// the right, from the top edge of its first cell; a corner wherever the walk
// turns, in raster units.
QPolygonF outerEdge(const Raster &raster, int id, QPoint first)
{
    const auto in = [&](int x, int y) { return raster.inside(x, y) && raster.at(x, y) == id; };
    // Nothing lies above or left of the first cell, so its top left corner
    // is met once, coming up the cell's left edge.
    const QPoint start = first;
    QPoint at = start, direction(0, -1);
    QPolygonF corners;
    for (size_t left = 4 * raster.label.size() + 4; left > 0; --left) {
        const QPoint right(-direction.y(), direction.x());
        // The cells ahead of the corner `at`, to the right and to the left of the walk.
        const QPoint aheadRight = at + QPoint((direction.x() + right.x() - 1) / 2, (direction.y() + right.y() - 1) / 2);
        const QPoint aheadLeft = at + QPoint((direction.x() - right.x() - 1) / 2, (direction.y() - right.y() - 1) / 2);
        QPoint turned = direction;
        if (!in(aheadRight.x(), aheadRight.y()))
            turned = right;
        else if (in(aheadLeft.x(), aheadLeft.y()))
            turned = -right;
        if (turned != direction) {
            if (at == start && !corners.isEmpty())
                break;
            corners << QPointF(at);
        }
        direction = turned;
        at += direction;
    }
    return corners;
}

double distanceToLine(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length = std::hypot(ab.x(), ab.y());
    if (length == 0)
        return std::hypot(p.x() - a.x(), p.y() - a.y());
    return std::abs(ab.x() * (a.y() - p.y()) - ab.y() * (a.x() - p.x())) / length;
}

void keepFarthest(const QPolygonF &points, qsizetype from, qsizetype to, double tolerance, std::vector<bool> &keep)
{
    double farthest = 0;
    qsizetype index = -1;
    for (qsizetype i = from + 1; i < to; ++i) {
        if (const double d = distanceToLine(points[i], points[from], points[to % points.size()]); d > farthest) {
            farthest = d;
            index = i;
        }
    }
    if (index < 0 || farthest <= tolerance)
        return;
    keep[size_t(index)] = true;
    keepFarthest(points, from, index, tolerance, keep);
    keepFarthest(points, index, to, tolerance, keep);
}

// Douglas-Peucker on the closed outline, split at its first corner and the
// corner farthest from it, the tolerance doubled until few enough corners stay.
QPolygonF simplified(const QPolygonF &outline, double tolerance)
{
    if (outline.size() <= 3)
        return outline;
    qsizetype opposite = 1;
    for (qsizetype i = 1; i < outline.size(); ++i) {
        if (QLineF(outline[0], outline[i]).length() > QLineF(outline[0], outline[opposite]).length())
            opposite = i;
    }
    for (;; tolerance *= 2) {
        std::vector<bool> keep(size_t(outline.size()), false);
        keep[0] = keep[size_t(opposite)] = true;
        keepFarthest(outline, 0, opposite, tolerance, keep);
        keepFarthest(outline, opposite, outline.size(), tolerance, keep);
        QPolygonF result;
        for (qsizetype i = 0; i < outline.size(); ++i) {
            if (keep[size_t(i)])
                result << outline[i];
        }
        if (result.size() <= MaxRoomCorners)
            return result;
    }
}

} // namespace

FoundRooms findRooms(QSize mapSize, double cellSize, const QList<QLineF> &barriers, int keep)
{
    FoundRooms found;
    if (mapSize.isEmpty() || !(cellSize > 0))
        return found;
    Raster raster;
    raster.step = std::max(cellSize / StepsPerCell, double(std::max(mapSize.width(), mapSize.height())) / MaxRasterSide);
    raster.width = std::max(1, int(std::ceil(mapSize.width() / raster.step)));
    raster.height = std::max(1, int(std::ceil(mapSize.height() / raster.step)));
    raster.label.assign(size_t(raster.width) * size_t(raster.height), 0);
    for (const QLineF &barrier : barriers)
        drawBarrier(raster, barrier);

    std::vector<Region> regions = labelRegions(raster);
    findDeepestCells(raster, regions);

    const double cellArea = raster.step * raster.step;
    for (size_t id = 1; id < regions.size(); ++id) {
        const Region &region = regions[id];
        const double area = region.cells * cellArea;
        if (region.outside || area <= 2 * cellSize * cellSize)
            continue;
        // The raster may reach past the map by less than a raster cell.
        const auto onMap = [mapSize](QPointF p) {
            return QPointF(std::min(p.x(), double(mapSize.width())), std::min(p.y(), double(mapSize.height())));
        };
        FoundRoom room;
        room.area = area;
        room.spot = onMap((QPointF(region.deepest) + QPointF(0.5, 0.5)) * raster.step);
        const QPolygonF edge = outerEdge(raster, int(id), region.first);
        for (QPointF corner : simplified(edge, 0.75))
            room.outline << onMap(corner * raster.step);
        found.rooms << room;
    }

    std::stable_sort(found.rooms.begin(), found.rooms.end(),
                     [](const FoundRoom &a, const FoundRoom &b) { return a.area > b.area; });
    if (found.rooms.size() > keep) {
        found.leftOut = int(found.rooms.size()) - keep;
        found.rooms.resize(keep);
    }
    // Reading order: rooms whose tops stand on one grid line go left to right.
    std::stable_sort(found.rooms.begin(), found.rooms.end(), [cellSize](const FoundRoom &a, const FoundRoom &b) {
        const QRectF ra = a.outline.boundingRect(), rb = b.outline.boundingRect();
        return std::pair(std::lround(ra.top() / cellSize), ra.left())
               < std::pair(std::lround(rb.top() / cellSize), rb.left());
    });
    return found;
}

} // namespace Import
