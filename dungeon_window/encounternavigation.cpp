#include "encounternavigation.h"

#include "encounterindex.h"
#include "findwindow.h"
#include "gotodialog.h"

#include "kit/spots.h"
#include "storage/encounterfiles.h"

#include <QLineEdit>

EncounterNavigation::EncounterNavigation(QLineEdit *numberShown, QList<QWidget *> spots,
                                         QWidget *board, QObject *parent)
    : QObject(parent), m_numberShown(numberShown), m_spots(std::move(spots)), m_board(board)
{
}

int EncounterNavigation::onDisplay() const
{
    const int number = Storage::encounterNumber(m_numberShown->text());
    return number >= 1 && number <= Map::SpotCount ? number : 0;
}

void EncounterNavigation::showNeighbour(int step)
{
    const int current = onDisplay();
    if (current == 0)
        emit chosen(step > 0 ? 1 : Map::SpotCount);
    else
        emit chosen((current - 1 + step + Map::SpotCount) % Map::SpotCount + 1);
}

void EncounterNavigation::goToEncounter()
{
    const int current = onDisplay();
    if (const int number = askEncounterNumber(m_board, current == 0 ? 1 : current))
        emit chosen(number);
}

void EncounterNavigation::findEncounter(int dungeonNumber)
{
    if (!m_findWindow) {
        EncounterIndex index(Storage::programFolder(), qint16(dungeonNumber));
        m_findWindow = new FindWindow(std::move(index), m_spots, m_board);
        connect(m_findWindow, &FindWindow::encounterChosen, this, &EncounterNavigation::chosen);
        // Where the screen has no room beside the board: over the party
        // roster, so that the marks on the map, the encounter shown, the
        // notes and the Edit button stay in view.
        m_findWindow->placeBeside(m_board, {576, 408, 409, 182});
    }
    m_findWindow->start();
}

void EncounterNavigation::closeFindWindow()
{
    if (m_findWindow) {
        m_findWindow->close();
        m_findWindow->deleteLater();
        m_findWindow = nullptr;
    }
}
