#include "commandline.h"
#include "kit/form.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    StartOptions options;
    if (const std::optional<int> exitCode = runCommandLine(argc, argv, &options))
        return *exitCode;

    QApplication application(argc, argv);
    startDungeonBoard().Show();
    if (options.playerView)
        showPlayerView();
    return QApplication::exec();
}
