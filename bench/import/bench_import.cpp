// Prints the CPU time of importing a Universal VTT map of 4096 x 4096 pixels
// (64 rooms of 7 x 7 cells, 2,000 wall segments, 60 doors) into a new
// dungeon, of opening it on the board until the board is painted, and of
// exporting it again. Medians of five runs, in milliseconds.
#include "app/startup.h"
#include "dungeon/mappicture.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "import/mapimport.h"
#include "kit/form.h"
#include "storage/encounterfiles.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int Side = 4096;
constexpr int Cell = 64;

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(std::vector<double> times)
{
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

QJsonObject at(double x, double y)
{
    return {{"x", x}, {"y", y}};
}

// The map, and the number of wall segments it holds.
QByteArray makeMap(int *segments)
{
    QImage picture(Side, Side, QImage::Format_RGB32);
    picture.fill(QColor(90, 80, 70));
    QPainter painter(&picture);
    QRandomGenerator random(7);
    QJsonArray walls, objects, portals;
    int doors = 0;
    for (int j = 0; j < 8; ++j) {
        for (int i = 0; i < 8; ++i) {
            const double left = 8 * i + 0.5, top = 8 * j + 0.5;
            // Floor with a little texture, as painted maps have.
            painter.fillRect(QRectF(left * Cell, top * Cell, 7 * Cell, 7 * Cell), QColor(200, 190, 170));
            for (int speck = 0; speck < 400; ++speck)
                painter.fillRect(QRectF((left + random.bounded(7.0)) * Cell, (top + random.bounded(7.0)) * Cell, 3, 3),
                                 QColor(150 + int(random.bounded(60)), 140, 120));
            // Each side in seven segments of a cell; the east side's fourth a door in 60 rooms.
            const QPointF corners[] = {{left, top}, {left + 7, top}, {left + 7, top + 7}, {left, top + 7}};
            for (int side = 0; side < 4; ++side) {
                const QPointF from = corners[side], step = (corners[(side + 1) % 4] - from) / 7;
                for (int k = 0; k < 7; ++k) {
                    const QPointF a = from + k * step, b = a + step;
                    if (side == 1 && k == 3 && doors < 60) {
                        portals.append(QJsonObject{{"position", at((a.x() + b.x()) / 2, (a.y() + b.y()) / 2)},
                                                   {"bounds", QJsonArray{at(a.x(), a.y()), at(b.x(), b.y())}},
                                                   {"rotation", 1.5708}, {"closed", true}, {"freestanding", false}});
                        ++doors;
                        continue;
                    }
                    walls.append(QJsonArray{at(a.x(), a.y()), at(b.x(), b.y())});
                    painter.setPen(QPen(Qt::black, 8));
                    painter.drawLine(a * Cell, b * Cell);
                }
            }
            if (walls.size() + 4 * objects.size() < 2000 - 4) {
                const double x = left + 3, y = top + 3;
                objects.append(QJsonArray{at(x, y), at(x + 1, y), at(x + 1, y + 1), at(x, y + 1), at(x, y)});
                painter.fillRect(QRectF(x * Cell, y * Cell, Cell, Cell), Qt::darkGray);
            }
        }
    }
    painter.end();
    *segments = int(walls.size() + 4 * objects.size());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    const QJsonObject map{
            {"format", 0.3},
            {"resolution", QJsonObject{{"map_origin", at(0, 0)}, {"map_size", at(Side / Cell, Side / Cell)},
                                       {"pixels_per_grid", Cell}}},
            {"line_of_sight", walls}, {"objects_line_of_sight", objects}, {"portals", portals},
            {"environment", QJsonObject{}}, {"lights", QJsonArray{}},
            {"image", QString::fromLatin1(png.toBase64())}};
    return QJsonDocument(map).toJson(QJsonDocument::Compact);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir program;
    Storage::useProgramFolder(program.path());
    Dungeon::limitPictureAllocation();

    int segments = 0;
    const QByteArray map = makeMap(&segments);
    const QString path = program.filePath("bench.dd2vtt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(map) != map.size())
        return 1;
    file.close();
    std::printf("map: %d x %d pixels, %d wall segments, 60 doors, file %.1f MB\n", Side, Side, segments,
                map.size() / 1e6);

    std::vector<double> imports, shows, exports;
    int rooms = 0;
    Form &board = startDungeonBoard();
    board.show();
    if (!QTest::qWaitForWindowExposed(board.window()))
        return 1;
    for (int run = 0; run < 5; ++run) {
        const double start = cpuMilliseconds();
        const Import::ImportResult imported = Import::importMapFile(program.path(), path, "Bench");
        const double importedAt = cpuMilliseconds();
        if (!imported.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(imported.error));
            return 1;
        }
        rooms = imported.rooms;
        frmEditableDungeon1::instance().openDungeon(imported.number);
        board.window()->repaint();
        QCoreApplication::processEvents();
        const double shownAt = cpuMilliseconds();
        const QString exported = program.filePath("out.uvtt");
        const QString error = Import::exportUniversalVtt(program.path(), imported.number, exported);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        exports.push_back(cpuMilliseconds() - shownAt);
        imports.push_back(importedAt - start);
        shows.push_back(shownAt - start);
        frmEditableDungeon1::instance().openDungeon(1);
        QDir(Storage::dungeonFolder(program.path(), qint16(imported.number))).removeRecursively();
    }
    std::printf("rooms found with a spot: %d\n", rooms);
    std::printf("import into a new dungeon      %8.1f ms CPU\n", median(imports));
    std::printf("import until the board shows it %7.1f ms CPU\n", median(shows));
    std::printf("export as Universal VTT        %8.1f ms CPU\n", median(exports));
    return 0;
}
