// The yardstick for start-up: the smallest Qt Widgets program with one empty
// window of the dungeon window's size, ending at its first paint.
#include "firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Probe::FirstPaintFilter firstPaint([] {
        Probe::report("painted");
        Probe::finish();
    });

    QApplication application(argc, argv);
    application.installEventFilter(&firstPaint);

    QWidget window;
    window.resize(1000, 700);
    window.show();
    return QApplication::exec();
}
