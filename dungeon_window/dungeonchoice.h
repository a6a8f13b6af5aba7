#pragma once

#include <QObject>

class CurrentDungeon;
class QWidget;

// Choosing which dungeon to show: Ctrl+O lists the dungeons there are,
// Ctrl+N makes a new one from a map picture or a map file of another program.
class DungeonChoice : public QObject
{
    Q_OBJECT

public:
    DungeonChoice(QWidget *board, CurrentDungeon *dungeon, QObject *parent);

    void chooseDungeon(int onDisplay);
    void newDungeonFromPicture();
    // Makes the new dungeon from the picture or map file, asking its title.
    void newDungeonFrom(const QString &file);

    // The file dialog's filter: the kinds of picture this program reads as
    // maps, e.g. "Map pictures (*.png *.jpg *.webp)".
    static QString mapPictureFilter();
    // The filters Ctrl+N offers: every map it reads first, then pictures, then map files.
    static QString newDungeonFilters();

signals:
    // The dungeon to open, and whether its spots are to be placed then.
    void chosen(int number, bool placeSpots);

private:
    QWidget *m_board;
    CurrentDungeon *m_dungeon;
};
