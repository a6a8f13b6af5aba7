#pragma once

#include <QObject>

class CurrentDungeon;
class QWidget;

// A dungeon going out and coming in: "Export dungeon…" (Ctrl+Shift+E) writes
// the dungeon on display as one file, "Export as Markdown…" (Ctrl+Shift+M)
// as notes for a note app, and "Import dungeon…" of the Open dialog brings
// a dungeon file in as a new dungeon.
class DungeonExchange : public QObject
{
    Q_OBJECT

public:
    DungeonExchange(QWidget *board, CurrentDungeon *dungeon, QObject *parent);

    void exportDungeon();
    void exportMarkdown();

    // Asks for a dungeon file and imports it; the new dungeon's number, 0
    // when none was imported (the reason then told).
    static int importDungeon(QWidget *parent);

private:
    QWidget *m_board;
    CurrentDungeon *m_dungeon;
};
