#pragma once

#include "spots.h"

#include <QtGlobal>

class CombatForm;
class CurrentDungeon;
class Form;

// The state the dungeon window and the encounter editor share.
namespace Module1 {

// The encounter spots on the dungeon map, numbered 1 to SpotCount.
using Map::SpotCount;

// The dungeon on display, which every window follows; start-up makes it.
extern CurrentDungeon *DungeonOnDisplay;
// The number of the dungeon on display, whose folder holds every encounter
// file; it follows DungeonOnDisplay and is written nowhere else.
extern qint16 DungeonNumber;
void followDungeonOnDisplay(CurrentDungeon *dungeon);
// The encounter the dungeon window hands to the editor.
extern qint16 EncounterNumber;

// The two windows' process-wide instances, known here only as forms so that
// each window can reach the other without the two libraries depending on
// each other. Start-up sets them before anything is shown.
extern Form *DungeonWindow;
extern Form *EditorWindow;
// The combat tracker, whose window is built on first use.
extern CombatForm *CombatWindow;

// Makes sure the dungeon window is loaded; leaves a loaded one untouched.
void LoadDungeonWindow();

} // namespace Module1
