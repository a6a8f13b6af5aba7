#include "form.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    startDungeonBoard().Show();
    return QApplication::exec();
}
