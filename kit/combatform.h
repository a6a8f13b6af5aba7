#pragma once

#include "form.h"

#include "storage/encounterfiles.h"

#include <QStringList>

// What the board hands to the fight: the encounter on display as its table
// shows it, and the names of the characters.
struct EncounterOnDisplay
{
    int number = 0; // 0 with none on display
    Storage::Cells cells;
    QStringList characters;
};

// The combat tracker as the other windows know it, so that the board needs
// no knowledge of the tracker's window.
class CombatForm : public Form
{
    Q_OBJECT

public:
    // Adds the encounter to the fight and shows the tracker.
    virtual void joinFight(const EncounterOnDisplay &encounter) = 0;
};
