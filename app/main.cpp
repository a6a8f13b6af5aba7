#include "commandline.h"
#include "datafolder.h"
#include "kit/form.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = runCommandLine(argc, argv))
        return *exitCode;

    QApplication application(argc, argv);
    DataFolder::settle();
    startDungeonBoard().Show();
    return QApplication::exec();
}
