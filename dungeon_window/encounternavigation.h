#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class FindWindow;
class QLineEdit;
class QWidget;

// The keyboard's ways to an encounter: the next and the previous one, Go to
// and Find. Each chooses the encounter as a click on its spot does.
class EncounterNavigation : public QObject
{
    Q_OBJECT

public:
    EncounterNavigation(QLineEdit *numberShown, QList<QWidget *> spots, QWidget *board,
                        QObject *parent);

    int onDisplay() const; // 0 with none
    void showNeighbour(int step); // the next (1) or previous (-1), wrapping around
    void goToEncounter();
    void findEncounter(int dungeonNumber);
    // Its index and rings belong to the dungeon they were made for.
    void closeFindWindow();

signals:
    void chosen(int number);

private:
    QLineEdit *m_numberShown;
    QList<QWidget *> m_spots;
    QWidget *m_board;
    QPointer<FindWindow> m_findWindow; // made on first use
};
