#pragma once

#include "fog/fogstate.h"

#include <QObject>
#include <QPointer>

class BoardMap;
class CurrentDungeon;
class PartyMarkers;
class PlayerTable;
class QUndoStack;
class QWidget;
class RoomOutlines;

// The board's side of what the players see: the players' table of the
// dungeon on display, the rooms and areas revealed and hidden (each a step
// of the board's undo): by the encounter on display, or by Alt+click and
// Alt+Shift+click on the map; and the outlines of the revealed rooms on the
// board's map.
class PlayersSide : public QObject
{
    Q_OBJECT

public:
    PlayersSide(QWidget *mapBox, BoardMap *map, PartyMarkers *markers, CurrentDungeon *dungeon,
                QUndoStack *undo, QObject *parent);

    PlayerTable *table() const { return m_table; }

    // The players' table of the dungeon on display, after it changed.
    void showDungeon();
    // What opening the dungeon found wrong with the table file, told once.
    void tellWhatCannotBeRead();

    // F6, Shift+F6 and Ctrl+Shift+F6, for the encounter on display (0: none),
    // or a room as the fog names it.
    void revealRoom(int room);
    void hideRoom(int room);
    void hideAllRooms();

    // Told without stopping the game: the board goes on while the message shows.
    void report(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The room or area at a place of the map box; 0, and a tool tip saying
    // so, where there is none.
    int roomAt(QPoint inBox) const;
    void changeFog(const FogState &next, const QString &text);
    // Whether the spot has a room or a place to reveal; tells why not.
    bool canReveal(int room);
    void showRoomOutlines();

    QWidget *m_mapBox;
    BoardMap *m_map;
    PartyMarkers *m_markers;
    CurrentDungeon *m_dungeon;
    QUndoStack *m_undo;
    PlayerTable *m_table;
    QPointer<RoomOutlines> m_outlines; // made once a room is revealed
};
