#include "plandrawing.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace PlanDrawing {

namespace {

void drawFloors(QPainter &painter, const QStringList &plan, const PlanGrid &g)
{
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.columns; ++c) {
            // Floors take in the grid lines around them, so a corridor's
            // open side runs along a line.
            const QChar cell = plan[2 * r + 1][2 * c + 1];
            if (cell != u' ')
                painter.fillRect(g.lineX(c), g.lineY(r), g.pitch + 1, g.pitch + 1, QColor(cell == u'~' ? Water : Floor));
        }
    }
}

// A wall is three pixels centred on its grid line and overlaps its
// neighbours by a pixel so corners close. A door leaves the middle open, or
// closes it with a leaf drawn in outline.
void drawWall(QPainter &painter, QPoint from, QPoint to, QChar edge, int pitch)
{
    const QRect wall = QRect(from, to).adjusted(-1, -1, 1, 1);
    const bool door = edge == u'd' || edge == u'D';
    if (!door) {
        painter.fillRect(wall, QColor(Wall));
        return;
    }
    // Six pixels of a 20-pixel cell.
    const int Jamb = pitch * 3 / 10;
    if (from.y() == to.y()) {
        painter.fillRect(QRect(wall.left(), wall.top(), Jamb, 3), QColor(Wall));
        painter.fillRect(QRect(wall.right() - Jamb + 1, wall.top(), Jamb, 3), QColor(Wall));
    } else {
        painter.fillRect(QRect(wall.left(), wall.top(), 3, Jamb), QColor(Wall));
        painter.fillRect(QRect(wall.left(), wall.bottom() - Jamb + 1, 3, Jamb), QColor(Wall));
    }
    if (edge == u'D') {
        const QRect leaf = from.y() == to.y() ? QRect(wall.left() + Jamb, wall.top() - 1, wall.width() - 2 * Jamb, 5)
                                              : QRect(wall.left() - 1, wall.top() + Jamb, 5, wall.height() - 2 * Jamb);
        painter.fillRect(leaf, QColor(Floor));
        painter.setPen(QColor(Wall));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(leaf.adjusted(0, 0, -1, -1));
    }
}

void drawWalls(QPainter &painter, const QStringList &plan, const PlanGrid &g)
{
    for (int j = 0; j <= g.rows; ++j) {
        for (int c = 0; c < g.columns; ++c) {
            const QChar edge = plan[2 * j][2 * c + 1];
            if (edge == u'-' || edge == u'd' || edge == u'D')
                drawWall(painter, {g.lineX(c), g.lineY(j)}, {g.lineX(c + 1), g.lineY(j)}, edge, g.pitch);
        }
    }
    for (int r = 0; r < g.rows; ++r) {
        for (int i = 0; i <= g.columns; ++i) {
            const QChar edge = plan[2 * r + 1][2 * i];
            if (edge == u'|' || edge == u'd' || edge == u'D')
                drawWall(painter, {g.lineX(i), g.lineY(r)}, {g.lineX(i), g.lineY(r + 1)}, edge, g.pitch);
        }
    }
}

void drawFeatures(QPainter &painter, const QStringList &plan, const PlanGrid &g)
{
    painter.setPen(QColor(Wall));
    painter.setBrush(Qt::NoBrush);
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.columns; ++c) {
            const QRect cell(g.lineX(c), g.lineY(r), g.pitch + 1, g.pitch + 1);
            const QPoint centre = cell.center();
            switch (plan[2 * r + 1][2 * c + 1].toLatin1()) {
            case '=': // treads line up with the next cell's, so a flight reads as one
                for (int y = cell.top() + 2; y < cell.bottom(); y += 4)
                    painter.drawLine(cell.left(), y, cell.right(), y);
                break;
            case '"':
                for (int x = cell.left() + 2; x < cell.right(); x += 4)
                    painter.drawLine(x, cell.top(), x, cell.bottom());
                break;
            case 'w':
                painter.drawEllipse(centre, 6, 6);
                painter.drawEllipse(centre, 5, 5);
                break;
            case 'c': // sarcophagus
                painter.drawRect(QRect(centre - QPoint(3, 7), QSize(6, 14)));
                painter.drawLine(centre.x() - 1, centre.y() - 4, centre.x() + 1, centre.y() - 4);
                break;
            case 'a': // altar
                painter.fillRect(QRect(centre - QPoint(5, 2), QSize(11, 5)), QColor(Wall));
                break;
            }
        }
    }
    for (int j = 0; j <= g.rows; ++j) {
        for (int i = 0; i <= g.columns; ++i) {
            if (plan[2 * j][2 * i] != u'o')
                continue;
            const QPoint centre(g.lineX(i), g.lineY(j));
            painter.fillRect(QRect(centre - QPoint(2, 1), QSize(5, 3)), QColor(Wall));
            painter.fillRect(QRect(centre - QPoint(1, 2), QSize(3, 5)), QColor(Wall));
        }
    }
}

} // namespace

void drawPlan(QPainter &painter, const QStringList &plan, const PlanGrid &grid)
{
    drawFloors(painter, plan, grid);
    drawWalls(painter, plan, grid);
    drawFeatures(painter, plan, grid);
}

} // namespace PlanDrawing
