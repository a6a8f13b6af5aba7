#pragma once

#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "fight/fight.h"
#include "fog/fog.h"

#include <QObject>
#include <QPointer>
#include <QSize>


// The dungeon on display: which one it is, where its files lie, its
// description and map, what the players have seen of it and its fight. The
// board, the editor, find, printing, the tracker and the players' view all
// follow this one object, so that none of them keeps an idea of "now" of its
// own.
class CurrentDungeon : public QObject
{
    Q_OBJECT

public:
    // Where no room is outlined, a reveal uncovers this far about the spot.
    static constexpr qreal RevealRadius = 48;

    explicit CurrentDungeon(QObject *parent = nullptr);

    // Opens dungeon `number` (1 to 999) below the program's folder: reads its
    // description, decodes its own map fitted into mapFitInto, reads what the
    // players have seen and opens its fight. What cannot be read is told by
    // problems(); the dungeon then shows on the built-in map. Emits changed().
    void open(int number, QSize mapFitInto);

    int number() const { return m_number; }
    QString folder() const { return m_folder; }
    const Dungeon::DungeonDescription &description() const { return m_description; }
    // False when dungeon.json exists but cannot be read: it is then never rewritten.
    bool descriptionReadable() const { return m_descriptionReadable; }
    // The dungeon's own map as the board shows it; null on the built-in map.
    const QImage &ownMap() const { return m_ownMap.image; }
    QSize ownMapFullSize() const { return m_ownMap.fullSize; }
    bool showsOwnMap() const { return !m_ownMap.image.isNull(); }
    QString ownMapPath() const;

    // What opening found wrong with the description or the map, and with
    // the table file; empty when nothing.
    QString descriptionProblem() const { return m_descriptionProblem; }
    QString tableProblem() const { return m_tableProblem; }

    Fog *fog() const { return m_fog; }
    Fight &fight() { return m_fight; }
    // What opening the fight file found, e.g. a damaged file set aside.
    QString fightProblem() const { return m_fightProblem; }

    // Writes a new description (spots and rooms placed anew) and gives the
    // fog its rooms. Returns the error, empty on success, when nothing changed.
    QString changeDescription(const Dungeon::DungeonDescription &description);

signals:
    // Another dungeon is on display.
    void changed();
    // The dungeon on display has new spots or rooms.
    void descriptionChanged();

private:
    void giveFogItsRooms();

    int m_number = 0;
    QString m_folder;
    Dungeon::DungeonDescription m_description;
    bool m_descriptionReadable = true;
    Dungeon::MapPicture m_ownMap;
    QString m_descriptionProblem, m_tableProblem, m_fightProblem;
    QPointer<Fog> m_fog;
    Fight m_fight;
};
