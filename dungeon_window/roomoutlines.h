#pragma once

#include <QTransform>
#include <QWidget>

class Fog;

// Over the board's map, without hiding it: a thin outline around each room
// the players can see, brighter for the room they are in. Takes no presses.
// Rooms are in map pixels, drawn through the map's transform to the box.
class RoomOutlines : public QWidget
{
    Q_OBJECT

public:
    RoomOutlines(const Fog *fog, QWidget *map);

    void setMapTransform(const QTransform &mapToBox);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const Fog *m_fog;
    QTransform m_mapToBox;
};
