#pragma once

#include <QObject>

class CurrentDungeon;
class QWidget;

// Choosing which dungeon to show: Ctrl+O lists the dungeons there are,
// Ctrl+N makes a new one from a map picture.
class DungeonChoice : public QObject
{
    Q_OBJECT

public:
    DungeonChoice(QWidget *board, CurrentDungeon *dungeon, QObject *parent);

    void chooseDungeon(int onDisplay);
    void newDungeonFromPicture();

    // The file dialog's filter: the kinds of picture this program reads as
    // maps, e.g. "Map pictures (*.png *.jpg *.webp)".
    static QString mapPictureFilter();

signals:
    // The dungeon to open, and whether its spots are to be placed then.
    void chosen(int number, bool placeSpots);

private:
    QWidget *m_board;
    CurrentDungeon *m_dungeon;
};
