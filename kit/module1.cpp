#include "module1.h"

#include "form.h"

namespace Module1 {

qint16 DungeonNumber = 0;
qint16 EncounterNumber = 0;
Form *DungeonWindow = nullptr;
Form *EditorWindow = nullptr;
CombatForm *CombatWindow = nullptr;

void LoadDungeonWindow()
{
    DungeonWindow->load();
}

} // namespace Module1
