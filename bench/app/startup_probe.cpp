// The program exactly as app/main.cpp starts it, watched from outside: it
// reports when the dungeon window is first painted and ends there.
//
//   startup_probe              report "painted" (see Probe::report) and end
//   startup_probe --visit-all  then press each of the forty spots and
//                              report "visited"
#include "firstpaint.h"

#include "kit/form.h"
#include "kit/module1.h"
#include "app/startup.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

namespace {

// A left click where a user clicks, delivered to the window as the window
// system delivers it, so that Qt picks the control under the point.
void clickAt(QWidget *window, QPoint position)
{
    QWindow *handle = window->windowHandle();
    const QPointF global = handle->mapToGlobal(position);
    QMouseEvent press(QEvent::MouseButtonPress, position, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, position, global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &release);
}

bool visitAllEncounters()
{
    QWidget *board = Module1::DungeonWindow->window();
    for (int number = 1; number <= Module1::SpotCount; ++number) {
        const auto spot = board->findChild<QWidget *>(QStringLiteral("lblEncounter%1").arg(number));
        clickAt(board, spot->mapTo(board, spot->rect().center()));
        QCoreApplication::processEvents();
        if (board->findChild<QLineEdit *>(QStringLiteral("Text2"))->text() != QString::number(number)) {
            std::fprintf(stderr, "the press on spot %d did not select it\n", number);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool visitAll = argc > 1 && qstrcmp(argv[1], "--visit-all") == 0;
    Probe::FirstPaintFilter firstPaint([visitAll] {
        Probe::report("painted");
        if (visitAll && visitAllEncounters())
            Probe::report("visited");
        Probe::finish();
    });

    QApplication application(argc, argv);
    application.installEventFilter(&firstPaint);

    // From here on, word for word what app/main.cpp does.
    startDungeonBoard().show();
    resumeFight();
    return QApplication::exec();
}
