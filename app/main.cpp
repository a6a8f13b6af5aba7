#include "commandline.h"
#include "kit/form.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = runCommandLine(argc, argv))
        return *exitCode;

    QApplication application(argc, argv);
    startDungeonBoard().Show();
    resumeFight();
    return QApplication::exec();
}
