#pragma once

#include "fogstate.h"

#include <QHash>
#include <QObject>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

namespace Storage {
class FileFollower;
}
class QUndoCommand;

// The fog over one dungeon's map: which rooms the players see, each room's
// shape on the map, and the table file that keeps them between sessions.
class Fog : public QObject
{
    Q_OBJECT

public:
    // Rooms are outlines in map pixels, named by their spot, areas by
    // FogState::area(). A spot without an outline reveals a circle of
    // fallbackRadius about its centre.
    Fog(QHash<int, QPolygonF> rooms, QHash<int, QPointF> spotCentres, qreal fallbackRadius,
        QObject *parent = nullptr);

    // Takes the state kept in a table file (see TableFile), which every later
    // change rewrites, and follows the file when another copy of the program
    // changes it. A file that cannot be read leaves the fog hidden and is
    // never written; the reason is returned, empty when there is none.
    QString load(const QString &tableFile);

    const FogState &state() const { return m_state; }
    // Shows the new state and keeps it in the table file; a failed write is
    // reported by saveFailed.
    void setState(const FogState &state);
    // Applies the change from `from` to `to` to the state now, and to what
    // the table file holds now: rooms another copy revealed meanwhile stay.
    void applyChange(const FogState &from, const FogState &to);

    // New outlines and spot centres, when the spots are placed anew; what is
    // revealed stays revealed.
    void setRooms(QHash<int, QPolygonF> rooms, QHash<int, QPointF> spotCentres);

    // The room of a spot, or an area, on the map; empty for a spot with
    // neither outline nor centre.
    QPainterPath room(int spot) const;
    // The room or area at a map place, 0 where there is none: an outline
    // before a circle about a spot, a spot's room before an area.
    int roomAt(QPointF mapPoint) const;

    // An undo step from the state now to `next`; applied when pushed.
    QUndoCommand *change(const FogState &next, const QString &text);

signals:
    // Also when the file changed under another copy of the program.
    void changed(const FogState &previous);
    void roomsChanged();
    void saveFailed(const QString &message);

private:
    QHash<int, QPolygonF> m_rooms;
    QHash<int, QPointF> m_spotCentres;
    qreal m_fallbackRadius;
    FogState m_state;
    void show(const FogState &state);
    void followFile();

    QString m_tableFile; // empty while nothing may be written
    Storage::FileFollower *m_follower = nullptr;
};
