#include "commandline.h"
#include "datafolder.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const CommandLine commandLine = runCommandLine(argc, argv);
    if (commandLine.exitCode)
        return *commandLine.exitCode;

    QApplication application(argc, argv);
    DataFolder::settle();
    startProgram(commandLine);
    return QApplication::exec();
}
