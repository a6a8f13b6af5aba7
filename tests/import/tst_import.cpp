#include "import/mapimport.h"
#include "import/universalvtt.h"
#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "plan/plandrawing.h"
#include "rtf/rtf.h"
#include "storage/encounterfiles.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QtEndian>

using namespace Import;

class tst_Import : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Dungeon::limitPictureAllocation(); }
    void universalVtt_data();
    void universalVtt();
    void badFiles_data();
    void badFiles();
    void fortyLargestInReadingOrder();
    void exportThenImportGivesTheSameRooms();
    void builtInMapExportsWithItsOwnGrid();
    void onePageDungeon();
};

namespace {

constexpr int Pixels = 20; // a cell

QByteArray picture(QSize size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QJsonObject at(QPointF p)
{
    return {{"x", p.x()}, {"y", p.y()}};
}

QJsonArray polyline(const QList<QPointF> &points, QPointF shift = {})
{
    QJsonArray line;
    for (QPointF p : points)
        line.append(at(p + shift));
    return line;
}

// A map of 10 x 8 cells holding one room of 4 x 3 cells from (1, 1), whose
// east wall has a doorway from (5, 2) to (5, 3).
QJsonObject roomWithDoorway(QPointF origin = {}, bool door = true)
{
    QJsonObject door1{{"position", at(QPointF(5, 2.5) + origin)},
                      {"bounds", QJsonArray{at(QPointF(5, 2) + origin), at(QPointF(5, 3) + origin)}},
                      {"rotation", 1.5708}, {"closed", true}, {"freestanding", false}};
    return {{"format", 0.3},
            {"resolution", QJsonObject{{"map_origin", at(origin)}, {"map_size", at({10, 8})}, {"pixels_per_grid", Pixels}}},
            {"line_of_sight", QJsonArray{polyline({{5, 2}, {5, 1}, {1, 1}, {1, 4}, {5, 4}, {5, 3}}, origin)}},
            {"objects_line_of_sight", QJsonArray{}},
            {"portals", door ? QJsonArray{door1} : QJsonArray{}},
            {"lights", QJsonArray{}},
            {"image", QString::fromLatin1(picture({10 * Pixels, 8 * Pixels}, "PNG").toBase64())}};
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

QByteArray with(QJsonObject object, const QString &key, const QJsonValue &value)
{
    object.insert(key, value);
    return json(object);
}

QByteArray withPixelsPerGrid(const QJsonValue &value)
{
    QJsonObject map = roomWithDoorway();
    QJsonObject resolution = map["resolution"].toObject();
    resolution["pixels_per_grid"] = value;
    return with(map, "resolution", resolution);
}

// A BMP whose header gives `size` but whose pixels are those of a 4 x 4 picture.
QByteArray bmpClaiming(QSize size)
{
    QByteArray bytes = picture({4, 4}, "BMP");
    qToLittleEndian<qint32>(size.width(), bytes.data() + 18);
    qToLittleEndian<qint32>(size.height(), bytes.data() + 22);
    return bytes;
}

QByteArray millionPoints()
{
    QByteArray points;
    points.reserve(20'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        points += "{\"x\":1,\"y\":" + QByteArray::number(i % 7) + "},";
    points.chop(1);
    QByteArray file = json(roomWithDoorway());
    return file.replace("\"line_of_sight\": [", "\"line_of_sight\": [[" + points + "],");
}

QStringList dungeonsFolderEntries(const QString &programFolder)
{
    return QDir(programFolder + "/Dungeons").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

void tst_Import::universalVtt_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rooms");
    QTest::addColumn<QString>("mapFile");

    QJsonObject older = roomWithDoorway();
    older["format"] = 0.2;
    older.remove("objects_line_of_sight");
    QTest::newRow("room closed by a door, format 0.3") << json(roomWithDoorway()) << 1 << "map.png";
    QTest::newRow("format 0.2") << json(older) << 1 << "map.png";
    QTest::newRow("origin (3, -2)") << json(roomWithDoorway({3, -2})) << 1 << "map.png";
    QTest::newRow("WebP picture") << with(roomWithDoorway(), "image", QString::fromLatin1(picture({200, 160}, "WEBP").toBase64()))
                                  << 1 << "map.webp";
    QTest::newRow("doorway without a door") << json(roomWithDoorway({}, false)) << 0 << "map.png";
    QTest::newRow("closet of two cells") << with(roomWithDoorway(), "line_of_sight",
                                                 QJsonArray{polyline({{1, 1}, {3, 1}, {3, 2}, {1, 2}, {1, 1}})})
                                         << 0 << "map.png";
}

void tst_Import::universalVtt()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rooms);
    QFETCH(QString, mapFile);

    QTemporaryDir program;
    const QString path = program.filePath("cellar.dd2vtt");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();

    const ImportResult result = importMapFile(program.path(), path, "Cellar");
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.number, 1);
    QCOMPARE(result.rooms, rooms);
    // What was written reads back under every check of the description.
    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(Storage::dungeonFolder(program.path(), 1));
    QVERIFY2(read.ok(), qPrintable(read.error));
    const Dungeon::DungeonDescription &dungeon = read.description;
    QCOMPARE(dungeon.title, "Cellar");
    QCOMPARE(dungeon.mapFile, mapFile);
    QVERIFY(dungeon.grid);
    QCOMPARE(dungeon.grid->size, Pixels);
    QCOMPARE(dungeon.grid->origin, QPointF(0, 0));
    QCOMPARE(dungeon.rooms.size(), rooms);
    QCOMPARE(dungeon.spots.size(), rooms);
    if (rooms == 1) {
        // The room from (1, 1) to (5, 4) cells, within a quarter of a cell.
        const QRectF bounds = dungeon.rooms[1].boundingRect();
        const QRectF expected(Pixels, Pixels, 4 * Pixels, 3 * Pixels);
        for (auto [found, wanted] : {std::pair(bounds.topLeft(), expected.topLeft()), std::pair(bounds.bottomRight(), expected.bottomRight())})
            QVERIFY2(QLineF(found, wanted).length() <= Pixels / 4.0, qPrintable(QStringLiteral("%1, %2").arg(QString::number(found.x()), QString::number(found.y()))));
        QVERIFY(dungeon.rooms[1].containsPoint(dungeon.spots[1], Qt::OddEvenFill));
        QCOMPARE(dungeon.doors.size(), 1);
        QCOMPARE(dungeon.doors[0], QLineF(5 * Pixels, 2 * Pixels, 5 * Pixels, 3 * Pixels));
    }
}

void tst_Import::badFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("suffix");

    const auto image = [](const QByteArray &bytes) { return with(roomWithDoorway(), "image", QString::fromLatin1(bytes.toBase64())); };
    QTest::newRow("not JSON") << QByteArray("{\"format\": 0.3, ") << "not valid JSON" << "uvtt";
    QTest::newRow("picture not base64") << with(roomWithDoorway(), "image", "iVBOR*w0KGgo!") << "is not base64" << "uvtt";
    QTest::newRow("picture not a picture") << image("hello, dungeon") << "\"image\" is not a picture" << "uvtt";
    QTest::newRow("picture over the limits") << image(bmpClaiming({9000, 9000})) << "more than 8192 x 8192" << "uvtt";
    QTest::newRow("picture whose header lies") << image(picture({2000, 1500}, "PNG").left(3000)) << "cannot be read" << "uvtt";
    QTest::newRow("pixels_per_grid 0") << withPixelsPerGrid(0) << "\"pixels_per_grid\" is not a whole number" << "uvtt";
    QTest::newRow("pixels_per_grid -70") << withPixelsPerGrid(-70) << "\"pixels_per_grid\" is not a whole number" << "uvtt";
    QTest::newRow("pixels_per_grid text") << withPixelsPerGrid("70") << "\"pixels_per_grid\" is not a whole number" << "uvtt";
    QTest::newRow("wall far outside") << with(roomWithDoorway(), "line_of_sight", QJsonArray{polyline({{1, 1}, {1e9, 1}})})
                                      << "wall 1 of \"line_of_sight\" lies far outside the map" << "uvtt";
    QTest::newRow("a million wall points") << millionPoints() << "more than 100000 points" << "uvtt";
    QTest::newRow("portal without bounds") << with(roomWithDoorway(), "portals", QJsonArray{QJsonObject{{"closed", true}}})
                                           << "portal 1 has no \"bounds\"" << "uvtt";
    QTest::newRow("one-page: not JSON") << QByteArray("{\"rects\": [") << "not valid JSON" << "json";
    QTest::newRow("one-page: no rooms") << QByteArray(R"({"title": "Empty", "rects": []})") << "\"rects\" holds no rooms" << "json";
    QTest::newRow("one-page: rect of width 0") << QByteArray(R"({"rects": [{"x": 0, "y": 0, "w": 0, "h": 3}]})")
                                               << "rect 1 is empty" << "json";
    QTest::newRow("one-page: half a cell") << QByteArray(R"({"rects": [{"x": 0.5, "y": 0, "w": 2, "h": 3}]})")
                                           << "rect 1 has no whole number \"x\"" << "json";
    QTest::newRow("one-page: a million cells across") << QByteArray(R"({"rects": [{"x": 0, "y": 0, "w": 2, "h": 3}, {"x": 99000, "y": 0, "w": 2, "h": 3}]})")
                                                      << "more than 400 x 400" << "json";
}

void tst_Import::badFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    QFETCH(QString, suffix);

    QTemporaryDir program;
    const QString path = program.filePath("broken." + suffix);
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();

    QElapsedTimer timer;
    timer.start();
    const ImportResult result = importMapFile(program.path(), path, "Broken");
    QVERIFY2(timer.elapsed() < 10'000, "not refused in bounded time");
    QVERIFY(!result.ok());
    QVERIFY2(result.error.startsWith(QDir::toNativeSeparators(path) + ": "), qPrintable(result.error));
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
    QCOMPARE(dungeonsFolderEntries(program.path()), QStringList());
}

// A map of 7 x 6 rooms of 3 x 3 cells: the forty largest are all alike, so
// the last two of the scan are left out; spot 1 is top left, spot 2 beside it.
void tst_Import::fortyLargestInReadingOrder()
{
    QJsonObject map = roomWithDoorway();
    QJsonObject resolution = map["resolution"].toObject();
    resolution["map_size"] = at({23, 20});
    map["resolution"] = resolution;
    map["image"] = QString::fromLatin1(picture({23 * Pixels, 20 * Pixels}, "PNG").toBase64());
    map["portals"] = QJsonArray{};
    QJsonArray walls;
    for (int i = 0; i <= 7; ++i)
        walls.append(polyline({{1.0 + 3 * i, 1}, {1.0 + 3 * i, 19}}));
    for (int j = 0; j <= 6; ++j)
        walls.append(polyline({{1, 1.0 + 3 * j}, {22, 1.0 + 3 * j}}));
    map["line_of_sight"] = walls;

    QTemporaryDir program;
    const QString path = program.filePath("cells.df2vtt");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(json(map)) > 0);
    out.close();
    const ImportResult result = importMapFile(program.path(), path, "Cells");
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.rooms, 40);
    QCOMPARE(result.roomsLeftOut, 2);
    const Dungeon::DungeonDescription dungeon = Dungeon::readDungeonDescription(Storage::dungeonFolder(program.path(), 1)).description;
    QCOMPARE(dungeon.spots.size(), 40);
    const QPointF first = dungeon.spots[1], second = dungeon.spots[2], eighth = dungeon.spots[8];
    QVERIFY(QRectF(Pixels, Pixels, 3 * Pixels, 3 * Pixels).contains(first));
    QVERIFY(QRectF(4 * Pixels, Pixels, 3 * Pixels, 3 * Pixels).contains(second));
    QVERIFY(QRectF(Pixels, 4 * Pixels, 3 * Pixels, 3 * Pixels).contains(eighth));
}

// An L-shaped room and a square one: what is exported reads back as the same
// rooms, each corner within a quarter of a cell.
void tst_Import::exportThenImportGivesTheSameRooms()
{
    QTemporaryDir program;
    QString error;
    Dungeon::DungeonDescription original;
    original.title = "Crypt";
    original.mapFile = "map.png";
    original.grid = Dungeon::MapGrid{30, {10, 5}};
    original.rooms[1] = QPolygonF({{40, 35}, {190, 35}, {190, 95}, {100, 95}, {100, 185}, {40, 185}});
    original.rooms[2] = QPolygonF({{220, 35}, {340, 35}, {340, 155}, {220, 155}});
    original.doors = {QLineF(190, 50, 220, 50)};
    const int number = Dungeon::createDungeonWith(program.path(), [&](const QString &folder) {
        QFile map(folder + "/map.png");
        if (!map.open(QIODevice::WriteOnly) || !map.write(picture({400, 250}, "PNG")))
            return QStringLiteral("cannot write the picture");
        map.close();
        return Dungeon::writeDungeonDescription(folder, original);
    }, &error);
    QVERIFY2(number == 1, qPrintable(error));

    const QString exported = program.filePath("crypt.uvtt");
    error = exportUniversalVtt(program.path(), 1, exported);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const ImportResult result = importMapFile(program.path(), exported, "Crypt again");
    QVERIFY2(result.ok(), qPrintable(result.error));
    const Dungeon::DungeonDescription again = Dungeon::readDungeonDescription(Storage::dungeonFolder(program.path(), result.number)).description;
    QCOMPARE(again.rooms.size(), 2);
    QCOMPARE(again.grid->size, 30);
    QCOMPARE(again.doors, original.doors);
    for (int room : {1, 2}) {
        const QPolygonF &before = original.rooms[room];
        const QPolygonF &after = again.rooms[room];
        QCOMPARE(after.size(), before.size());
        for (QPointF corner : before) {
            const auto nearest = std::min_element(after.begin(), after.end(), [corner](QPointF a, QPointF b) {
                return QLineF(a, corner).length() < QLineF(b, corner).length();
            });
            QVERIFY2(QLineF(*nearest, corner).length() <= 30 / 4.0,
                     qPrintable(QStringLiteral("room %1 corner %2, %3").arg(QString::number(room), QString::number(corner.x()), QString::number(corner.y()))));
        }
    }
}

// The sample adventure on the built-in map, whose grid is 20 pixels: its rooms
// come back from the file, which a grid of 70 pixels would lose.
void tst_Import::builtInMapExportsWithItsOwnGrid()
{
    QTemporaryDir program;
    QVERIFY(QDir().mkpath(program.filePath("Dungeons/Dungeon1")));
    const QString sample = QStringLiteral(SAMPLE_DUNGEON) + "/dungeon.json";
    QVERIFY(QFile::copy(sample, program.filePath("Dungeons/Dungeon1/dungeon.json")));
    const QString exported = program.filePath("orvane.uvtt");
    const QString error = exportUniversalVtt(program.path(), 1, exported);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const ImportResult result = importMapFile(program.path(), exported, "Orvane");
    QVERIFY2(result.ok(), qPrintable(result.error));
    const Dungeon::DungeonDescription again = Dungeon::readDungeonDescription(Storage::dungeonFolder(program.path(), result.number)).description;
    QCOMPARE(again.grid->size, 20);
    QCOMPARE(again.grid->origin, QPointF(10, 0));
    // Spots sharing a room share its outline; a room of two cells or less is no room.
    QList<QRectF> rooms;
    for (const QPolygonF &room : Dungeon::readDungeonDescription(program.filePath("Dungeons/Dungeon1")).description.rooms) {
        double area = 0;
        for (qsizetype i = 0; i < room.size(); ++i)
            area += room[i].x() * room[(i + 1) % room.size()].y() - room[(i + 1) % room.size()].x() * room[i].y();
        if (std::abs(area) / 2 > 2 * 20 * 20 && !rooms.contains(room.boundingRect()))
            rooms << room.boundingRect();
    }
    QCOMPARE(result.rooms, rooms.size());
    for (const QPolygonF &room : again.rooms) {
        const QRectF found = room.boundingRect();
        QVERIFY(std::any_of(rooms.begin(), rooms.end(), [found](const QRectF &exported) {
            return QLineF(found.topLeft(), exported.topLeft()).length() <= 5
                   && QLineF(found.bottomRight(), exported.bottomRight()).length() <= 5;
        }));
    }
}

// Twelve rooms of 3 x 3 cells in rows of four, joined by corridors one cell
// wide; note 5 stands in a corridor, note 41 in room 1.
void tst_Import::onePageDungeon()
{
    QJsonArray rects, notes;
    for (int i = 0; i < 12; ++i) {
        const int x = 4 * (i % 4), y = 4 * (i / 4) - 2;
        rects.append(QJsonObject{{"x", x}, {"y", y}, {"w", 3}, {"h", 3}});
        rects.append(QJsonObject{{"x", x + 3}, {"y", y + 1}, {"w", 1}, {"h", 1}}); // corridor
        const QPointF at = i == 4 ? QPointF(x + 3.5, y + 1.5) : QPointF(x + 1.5, y + 1.5);
        notes.append(QJsonObject{{"text", QStringLiteral("Room %1: a rusty gate.").arg(i + 1)},
                                 {"ref", QString::number(i + 1)}, {"pos", QJsonObject{{"x", at.x()}, {"y", at.y()}}}});
    }
    notes.append(QJsonObject{{"text", "Beyond the board"}, {"ref", "41"}, {"pos", QJsonObject{{"x", 1}, {"y", -1}}}});
    const QJsonObject dungeon{
            {"title", "Tomb of the Rat King"}, {"story", "The rats came first."}, {"rects", rects}, {"notes", notes},
            {"doors", QJsonArray{QJsonObject{{"x", 3}, {"y", -1}, {"dir", QJsonObject{{"x", 1}, {"y", 0}}}, {"type", 1}}}},
            {"columns", QJsonArray{QJsonObject{{"x", 1}, {"y", -1}}}},
            {"water", QJsonArray{QJsonObject{{"x", 2}, {"y", 0}}}}};
    QTemporaryDir program;
    const QString path = program.filePath("tomb.json");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(json(dungeon)) > 0);
    out.close();

    const ImportResult result = importMapFile(program.path(), path, "tomb");
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.notesLeftOut, QStringList{"41"});
    const QString folder = Storage::dungeonFolder(program.path(), qint16(result.number));
    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(folder);
    QVERIFY2(read.ok(), qPrintable(read.error));
    const Dungeon::DungeonDescription &description = read.description;
    QCOMPARE(description.title, "Tomb of the Rat King");
    QCOMPARE(description.otherKeys.value("story").toString(), "The rats came first.");
    QCOMPARE(description.spots.keys(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QVERIFY(!description.rooms.contains(5)); // its note is in a corridor
    QCOMPARE(description.rooms.size(), 11);
    QCOMPARE(description.doors.size(), 1);

    // The picture is the plan drawn: floor under each spot, rock between the rows.
    const Dungeon::MapPicture map = Dungeon::readMapPicture(Dungeon::mapPath(folder, description));
    QVERIFY2(map.ok(), qPrintable(map.error));
    const QRectF room1 = description.rooms[1].boundingRect();
    QCOMPARE(room1.size(), QSizeF(3, 3) * description.grid->size);
    QVERIFY(room1.contains(description.spots[1]));
    QCOMPARE(map.image.pixel(description.spots[1].toPoint()), PlanDrawing::Floor);
    QCOMPARE(map.image.pixel((room1.bottomLeft() + QPointF(description.grid->size / 2, description.grid->size / 2)).toPoint()),
             PlanDrawing::Ground);
    QCOMPARE(map.image.pixel((room1.topLeft() + QPointF(2.5, 2.5) * description.grid->size).toPoint()), PlanDrawing::Water);

    // Note 3's text is encounter 3's details.
    const Storage::SavedEncounter encounter =
            Storage::readEncounter(Storage::encounterFiles(program.path(), qint16(result.number), "3"), Storage::ReadMode::LookOnly);
    QTextDocument details;
    Rtf::read(encounter.details, &details);
    QCOMPARE(details.toPlainText(), "Room 3: a rusty gate.");
    QVERIFY(!QFile::exists(Storage::encounterFiles(program.path(), qint16(result.number), "41").detailsFile));
}

QTEST_GUILESS_MAIN(tst_Import)
#include "tst_import.moc"
