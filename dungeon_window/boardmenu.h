#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

// The board's menu of what its specified controls have no place for, opened
// by a right click on the board's background (never on the map, where a
// click of any button places the chosen marker).
class BoardMenu : public QObject
{
    Q_OBJECT

public:
    // mapBox: where a right click stays the map's.
    BoardMenu(QWidget *board, QWidget *mapBox);

    // A command of the "Dungeon" menu, shown with the keys that also run it
    // (the keys themselves are the board's own shortcuts).
    void addDungeonCommand(const QString &text, QKeySequence keys, std::function<void()> run);

    // Built on first use: the board opens without it.
    QMenu *menu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Command
    {
        QString text;
        QKeySequence keys;
        std::function<void()> run;
    };

    QWidget *m_board;
    QWidget *m_mapBox;
    QAction *m_dark;
    QList<Command> m_dungeonCommands;
    QMenu *m_menu = nullptr;
};
