#include "startup.h"

#include "frmdungeonencounterediter.h"
#include "controls.h"
#include "formstyle.h"
#include "frmeditabledungeon1.h"
#include "module1.h"

#include <QApplication>

Form &startDungeonBoard()
{
    QApplication::setApplicationName(QStringLiteral("Dungeon Board"));
    QApplication::setStyle(new FormStyle);
    QApplication::setFont(formFont());
    // The application ends when its last form unloads, not when its last
    // visible window closes: a loaded, hidden form keeps it running.
    QApplication::setQuitOnLastWindowClosed(false);

    Module1::DungeonWindow = &frmEditableDungeon1::instance();
    Module1::EditorWindow = &frmDungeonEncounterEditer::instance();
    return *Module1::DungeonWindow;
}
