#include "startup.h"

#include "kit/controls.h"
#include "kit/formstyle.h"
#include "editor_window/frmdungeonencounterediter.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "kit/module1.h"

#include <QApplication>

Form &startDungeonBoard()
{
    QApplication::setApplicationName(QStringLiteral("Dungeon Board"));
    QApplication::setStyle(new FormStyle);
    // One font for the whole program, its dialogs included: a text box lays
    // itself out with the program font before it takes its form's, which
    // would otherwise load a font that nothing shows.
    QApplication::setFont(formFont());
    // The application ends when its last form unloads, not when its last
    // visible window closes: a loaded, hidden form keeps it running.
    QApplication::setQuitOnLastWindowClosed(false);

    Module1::DungeonWindow = &frmEditableDungeon1::instance();
    Module1::EditorWindow = &frmDungeonEncounterEditer::instance();
    return *Module1::DungeonWindow;
}
