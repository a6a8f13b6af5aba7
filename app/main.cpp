#include "commandline.h"
#include "frmdungeonencounterediter.h"
#include "frmeditabledungeon1.h"
#include "module1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = runCommandLine(argc, argv))
        return *exitCode;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dungeon Board"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The application ends when its last form unloads, not when its last
    // visible window closes: a loaded, hidden form keeps it running.
    QApplication::setQuitOnLastWindowClosed(false);

    Module1::DungeonWindow = &frmEditableDungeon1::instance();
    Module1::EditorWindow = &frmDungeonEncounterEditer::instance();
    Module1::DungeonWindow->Show();
    return QApplication::exec();
}
