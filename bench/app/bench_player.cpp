// The players' view on a 1920 x 1080 screen showing a 4096 x 4096 map with
// forty rooms: from a reveal (what F6 does on the board: the undo step
// pushed, the fog changed and its table file written) to the view's next
// painted frame, and from a marker's move to the next frame.
#include "benchsupport.h"

#include "fog/fog.h"
#include "fog/playertable.h"
#include "fog/tablefile.h"
#include "player_window/playerview.h"

#include <QApplication>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <cstdio>

namespace {

constexpr int MapSide = 4096;
constexpr int Columns = 8, Rows = 5; // forty rooms

QRectF roomPlace(int spot)
{
    const qreal width = qreal(MapSide) / Columns, height = qreal(MapSide) / Rows;
    const int index = spot - 1;
    return QRectF((index % Columns) * width, (index / Columns) * height, width, height)
        .adjusted(40, 40, -40, -40);
}

// A map with detail everywhere, so scaling and copying it cost what a photo would.
QImage drawnMap()
{
    QImage map(MapSide, MapSide, QImage::Format_RGB32);
    for (int y = 0; y < MapSide; ++y) {
        auto line = reinterpret_cast<QRgb *>(map.scanLine(y));
        for (int x = 0; x < MapSide; ++x)
            line[x] = qRgb(x * 255 / MapSide, y * 255 / MapSide, ((x ^ y) & 0x3f) * 4);
    }
    return map;
}

// One screen of 1920 x 1080 on the offscreen platform.
void useFullHdScreen(const QTemporaryDir &folder)
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen")
        return;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(R"({"screens": [{"name": "players", "x": 0, "y": 0, "width": 1920, "height": 1080,
                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    useFullHdScreen(folder);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QSettings().setValue(QStringLiteral("PlayerView/fullScreen"), true);

    QHash<int, QPolygonF> rooms;
    QHash<int, QPointF> centres;
    for (int spot = 1; spot <= Columns * Rows; ++spot) {
        rooms.insert(spot, QPolygonF(roomPlace(spot)));
        centres.insert(spot, roomPlace(spot).center());
    }
    PlayerTable table;
    auto fog = new Fog(rooms, centres, 48, &table);
    fog->load(TableFile::path(folder.path()));
    QList<PartyMarker> markers;
    for (int k = 0; k < 7; ++k)
        markers.append({QRectF(100 + 60 * k, 100, 139, 139), QColor::fromHsv(50 * k, 255, 255)});
    table.setDungeon(drawnMap, QSize(MapSide, MapSide), fog, markers);

    table.map(); // made before the clock runs, as a picture file would be read
    Bench::Costs open;
    PlayerView *view = nullptr;
    open.time([&] {
        view = PlayerView::show(&table, nullptr);
        QCoreApplication::processEvents();
    });
    if (!QTest::qWaitForWindowExposed(view) || view->size() != QSize(1920, 1080))
        qFatal("the players' view is not shown full screen on 1920 x 1080");
    QCoreApplication::processEvents();
    // Every step timed must end in a painted frame.
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    view->installEventFilter(&counter);

    QUndoStack undoStack;
    Bench::Costs reveal;
    for (int run = 0; run < 120; ++run) {
        const int spot = run % (Columns * Rows) + 1;
        if (spot == 1)
            fog->setState({});
        reveal.time([&] {
            undoStack.push(fog->change(fog->state().revealing(spot), QStringLiteral("reveal")));
            QCoreApplication::processEvents();
        });
    }

    Bench::Costs move;
    for (int run = 0; run < 200; ++run) {
        move.time([&] {
            table.moveMarker(run % 7, QRectF(100 + 13 * run, 400 + 7 * run, 139, 139));
            QCoreApplication::processEvents();
        });
    }

    if (counter.paints < 120 + 200)
        qFatal("only %d of the steps ended in a painted frame", counter.paints);
    std::printf("Players' view, 1920 x 1080, map 4096 x 4096 with 40 rooms\n");
    Bench::report("Players' view: open (map scaled to the screen)", int(open.cpuMs.size()), open);
    Bench::report("Players' view: reveal to the next frame", int(reveal.cpuMs.size()), reveal,
                  QStringLiteral("under 16 ms of CPU"), 16);
    Bench::report("Players' view: marker move to the next frame", int(move.cpuMs.size()), move,
                  QStringLiteral("under 8 ms of CPU"), 8);
    return 0;
}
