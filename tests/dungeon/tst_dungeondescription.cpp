#include "dungeon/dungeondescription.h"
#include "storage/encounterfiles.h"
#include "dungeon/mappicture.h"
#include "tests/support/filetesting.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Dungeon;

class tst_DungeonDescription : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
    void missingDescriptionIsTheBuiltInMap();
    void rewriteKeepsUnknownKeys();
    void unreadableDescriptionIsNeverOverwritten();
    void mapPictures_data();
    void mapPictures();
    void dungeonFolders();
    void newDungeonFromAPicture();
    void fullDisk();
    void unplacingEverySpot();
    void roundTrip();
    void newDungeonNeverTakesAnExistingName();

private:
    QTemporaryDir m_dir;
};

namespace {

const QSize PictureSize(1000, 800);

QByteArray encoded(QSize size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A BMP whose header gives `size` but whose pixels are those of a 4 x 4 picture.
QByteArray bmpClaiming(QSize size)
{
    QByteArray bytes = encoded({4, 4}, "BMP");
    qToLittleEndian<qint32>(size.width(), bytes.data() + 18);
    qToLittleEndian<qint32>(size.height(), bytes.data() + 22);
    return bytes;
}

// A PNG cut short: its header promises pixels its data no longer holds.
QByteArray pngCutShort()
{
    const QByteArray bytes = encoded({2000, 1500}, "PNG");
    return bytes.left(bytes.size() / 3);
}

// A GIF of one pixel whose header gives the canvas it is drawn on.
QByteArray gifOnCanvas(QSize canvas)
{
    QByteArray bytes = QByteArray::fromHex("474946383961" "0100" "0100" "800000" "000000ffffff"
                                           "2c000000000100010000" "02024401003b");
    qToLittleEndian<quint16>(canvas.width(), bytes.data() + 6);
    qToLittleEndian<quint16>(canvas.height(), bytes.data() + 8);
    return bytes;
}

} // namespace

void tst_DungeonDescription::parsing_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error"); // a part of the reason; empty when it reads
    QTest::addColumn<int>("spots");
    QTest::addColumn<int>("rooms");
    QTest::addColumn<int>("areas");

    QTest::newRow("full") << QByteArray(R"({"title": "Halls", "map": "map.jpg", "spots": {"1": [212, 96], "40": [1000, 800]},
        "rooms": {"1": [[180, 60], [260, 60], [260, 140]]}, "author": "me"})") << QString() << 2 << 1 << 0;
    QTest::newRow("empty object") << QByteArray("{}") << QString() << 0 << 0 << 0;
    QTest::newRow("not JSON") << QByteArray(R"({"title": )") << "not valid JSON at character" << 0 << 0 << 0;
    QTest::newRow("array") << QByteArray("[1, 2]") << "not a JSON object" << 0 << 0 << 0;
    QTest::newRow("title a number") << QByteArray(R"({"title": 3})") << "\"title\" is not text" << 0 << 0 << 0;
    QTest::newRow("map elsewhere") << QByteArray(R"({"map": "../Dungeon1/map.png"})") << "\"map\" is not the name of a file" << 0 << 0 << 0;
    QTest::newRow("map not text") << QByteArray(R"({"map": 7})") << "\"map\" is not the name of a file" << 0 << 0 << 0;
    QTest::newRow("spots a list") << QByteArray(R"({"spots": [[1, 2]]})") << "\"spots\" is not an object" << 0 << 0 << 0;
    QTest::newRow("spot 41") << QByteArray(R"({"spots": {"41": [1, 2]}})") << "spot \"41\" is not a spot number from 1 to 40" << 0 << 0 << 0;
    QTest::newRow("spot 0") << QByteArray(R"({"spots": {"0": [1, 2]}})") << "spot \"0\" is not a spot number" << 0 << 0 << 0;
    QTest::newRow("spot 07") << QByteArray(R"({"spots": {"07": [1, 2]}})") << "spot \"07\" is not a spot number" << 0 << 0 << 0;
    QTest::newRow("spot one number") << QByteArray(R"({"spots": {"3": [1]}})") << "spot 3 is not a pair of numbers" << 0 << 0 << 0;
    QTest::newRow("spot text") << QByteArray(R"({"spots": {"3": ["1", "2"]}})") << "spot 3 is not a pair of numbers" << 0 << 0 << 0;
    QTest::newRow("spot right of picture") << QByteArray(R"({"spots": {"3": [1001, 2]}})")
                                           << "spot 3 (1001, 2) lies off the map picture of 1000 x 800 pixels" << 0 << 0 << 0;
    QTest::newRow("spot above picture") << QByteArray(R"({"spots": {"3": [5, -1]}})") << "lies off the map picture" << 0 << 0 << 0;
    QTest::newRow("room of two corners") << QByteArray(R"({"rooms": {"2": [[1, 1], [5, 5]]}})")
                                         << "room 2 is not a list of at least three corners" << 0 << 0 << 0;
    QTest::newRow("room corner off") << QByteArray(R"({"rooms": {"2": [[1, 1], [5, 5], [5, 900]]}})")
                                     << "corner 3 of room 2 (5, 900) lies off" << 0 << 0 << 0;
    QTest::newRow("spot key holding %1") << QByteArray(R"({"spots": {"%1": [1, 2]}})")
                                         << "spot \"%1\" is not a spot number from 1 to 40" << 0 << 0 << 0;
    QTest::newRow("room 50") << QByteArray(R"({"rooms": {"50": [[1, 1], [5, 5], [5, 9]]}})")
                             << "room \"50\" is not a spot number" << 0 << 0 << 0;
    QTest::newRow("areas") << QByteArray(R"({"areas": {"1": [[1, 1], [5, 5], [5, 9]], "999": [[0, 0], [9, 0], [9, 9]]}})")
                           << QString() << 0 << 0 << 2;
    QTest::newRow("area 0") << QByteArray(R"({"areas": {"0": [[1, 1], [5, 5], [5, 9]]}})")
                            << "area \"0\" is not an area number from 1 to 999" << 0 << 0 << 0;
    QTest::newRow("area of two corners") << QByteArray(R"({"areas": {"4": [[1, 1], [5, 5]]}})")
                                         << "area 4 is not a list of at least three corners" << 0 << 0 << 0;
    QTest::newRow("area corner off") << QByteArray(R"({"areas": {"4": [[1, 1], [5, 5], [1001, 5]]}})")
                                     << "corner 3 of area 4 (1001, 5) lies off" << 0 << 0 << 0;
    QTest::newRow("grid and doors") << QByteArray(R"({"grid": {"size": 70, "origin": [0, 0]},
        "doors": [[[140, 70], [210, 70]]]})") << QString() << 0 << 0 << 0;
    QTest::newRow("grid of size 0") << QByteArray(R"({"grid": {"size": 0, "origin": [0, 0]}})") << "\"grid\" has no \"size\"" << 0 << 0 << 0;
    QTest::newRow("grid size text") << QByteArray(R"({"grid": {"size": "70", "origin": [0, 0]}})") << "\"grid\" has no \"size\"" << 0 << 0 << 0;
    QTest::newRow("grid a number") << QByteArray(R"({"grid": 70})") << "\"grid\" is not an object" << 0 << 0 << 0;
    QTest::newRow("grid without origin") << QByteArray(R"({"grid": {"size": 70}})") << "the grid's origin is not a pair" << 0 << 0 << 0;
    QTest::newRow("doors an object") << QByteArray(R"({"doors": {}})") << "\"doors\" is not a list" << 0 << 0 << 0;
    QTest::newRow("door of one end") << QByteArray(R"({"doors": [[[1, 1]]]})") << "door 1 is not a pair of points" << 0 << 0 << 0;
    QTest::newRow("door off the map") << QByteArray(R"({"doors": [[[1, 1], [2, 2]], [[1, 1], [1, 900]]]})")
                                      << "door 2 (1, 900) lies off" << 0 << 0 << 0;
}

void tst_DungeonDescription::parsing()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QFETCH(int, spots);
    QFETCH(int, rooms);
    QFETCH(int, areas);

    const DescriptionRead read = parseDungeonDescription(json, m_dir.path(), PictureSize);
    if (error.isEmpty()) {
        QVERIFY2(read.ok(), qPrintable(read.error));
    } else {
        QVERIFY2(read.error.startsWith(QDir::toNativeSeparators(descriptionPath(m_dir.path())) + ": "),
                 qPrintable(read.error));
        QVERIFY2(read.error.contains(error), qPrintable(read.error));
    }
    QCOMPARE(read.description.spots.size(), spots);
    QCOMPARE(read.description.rooms.size(), rooms);
    QCOMPARE(read.description.areas.size(), areas);
}

void tst_DungeonDescription::missingDescriptionIsTheBuiltInMap()
{
    const QString folder = m_dir.filePath(QStringLiteral("Dungeons/Dungeon5"));
    QVERIFY(QDir().mkpath(folder));
    const DescriptionRead read = readDungeonDescription(folder);
    QVERIFY(read.ok());
    QVERIFY(!read.exists);
    QVERIFY(!read.description.hasOwnMap());

    // Without a map, coordinates are checked against the built-in map.
    QVERIFY(parseDungeonDescription(R"({"rooms": {"1": [[0, 0], [500, 0], [500, 680]]}})", folder).ok());
    QVERIFY(!parseDungeonDescription(R"({"spots": {"1": [501, 3]}})", folder).ok());
}

void tst_DungeonDescription::rewriteKeepsUnknownKeys()
{
    const QString folder = m_dir.filePath(QStringLiteral("rewrite"));
    QVERIFY(QDir().mkpath(folder));
    QImage map(PictureSize, QImage::Format_RGB32);
    map.fill(Qt::gray);
    QVERIFY(map.save(folder + QStringLiteral("/map.png")));
    putFile(descriptionPath(folder), R"({"title": "Halls", "map": "map.png", "spots": {"2": [10, 20]},
        "author": {"name": "Ann"}, "levels": [1, 2]})");

    DescriptionRead read = readDungeonDescription(folder);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.description.spots.value(2), QPointF(10, 20));
    read.description.spots.remove(2);
    read.description.spots.insert(7, {999.5, 0});
    read.description.rooms.insert(7, QPolygonF({{1, 1}, {9, 1}, {9, 9}}));
    QCOMPARE(writeDungeonDescription(folder, read.description), QString());

    const DescriptionRead again = readDungeonDescription(folder);
    QVERIFY2(again.ok(), qPrintable(again.error));
    QCOMPARE(again.description.title, QStringLiteral("Halls"));
    QCOMPARE(again.description.spots, read.description.spots);
    QCOMPARE(again.description.rooms, read.description.rooms);
    const QJsonObject json = QJsonDocument::fromJson(content(descriptionPath(folder))).object();
    QCOMPARE(json.value("author").toObject().value("name").toString(), QStringLiteral("Ann"));
    QCOMPARE(json.value("levels").toArray().size(), 2);
    QCOMPARE(json.value("map").toString(), QStringLiteral("map.png"));
}

void tst_DungeonDescription::unreadableDescriptionIsNeverOverwritten()
{
    const QString folder = m_dir.filePath(QStringLiteral("unreadable"));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray handWritten = R"({"title": "Halls", "spots": {"1": [10, 20],}})";
    putFile(descriptionPath(folder), handWritten);
    QVERIFY(!readDungeonDescription(folder).ok());

    DungeonDescription description;
    description.title = QStringLiteral("Other");
    const QString error = writeDungeonDescription(folder, description);
    QVERIFY2(error.contains(QDir::toNativeSeparators(descriptionPath(folder))), qPrintable(error));
    QCOMPARE(content(descriptionPath(folder)), handWritten);
}

void tst_DungeonDescription::mapPictures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    QTest::newRow("picture") << bmpClaiming({4, 4}) << QString();
    QTest::newRow("zero bytes") << QByteArray() << "is empty";
    QTest::newRow("not a picture") << QByteArray("hello, dungeon") << "cannot be read";
    QTest::newRow("12000 x 12000") << bmpClaiming({12000, 12000}) << "is 12000 x 12000 pixels, more than 8192 x 8192";
    QTest::newRow("8193 wide") << bmpClaiming({8193, 4}) << "more than 8192 x 8192";
    QTest::newRow("lying header") << pngCutShort() << "cannot be read";
    QTest::newRow("GIF frame 1 x 1 on a canvas of 20000 x 3000") << gifOnCanvas({20000, 3000})
                                                                   << "is 20000 x 3000 pixels, more than 8192";
    QTest::newRow("6000 x 4000") << encoded({6000, 4000}, "PNG") << QString();
}

void tst_DungeonDescription::mapPictures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    limitPictureAllocation();
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    putFile(path, bytes);
    const MapPicture picture = readMapPicture(path);
    QVERIFY2(picture.error.contains(error), qPrintable(picture.error));
    QCOMPARE(picture.image.isNull(), !error.isEmpty());

    // The description names the picture's file and the reason in one message.
    const QString folder = QFileInfo(path).path();
    const QByteArray json = "{\"map\": \"" + QFileInfo(path).fileName().toUtf8() + "\"}";
    if (picture.fullSize.isValid())
        return; // a lying header is only found by decoding
    const DescriptionRead read = parseDungeonDescription(json, folder);
    QVERIFY2(read.error.contains(QFileInfo(path).fileName()) && read.error.contains(error), qPrintable(read.error));
}

void tst_DungeonDescription::dungeonFolders()
{
    const QString program = m_dir.filePath(QStringLiteral("program"));
    for (const char *name : {"Dungeon1", "Dungeon3", "Dungeon03", "DungeonX", "Dungeon1000", "Dungeon12"})
        QVERIFY(QDir().mkpath(program + QStringLiteral("/Dungeons/") + QLatin1String(name)));
    QCOMPARE(dungeonNumbers(program), QList<int>({1, 3, 12}));
    QCOMPARE(nextFreeDungeonNumber(program), 2);
    QCOMPARE(Storage::dungeonFolder(program, 3), program + QStringLiteral("/Dungeons/Dungeon3"));
}

void tst_DungeonDescription::newDungeonFromAPicture()
{
    const QString program = m_dir.filePath(QStringLiteral("new"));
    QVERIFY(QDir().mkpath(program + QStringLiteral("/Dungeons/Dungeon1")));
    const QString picture = m_dir.filePath(QStringLiteral("Cellar.BMP"));
    putFile(picture, bmpClaiming({4, 4}));

    QString error;
    QCOMPARE(createDungeon(program, picture, QStringLiteral("The Cellar"), &error), 2);
    const DescriptionRead read = readDungeonDescription(Storage::dungeonFolder(program, 2));
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.description.title, QStringLiteral("The Cellar"));
    QCOMPARE(read.description.mapFile, QStringLiteral("map.bmp"));
    QCOMPARE(content(mapPath(Storage::dungeonFolder(program, 2), read.description)), content(picture));

    // A picture that cannot be used makes no folder.
    putFile(picture, bmpClaiming({12000, 12000}));
    QCOMPARE(createDungeon(program, picture, QStringLiteral("Too large"), &error), 0);
    QVERIFY2(error.contains(QStringLiteral("12000 x 12000")), qPrintable(error));
    QCOMPARE(dungeonNumbers(program), QList<int>({1, 2}));
}

// A file size limit stands in for a full disk: the description on disk stays
// whole, the failure is reported, and a new dungeon leaves nothing behind.
void tst_DungeonDescription::fullDisk()
{
    const QString program = m_dir.filePath(QStringLiteral("full"));
    const QString folder = Storage::dungeonFolder(program, 1);
    QVERIFY(QDir().mkpath(folder));
    DungeonDescription description;
    description.title = QStringLiteral("Halls");
    QCOMPARE(writeDungeonDescription(folder, description), QString());
    const QByteArray before = content(descriptionPath(folder));
    const QString picture = m_dir.filePath(QStringLiteral("full.bmp"));
    putFile(picture, bmpClaiming({4, 4}));
    for (int spot = 1; spot <= SpotCount; ++spot)
        description.spots.insert(spot, {spot * 10.25, spot * 5.5});

    QString written, created;
    int number = -1;
    {
        const FileSizeLimit limit(1024);
        QVERIFY(limit.isSet());
        written = writeDungeonDescription(folder, description);
        number = createDungeon(program, picture, QString(1000, u'x'), &created);
    }
    QVERIFY2(written.contains(QDir::toNativeSeparators(descriptionPath(folder))), qPrintable(written));
    QCOMPARE(content(descriptionPath(folder)), before);
    QCOMPARE(number, 0);
    QVERIFY(!created.isEmpty());
    QCOMPARE(QDir(program + QStringLiteral("/Dungeons")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Dungeon1")});
}

// Spots and rooms all taken off the map stay off after the next start.
void tst_DungeonDescription::unplacingEverySpot()
{
    const QString folder = m_dir.filePath(QStringLiteral("unplaced"));
    QVERIFY(QDir().mkpath(folder));
    DungeonDescription description;
    description.title = QStringLiteral("Halls");
    description.spots = {{1, {10, 20}}, {40, {30, 40}}};
    description.rooms = {{1, QPolygonF({{1, 1}, {9, 1}, {9, 9}})}};
    QCOMPARE(writeDungeonDescription(folder, description), QString());
    description.spots.clear();
    description.rooms.clear();
    QCOMPARE(writeDungeonDescription(folder, description), QString());
    const DescriptionRead read = readDungeonDescription(folder);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QVERIFY(read.description.spots.isEmpty());
    QVERIFY(read.description.rooms.isEmpty());
    QCOMPARE(read.description.title, QStringLiteral("Halls"));
}

// Random descriptions, coordinates on the edges of the picture among them,
// come back from the file as they went in.
void tst_DungeonDescription::roundTrip()
{
    QRandomGenerator generator(30);
    const QSize mapSize(MaxMapSide, 3000);
    const auto point = [&generator, mapSize] {
        const int chance = int(generator.bounded(4));
        return chance == 0 ? QPointF() : chance == 1 ? QPointF(mapSize.width(), mapSize.height())
                                                     : QPointF(generator.bounded(8192.0), generator.bounded(3000.0));
    };
    for (int i = 0; i < 2000; ++i) {
        DungeonDescription description;
        description.title = QString::number(generator.generate(), 36) + QStringLiteral(" %1\"\\\u2014");
        description.mapFile = generator.bounded(2) ? QStringLiteral("map %1.png") : QString();
        for (int n = int(generator.bounded(6)); n > 0; --n) {
            const int spot = n == 1 ? SpotCount : int(generator.bounded(SpotCount)) + 1;
            description.spots.insert(spot, point());
            description.rooms.insert(spot, QPolygonF({point(), point(), point(), point()}));
        }
        description.otherKeys.insert(QStringLiteral("author"), description.title);
        const DescriptionRead read = parseDungeonDescription(descriptionJson(description), m_dir.path(), mapSize);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.description.title, description.title);
        QCOMPARE(read.description.mapFile, description.mapFile);
        QCOMPARE(read.description.spots, description.spots);
        QCOMPARE(read.description.rooms, description.rooms);
        QCOMPARE(read.description.otherKeys, description.otherKeys);
    }
}

// A name that is there already belongs to another dungeon, even one a
// second copy of the program is making: the new dungeon takes the next.
void tst_DungeonDescription::newDungeonNeverTakesAnExistingName()
{
    const QString program = m_dir.filePath(QStringLiteral("taken"));
    QVERIFY(QDir().mkpath(program + QStringLiteral("/Dungeons")));
    putFile(program + QStringLiteral("/Dungeons/Dungeon1"), "not a folder, but in the way");
    const QString picture = m_dir.filePath(QStringLiteral("taken.bmp"));
    putFile(picture, bmpClaiming({4, 4}));

    QString error;
    QCOMPARE(createDungeon(program, picture, QStringLiteral("Cellar"), &error), 2);
    QCOMPARE(content(program + QStringLiteral("/Dungeons/Dungeon1")), "not a folder, but in the way");
    QVERIFY(readDungeonDescription(Storage::dungeonFolder(program, 2)).ok());
}

QTEST_GUILESS_MAIN(tst_DungeonDescription)
#include "tst_dungeondescription.moc"
