#pragma once

#include <QObject>

class QWidget;

// "Export as Universal VTT…" (Ctrl+Shift+U): the dungeon on display written
// as a map file other programs read.
class MapExport : public QObject
{
    Q_OBJECT

public:
    MapExport(QWidget *board, QObject *parent);

    void exportUniversalVtt(int dungeonNumber, const QString &title);

private:
    QWidget *m_board;
};
