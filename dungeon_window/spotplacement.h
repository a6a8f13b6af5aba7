#pragma once

#include "dungeon/dungeondescription.h"

#include <QLineF>
#include <QWidget>

#include <optional>

class MapView;

// Spot placement over the board's map. On a map of the dungeon's own, a
// strip of the unplaced numbers stands above the map: drag a number onto the
// map to place its spot, drag a placed spot to move it, Delete unplaces the
// chosen spot. On the built-in map the spots stay where the map has them.
// On either, clicks on the map add corners to an outline, a double-click
// closes it: the chosen spot's room, or with no spot chosen (A lets go of
// it) an area, a part of the map that holds no encounter. Ctrl+click chooses
// the room or area under the pointer; Delete removes the chosen area, and on
// the built-in map the chosen spot's room; Backspace takes back the last
// corner. Rooms and areas show faintly. Shift and a drag across a few
// squares of the map's own printed grid, then how many they are, give the
// dungeon its grid, shown faintly. The wheel and the right and middle
// buttons still zoom and pan an own map beneath. Presses go to nothing else:
// no encounter is chosen and no marker moves while it is open.
class SpotPlacement : public QWidget
{
    Q_OBJECT

public:
    // `map` is the own map beneath, or null on the built-in map, whose
    // pixels are the parent's. `takenAreas` are area numbers a new area must
    // not get, e.g. those the players saw of an area removed since.
    SpotPlacement(const Dungeon::DungeonDescription &description, MapView *map, const QList<int> &takenAreas,
                  QWidget *parent);

    const Dungeon::DungeonDescription &description() const { return m_description; }

    // The square of an unplaced number in the strip, in this widget's coordinates.
    QRect stripSquare(int number) const;
    // The band along the top that the strip takes, whole before any number
    // is placed; empty on the built-in map.
    QRect stripArea() const;

signals:
    void spotsChanged(); // a spot was placed, moved or unplaced
    void saveRequested();    // Enter
    void discardRequested(); // Escape

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool spotsFixed() const { return !m_map; }
    QList<int> unplacedNumbers() const;
    int numberInStrip(QPoint point) const; // 0 where there is none
    QRectF spotSquare(int spot) const;     // in this widget, empty for an unplaced spot
    int spotAt(QPointF point) const;       // 0 where there is none
    // The spot whose room, or the area (negative) whose outline, is under the point; 0 for none.
    int outlineAt(QPointF point) const;
    QPointF toView(QPointF mapPoint) const;
    QPointF onPicture(QPointF viewPoint) const; // the map place, kept on the picture
    int newAreaNumber() const;                  // 0 when every number is taken
    void closeOutline();
    void removeChosen();
    // Asks how many grid squares the line crosses along its longer axis.
    void measureGrid(const QLineF &line);
    void drawGrid(QPainter &painter) const;
    void forwardToMap(QEvent *event);

    Dungeon::DungeonDescription m_description;
    MapView *m_map;
    QList<int> m_takenAreas;
    int m_chosen = 0;   // a spot, or minus an area number; 0 with none
    int m_dragged = 0;  // the number being dragged from the strip or on the map
    QPointF m_dragAt;
    QPolygonF m_outlineInProgress;
    std::optional<QLineF> m_measure; // map pixels, while Shift and the left button drag
};
