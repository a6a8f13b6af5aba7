// The yardsticks for start-up: the smallest Qt Widgets program with one empty
// window of the dungeon window's size, ending at its first paint; with
// --label, the same window showing one line of text.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>

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
    if (argc > 1 && qstrcmp(argv[1], "--label") == 0)
        new QLabel(QStringLiteral("Encounter Number"), &window);
    window.show();
    return QApplication::exec();
}
