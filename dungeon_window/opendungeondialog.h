#pragma once

#include <QDialog>

#include <functional>

class QListWidget;

// "Open dungeon": every DungeonN folder with its number, title, a thumbnail
// of its map and how many encounters hold something. Enter or a double-click
// opens the chosen one; F2 changes its title; "Import dungeon…" brings a
// dungeon file in and opens the new dungeon.
class OpenDungeonDialog : public QDialog
{
    Q_OBJECT

public:
    // Gives a dungeon another title; the error, empty when it is written.
    using Retitle = std::function<QString(int number, const QString &title)>;
    // Imports a dungeon file: the new dungeon's number, 0 when none.
    using Import = std::function<int(QWidget *parent)>;

    OpenDungeonDialog(const QString &programFolder, int dungeonOnDisplay, Retitle retitle, Import import,
                      QWidget *parent);

    // The dungeon chosen when the dialog was accepted.
    int chosenDungeon() const;
    // Whether it was opened with "Place spots".
    bool placeSpots() const { return m_placeSpots; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retitleChosen();

    QString m_programFolder;
    Retitle m_retitle;
    Import m_import;
    int m_imported = 0;
    QListWidget *m_dungeonList;
    bool m_placeSpots = false;
};
