#pragma once

#include "fog.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>

#include <functional>


// A party marker as the players see it, in map pixels.
struct PartyMarker
{
    QRectF place;
    QColor colour;
};

// What the players' screen shows of the game master's board: the map of the
// dungeon on display without the game master's marks, the fog over it and the
// party markers on it.
class PlayerTable : public QObject
{
    Q_OBJECT

public:
    explicit PlayerTable(QObject *parent = nullptr) : QObject(parent) {}

    // Shows another dungeon. The map is made by makeMap on first use, so a
    // board whose players' screen is never opened never makes it; it is
    // mapSize pixels. The fog belongs to the dungeon on display.
    void setDungeon(std::function<QImage()> makeMap, QSize mapSize, Fog *fog,
                    QList<PartyMarker> markers);

    QImage map() const;
    QSize mapSize() const { return m_mapSize; }
    Fog *fog() const { return m_fog; }

    const QList<PartyMarker> &markers() const { return m_markers; }
    void moveMarker(int index, const QRectF &place);
    // A marker still below the map's last row is off the map, out of sight.
    bool isOnMap(int index) const { return m_markers[index].place.top() < m_mapSize.height(); }

    // F8: the players see nothing at all for a moment; reveals and moves are
    // still taken and show when the picture comes back.
    bool isBlackedOut() const { return m_blackedOut; }
    void setBlackedOut(bool blackedOut);

signals:
    void dungeonChanged();
    void fogChanged();
    void markerMoved(int index, const QRectF &previousPlace);
    void blackoutChanged(bool blackedOut);

private:
    std::function<QImage()> m_makeMap;
    mutable QImage m_map;
    QSize m_mapSize;
    QPointer<Fog> m_fog;
    QList<PartyMarker> m_markers;
    bool m_blackedOut = false;
};
