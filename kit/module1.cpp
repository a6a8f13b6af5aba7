#include "module1.h"

#include "form.h"

#include "current/currentdungeon.h"

namespace Module1 {

CurrentDungeon *DungeonOnDisplay = nullptr;
qint16 DungeonNumber = 0;
qint16 EncounterNumber = 0;
Form *DungeonWindow = nullptr;
Form *EditorWindow = nullptr;
CombatForm *CombatWindow = nullptr;

void followDungeonOnDisplay(CurrentDungeon *dungeon)
{
    DungeonOnDisplay = dungeon;
    QObject::connect(dungeon, &CurrentDungeon::changed, dungeon,
                     [dungeon] { DungeonNumber = qint16(dungeon->number()); });
}

void LoadDungeonWindow()
{
    DungeonWindow->load();
}

} // namespace Module1
