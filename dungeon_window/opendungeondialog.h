#pragma once

#include <QDialog>

class QListWidget;

// "Open dungeon": every DungeonN folder with its number, title, a thumbnail
// of its map and how many encounters hold something. Enter or a double-click
// opens the chosen one.
class OpenDungeonDialog : public QDialog
{
    Q_OBJECT

public:
    OpenDungeonDialog(const QString &programFolder, int dungeonOnDisplay, QWidget *parent);

    // The dungeon chosen when the dialog was accepted.
    int chosenDungeon() const;
    // Whether it was opened with "Place spots".
    bool placeSpots() const { return m_placeSpots; }

private:
    QListWidget *m_dungeonList;
    bool m_placeSpots = false;
};
