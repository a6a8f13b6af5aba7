// Opening a dungeon whose map is a 4096 x 4096 JPEG, in the running program:
// the clock runs from the opening until the board is painted with the map
// and its spots, ready for a click; a click on a spot then shows its encounter.
#include "benchsupport.h"
#include "tests/support/formtesting.h"

#include "app/startup.h"
#include "dungeon/dungeondescription.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "storage/encounterfiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

namespace {

constexpr int PictureSide = 4096;
constexpr int OwnMapDungeon = 2;

// A photograph-like map: shaded floors, walls and noise, so that JPEG has
// the work of a real scan.
bool writeMap(const QString &path)
{
    QImage map(PictureSide, PictureSide, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < PictureSide; ++y) {
        auto line = reinterpret_cast<QRgb *>(map.scanLine(y));
        for (int x = 0; x < PictureSide; ++x) {
            const int shade = 120 + (x / 64 + y / 64) % 2 * 40 + int(random.bounded(24));
            line[x] = qRgb(shade, shade - 10, shade - 30);
        }
    }
    QPainter painter(&map);
    painter.setPen(QPen(Qt::black, 24));
    for (int i = 256; i < PictureSide; i += 512)
        painter.drawRect(i, i / 2, PictureSide - 2 * i + 256, 400);
    painter.end();
    return map.save(path, "JPEG", 85);
}

bool writeDungeon(const QString &folder)
{
    Dungeon::DungeonDescription description;
    description.title = QStringLiteral("A scanned map");
    description.mapFile = QStringLiteral("map.jpg");
    for (int n = 1; n <= Dungeon::SpotCount; ++n)
        description.spots.insert(n, QPointF(100 * n, 90 * n));
    return QDir().mkpath(folder) && writeMap(folder + QStringLiteral("/map.jpg"))
           && Dungeon::writeDungeonDescription(folder, description).isEmpty();
}

Bench::Cost openDungeon(int number)
{
    const Bench::Stopwatch stopwatch;
    frmEditableDungeon1::instance().openDungeon(number);
    QCoreApplication::processEvents(); // the repaint
    return stopwatch.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Form &dungeonWindow = startDungeonBoard();
    Bench::ScratchDungeons dungeons;
    const QString folder = Storage::dungeonFolder(Storage::programFolder(), qint16(OwnMapDungeon));
    if (!writeDungeon(folder))
        return 1;
    dungeonWindow.show();
    if (!QTest::qWaitForWindowExposed(board()))
        return 1;

    // The first opening meets a picture the system has just written, and
    // loads the JPEG plugin; the later ones alternate with the built-in map.
    Bench::Costs first, later, zoomed;
    first.add(openDungeon(OwnMapDungeon));
    pressAt(board(), centreOf(control(board(), QStringLiteral("lblEncounter3"))));
    if (control<QLineEdit>(board(), QStringLiteral("Text2"))->text() != QStringLiteral("3"))
        qFatal("the spot of the opened dungeon does not take a click");
    const int runs = 15;
    for (int run = 0; run < runs; ++run) {
        openDungeon(1);
        later.add(openDungeon(OwnMapDungeon));
    }
    // The first zoom past the fitted size decodes the whole picture.
    QWidget *map = control(board(), QStringLiteral("mapView"));
    for (int run = 0; run < 5; ++run) {
        openDungeon(OwnMapDungeon);
        const Bench::Stopwatch stopwatch;
        QWheelEvent wheel(map->rect().center(), map->mapToGlobal(map->rect().center()), {}, {0, 120 * 4},
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(map, &wheel);
        QCoreApplication::processEvents();
        zoomed.add(stopwatch.elapsed());
    }

    std::printf("Opening a dungeon, in process on %s; its map is a %d x %d JPEG of %lld KiB\n",
                qPrintable(QGuiApplication::platformName()), PictureSide, PictureSide,
                static_cast<long long>(QFileInfo(folder + QStringLiteral("/map.jpg")).size() / 1024));
    Bench::report("Open a dungeon with a 4096 x 4096 JPEG map, first", 1, first, QStringLiteral("under 250 ms of CPU"), 250);
    Bench::report("Open a dungeon with a 4096 x 4096 JPEG map, later", runs, later, QStringLiteral("under 250 ms of CPU"), 250);
    Bench::report("First zoom of that map (decodes the whole picture)", 5, zoomed);
    return 0;
}
