#pragma once

#include "dungeon/dungeondescription.h"

#include <QWidget>

#include <optional>

class MapView;

// Spot placement over a dungeon's own map: a strip of the unplaced numbers
// along the top of the map; drag a number onto the map to place its spot,
// drag a placed spot to move it, Delete unplaces the chosen spot, and clicks
// on the map add corners to the chosen spot's room (a double-click closes the
// outline). Rooms show faintly. The wheel and the right and middle buttons
// still zoom and pan the map beneath. Presses go to nothing else: no
// encounter is chosen and no marker moves while it is open.
class SpotPlacement : public QWidget
{
    Q_OBJECT

public:
    SpotPlacement(const Dungeon::DungeonDescription &description, MapView *map, QWidget *parent);

    const Dungeon::DungeonDescription &description() const { return m_description; }

    // The square of an unplaced number in the strip, in this widget's coordinates.
    QRect stripSquare(int number) const;

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
    QList<int> unplacedNumbers() const;
    int numberInStrip(QPoint point) const; // 0 where there is none
    int spotAt(QPointF point) const;       // 0 where there is none
    QPointF onPicture(QPointF viewPoint) const; // the map place, kept on the picture
    void forwardToMap(QEvent *event);

    Dungeon::DungeonDescription m_description;
    MapView *m_map;
    int m_chosen = 0;   // the spot whose room clicks draw, and Delete unplaces
    int m_dragged = 0;  // the number being dragged from the strip or on the map
    QPointF m_dragAt;
    QPolygonF m_roomInProgress;
};
