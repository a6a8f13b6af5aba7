#include "tests/support/filetesting.h"
#include "tests/support/formtesting.h"

#include "app/commandline.h"
#include "app/startup.h"
#include "current/currentdungeon.h"
#include "dungeon/dungeondescription.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "dungeon_window/mapview.h"
#include "dungeon_window/spotplacement.h"
#include "kit/module1.h"
#include "kit/spots.h"
#include "storage/encounterfiles.h"

#include "import/universalvtt.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QFileDialog>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

// Dungeons of the game master's own: a map picture of their own, the spots
// where dungeon.json puts them, zoom and pan, and descriptions that cannot be
// read.
class tst_OwnDungeons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void spotsWhereTheDescriptionPutsThem_data();
    void spotsWhereTheDescriptionPutsThem();
    void unplacedSpotsAreHiddenAndUnclickable();
    void markersStayOnTheirPlaceOfTheMap();
    void fingersTap_data();
    void fingersTap();
    void fingersPinchAndPan();
    void openingEmptiesTheDisplayAndKeepsTheParty();
    void unreadableDescriptions_data();
    void unreadableDescriptions();
    void openDungeonList();
    void editorSavesIntoItsOwnDungeon();

    void placingMovingAndUnplacingSpots_data();
    void placingMovingAndUnplacingSpots();
    void drawingARoom_data();
    void drawingARoom();
    void escapeLeavesWithoutSaving();
    void measuringTheGrid_data();
    void measuringTheGrid();
    void controlsLeaveTheMapFree_data();
    void controlsLeaveTheMapFree();
    void stripLeavesTheMapFree();
    void importedMapOpensSpotPlacementAndExports();
    void unusableMapFileRefusedBeforeTheTitle();
    void importFromTheCommandLine();

private:
    frmEditableDungeon1 &boardForm() { return frmEditableDungeon1::instance(); }
    QWidget *spot(int n) const { return control(board(), QStringLiteral("lblEncounter%1").arg(n)); }
    // Opens the dungeon and returns the text of the message it shows, empty with none.
    QString openDungeon(int number);
    void zoomAt(QPoint inWindow, int wheelSteps);

    // Answers the next message box with `button` and keeps its text.
    void answerNextMessage(QMessageBox::StandardButton button, QString *text = nullptr);
    QJsonObject storedDescription() const;
    QWidget *placement() const { return board()->findChild<QWidget *>("spotPlacement"); }
    void drag(QPoint from, QPoint to, bool withFinger = false);
    // Where a pixel of the own map lies in the board, as the map is fitted now.
    QPoint onPicture(QPointF pixel) const;

    QString m_folder;
};

namespace {

constexpr int OwnMapDungeon = 7;
constexpr int BoxShapedDungeon = OwnMapDungeon + 3;

// The map picture is 1000 x 1200: fitted into the 500 x 680 box above the
// "Encounter Number" caption, it is shown at half its size, 600 pixels high,
// centred in the height the caption leaves free.
QPoint fittedOrigin()
{
    return {0, (control(board(), "Label4")->y() - 600) / 2};
}

QPoint inMap(QPointF boxPoint)
{
    // The map's client area starts inside its 2-pixel border.
    return QPoint(18, 10) + boxPoint.toPoint();
}

QString dungeonFolder(int number)
{
    return Storage::dungeonFolder(Storage::programFolder(), qint16(number));
}

const QByteArray Description = R"({"title": "Halls", "map": "map.png", "author": {"name": "Ann"},
    "spots": {"3": [100, 200], "12": [900, 300], "40": [0, 1200]}})";

// A Universal VTT file of two rooms, 2 x 2 and 3 x 2 cells of 50 pixels.
QByteArray twoRoomsVtt()
{
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    const auto at = [](double x, double y) { return QJsonObject{{"x", x}, {"y", y}}; };
    const QJsonObject vtt{
            {"format", 0.3},
            {"resolution", QJsonObject{{"map_origin", at(0, 0)}, {"map_size", at(8, 4)}, {"pixels_per_grid", 50}}},
            {"line_of_sight", QJsonArray{QJsonArray{at(1, 1), at(3, 1), at(3, 3), at(1, 3), at(1, 1)},
                                         QJsonArray{at(4, 1), at(7, 1), at(7, 3), at(4, 3), at(4, 1)}}},
            {"image", QString::fromLatin1(png.toBase64())}};
    return QJsonDocument(vtt).toJson();
}

} // namespace

void tst_OwnDungeons::initTestCase()
{
    startDungeonBoard();
    m_folder = dungeonFolder(OwnMapDungeon);
    QVERIFY(QDir().mkpath(m_folder));
    QImage map(1000, 1200, QImage::Format_RGB32);
    map.fill(Qt::darkGreen);
    QVERIFY(map.save(m_folder + QStringLiteral("/map.png")));
    putFile(Dungeon::descriptionPath(m_folder), Description);

    const QString boxShaped = dungeonFolder(BoxShapedDungeon);
    QVERIFY(QDir().mkpath(boxShaped));
    QImage boxMap(500, 680, QImage::Format_RGB32);
    boxMap.fill(Qt::darkGreen);
    QVERIFY(boxMap.save(boxShaped + QStringLiteral("/map.png")));
    putFile(Dungeon::descriptionPath(boxShaped), R"({"map": "map.png", "spots": {"39": [440, 660], "40": [392, 660]}})");
}

void tst_OwnDungeons::init()
{
    QVERIFY(showBoard());
    board()->activateWindow(); // the board's keys work in its active window
    QVERIFY(QTest::qWaitForWindowActive(board()));
    QCOMPARE(openDungeon(OwnMapDungeon), QString());
}

void tst_OwnDungeons::cleanup()
{
    unloadWindows();
}

void tst_OwnDungeons::cleanupTestCase()
{
    for (int number : {OwnMapDungeon, OwnMapDungeon + 1, OwnMapDungeon + 2, BoxShapedDungeon})
        QDir(dungeonFolder(number)).removeRecursively();
}

void tst_OwnDungeons::answerNextMessage(QMessageBox::StandardButton button, QString *text)
{
    QTimer::singleShot(0, this, [button, text] {
        if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (text)
                *text = box->text();
            box->button(button)->click();
        }
    });
}

QString tst_OwnDungeons::openDungeon(int number)
{
    QString message;
    answerNextMessage(QMessageBox::Ok, &message);
    boardForm().openDungeon(number);
    QCoreApplication::processEvents();
    return message;
}

QJsonObject tst_OwnDungeons::storedDescription() const
{
    return QJsonDocument::fromJson(content(Dungeon::descriptionPath(m_folder))).object();
}

void tst_OwnDungeons::drag(QPoint from, QPoint to, bool withFinger)
{
    if (withFinger) {
        static QPointingDevice *const screen = QTest::createTouchDevice();
        QTest::touchEvent(board(), screen).press(0, from);
        QTest::touchEvent(board(), screen).move(0, (from + to) / 2);
        QTest::touchEvent(board(), screen).move(0, to);
        QTest::touchEvent(board(), screen).release(0, to);
        return;
    }
    QWindow *window = board()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
}

QPoint tst_OwnDungeons::onPicture(QPointF pixel) const
{
    const auto view = board()->findChild<MapView *>("mapView");
    return view->mapTo(board(), view->toView(pixel).toPoint());
}

void tst_OwnDungeons::zoomAt(QPoint inWindow, int wheelSteps)
{
    QWidget *target = board()->childAt(inWindow);
    const QPointF position = target->mapFrom(board(), inWindow);
    QWheelEvent wheel(position, board()->mapToGlobal(inWindow), {}, {0, 120 * wheelSteps},
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

void tst_OwnDungeons::spotsWhereTheDescriptionPutsThem_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QPointF>("fitted"); // where the spot's centre lies in the box at 1x
    QTest::addColumn<bool>("zoomable"); // the corner's zoom is held back by the box's edge

    QTest::newRow("3") << 3 << QPointF(50, 100) + fittedOrigin() << true;
    QTest::newRow("12") << 12 << QPointF(450, 150) + fittedOrigin() << true;
    QTest::newRow("40, in the corner") << 40 << QPointF(0, 600) + fittedOrigin() << false;
}

void tst_OwnDungeons::spotsWhereTheDescriptionPutsThem()
{
    QFETCH(int, number);
    QFETCH(QPointF, fitted);
    QFETCH(bool, zoomable);

    QVERIFY(board()->windowTitle().startsWith(QStringLiteral("Orvane Editable Dungeon 7 (")));
    QCOMPARE(spot(number)->size(), QSize(17, 17));
    QCOMPARE(spot(number)->toolTip(), QStringLiteral("Encounter %1").arg(number));
    QCOMPARE(qobject_cast<QLabel *>(spot(number))->text(), QString::number(number));

    pressAt(board(), inMap(fitted));
    QCOMPARE(textOf(board(), "Text2"), QString::number(number));

    // Zoomed twice by a quarter about a point of the map, every place moves
    // away from that point by 1.5625 times its distance.
    if (!zoomable)
        return;
    const QPointF about = fitted + QPointF(10, 10);
    zoomAt(inMap(about), 2);
    const QPointF zoomed = about + (fitted - about) * 1.5625;
    QCOMPARE(spot(number)->geometry().center(), zoomed.toPoint());
    pressAt(board(), QPoint(700, 20)); // away from the map, over the details
    control<QLineEdit>(board(), "Text2")->clear();
    pressAt(board(), inMap(zoomed));
    QCOMPARE(textOf(board(), "Text2"), QString::number(number));
}

void tst_OwnDungeons::unplacedSpotsAreHiddenAndUnclickable()
{
    for (int n = 1; n <= 40; ++n)
        QCOMPARE(spot(n)->isVisible(), n == 3 || n == 12 || n == 40);

    // Where the built-in map has spot 5, a press now places the marker.
    const QRect builtInSpot5 = Map::Spots[4];
    pressAt(board(), inMap(QPointF(builtInSpot5.center()) + QPointF(0, 300)));
    QCOMPARE(textOf(board(), "Text2"), QString());
    QCOMPARE(control(board(), "Label1(6)")->pos(), builtInSpot5.center() + QPoint(0, 300));
}

void tst_OwnDungeons::markersStayOnTheirPlaceOfTheMap()
{
    const QPointF placed(300, 400); // picture pixel (600, 720)
    pressAt(board(), inMap(placed));
    QWidget *marker = control(board(), "Label1(6)");
    QCOMPARE(marker->pos(), placed.toPoint());

    const QPointF about(100, 300);
    zoomAt(inMap(about), 3);
    QCOMPARE(marker->pos(), (about + (placed - about) * 1.953125).toPoint());

    QTest::keyClick(board(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(marker->pos(), placed.toPoint());
    // The right button pans nothing at 1x, and places no marker.
    pressAt(board(), inMap({50, 300}), Qt::RightButton);
    QCOMPARE(marker->pos(), placed.toPoint());
}

// A finger tapped on a spot shows its encounter, on a map of the dungeon's
// own and on the built-in one, where the platform makes the click.
void tst_OwnDungeons::fingersTap_data()
{
    QTest::addColumn<int>("dungeon");
    QTest::addColumn<QPointF>("inBox"); // on the own map, from where it is fitted
    QTest::addColumn<QString>("shown");
    QTest::newRow("own map, spot 3") << OwnMapDungeon << QPointF(50, 100) << "3";
    QTest::newRow("built-in map, spot 1") << 1 << QRectF(Map::Spots[0]).center() << "1";
}

void tst_OwnDungeons::fingersTap()
{
    QFETCH(int, dungeon);
    QFETCH(QPointF, inBox);
    QFETCH(QString, shown);
    QCOMPARE(openDungeon(dungeon), QString());
    const QPoint at = inMap(dungeon == OwnMapDungeon ? inBox + fittedOrigin() : inBox);
    static QPointingDevice *const screen = QTest::createTouchDevice();
    QTest::touchEvent(board(), screen).press(0, at);
    QTest::touchEvent(board(), screen).release(0, at);
    QTRY_COMPARE(textOf(board(), "Text2"), shown);
}

// Two fingers spread to twice their distance zoom in twice, the map place
// between them staying there; moved together they pan the map with them.
void tst_OwnDungeons::fingersPinchAndPan()
{
    static QPointingDevice *const screen = QTest::createTouchDevice();
    const auto view = board()->findChild<MapView *>("mapView");
    const QPointF between(250, 300);
    const QPointF place = view->toMap(between);
    QTest::touchEvent(board(), screen).press(0, inMap({200, 300})).press(1, inMap({300, 300}));
    QTest::touchEvent(board(), screen).move(0, inMap({150, 300})).move(1, inMap({350, 300}));
    QCOMPARE(view->zoom(), 2.0);
    QVERIFY(QLineF(view->toView(place), between).length() < 1);

    QTest::touchEvent(board(), screen).move(0, inMap({170, 310})).move(1, inMap({370, 310}));
    QVERIFY(QLineF(view->toView(place), between + QPointF(20, 10)).length() < 1);
    QTest::touchEvent(board(), screen).release(0, inMap({170, 310})).release(1, inMap({370, 310}));
    // Two fingers are never a tap.
    QCOMPARE(textOf(board(), "Text2"), QString());
}

void tst_OwnDungeons::openingEmptiesTheDisplayAndKeepsTheParty()
{
    pressAt(board(), inMap(QPointF(50, 100) + fittedOrigin()));
    pressAt(board(), inMap({300, 400}));
    control<QLineEdit>(board(), "Text4(2)")->setText(QStringLiteral("Brena"));
    QVERIFY(control(board(), "cmdEdit")->isEnabled());
    QTest::mouseClick(control(board(), "cmdEdit"), Qt::LeftButton);
    QCOMPARE(Module1::DungeonNumber, qint16(OwnMapDungeon));
    Module1::EditorWindow->unload();

    QCOMPARE(openDungeon(1), QString());
    QVERIFY(board()->windowTitle().startsWith(QStringLiteral("Orvane Editable Dungeon 1 (")));
    QCOMPARE(textOf(board(), "Text2"), QString());
    QVERIFY(!control(board(), "cmdEdit")->isEnabled());
    QCOMPARE(textOf(board(), "Text4(2)"), QStringLiteral("Brena"));
    QCOMPARE(control(board(), "Label1(6)")->y(), 710);
    // Dungeon 1 without a description: the built-in spots, as laid out.
    for (int n = 1; n <= 40; ++n) {
        QCOMPARE(spot(n)->geometry(), Map::Spots[n - 1]);
        QVERIFY(spot(n)->isVisible());
    }
}

void tst_OwnDungeons::unreadableDescriptions_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<QString>("reason");

    QTest::newRow("not JSON") << QByteArray(R"({"map": "map.png",})") << QByteArray() << "not valid JSON";
    QTest::newRow("spot off the picture") << QByteArray(R"({"map": "map.png", "spots": {"1": [5, 900]}})")
                                          << QByteArray("png") << "spot 1 (5, 900) lies off";
    QTest::newRow("no picture") << QByteArray(R"({"map": "map.png"})") << QByteArray() << "is missing";
    QTest::newRow("zero-byte picture") << QByteArray(R"({"map": "map.png"})") << QByteArray("empty") << "is empty";
}

void tst_OwnDungeons::unreadableDescriptions()
{
    QFETCH(QByteArray, description);
    QFETCH(QByteArray, picture);
    QFETCH(QString, reason);

    const QString folder = dungeonFolder(OwnMapDungeon + 1);
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    putFile(Dungeon::descriptionPath(folder), description);
    if (picture == "png")
        QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(folder + QStringLiteral("/map.png")));
    else if (picture == "empty")
        putFile(folder + QStringLiteral("/map.png"), {});

    const QString message = openDungeon(OwnMapDungeon + 1);
    QVERIFY2(message.contains(QDir::toNativeSeparators(Dungeon::descriptionPath(folder))), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    for (int n = 1; n <= 40; ++n)
        QCOMPARE(spot(n)->geometry(), Map::Spots[n - 1]);
    QCOMPARE(content(Dungeon::descriptionPath(folder)), description);
}

void tst_OwnDungeons::openDungeonList()
{
    QCOMPARE(openDungeon(1), QString());
    QTimer::singleShot(0, this, [] {
        auto list = QApplication::activeModalWidget()->findChild<QListWidget *>("dungeonList");
        QVERIFY(list);
        const QList<QListWidgetItem *> items = list->findItems("Dungeon 7  Halls", Qt::MatchStartsWith);
        QCOMPARE(items.size(), 1);
        list->setCurrentItem(items.first());
        QTest::keyClick(list, Qt::Key_Return);
    });
    QTest::keyClick(board(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(board()->windowTitle().startsWith(QStringLiteral("Orvane Editable Dungeon 7 (")));
    QVERIFY(spot(3)->isVisible() && !spot(4)->isVisible());
}

void tst_OwnDungeons::editorSavesIntoItsOwnDungeon()
{
    pressAt(board(), inMap(QPointF(50, 100) + fittedOrigin())); // spot 3 of dungeon 7
    QTest::mouseClick(control(board(), "cmdEdit"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(editor()));
    QCOMPARE(openDungeon(OwnMapDungeon + 2), QString()); // the board moves on, the editor stays
    control<QLineEdit>(editor(), "Text1(0)")->setText(QStringLiteral("Ogre"));
    QTest::mouseClick(control(editor(), "cmdOK"), Qt::LeftButton);

    const auto stored = [](int dungeon) {
        return Storage::readEncounter(Storage::encounterFiles(Storage::programFolder(), qint16(dungeon), "3"),
                                      Storage::ReadMode::LookOnly).cells[0];
    };
    QCOMPARE(stored(OwnMapDungeon), QStringLiteral("Ogre"));
    QCOMPARE(stored(OwnMapDungeon + 2), QString());
}

void tst_OwnDungeons::placingMovingAndUnplacingSpots_data()
{
    QTest::addColumn<bool>("withFinger");
    QTest::newRow("mouse") << false;
    QTest::newRow("finger") << true;
}

void tst_OwnDungeons::placingMovingAndUnplacingSpots()
{
    QFETCH(bool, withFinger);
    QTest::keyClick(board(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(placement());
    const QPoint origin = placement()->mapTo(board(), QPoint());

    const QRect square5 = static_cast<SpotPlacement *>(placement())->stripSquare(5);
    drag(origin + square5.center(), onPicture({200, 600}), withFinger);
    // A click on the map selects no encounter and moves no marker.
    pressAt(board(), inMap({300, 500}));
    QCOMPARE(textOf(board(), "Text2"), QString());
    QCOMPARE(control(board(), "Label1(6)")->y(), 710);
    // Spot 3 moves from picture pixel (100, 200) to (300, 400); spot 12 is chosen and unplaced.
    drag(onPicture({100, 200}), onPicture({300, 400}), withFinger);
    pressAt(board(), onPicture({900, 300}));
    QTest::keyClick(placement(), Qt::Key_Delete);
    QTest::keyClick(placement(), Qt::Key_Return);
    QTRY_VERIFY(!placement());

    const QJsonObject json = storedDescription();
    QCOMPARE(json.value("spots").toObject().toVariantMap(),
             QVariantMap({{"3", QVariantList{300, 400}}, {"5", QVariantList{200, 600}}, {"40", QVariantList{0, 1200}}}));
    QCOMPARE(json.value("author").toObject().value("name").toString(), QStringLiteral("Ann"));
    QCOMPARE(json.value("map").toString(), QStringLiteral("map.png"));
    // The board shows the spots as saved.
    QVERIFY(spot(5)->isVisible() && !spot(12)->isVisible());
    pressAt(board(), inMap(QPointF(100, 300) + fittedOrigin()));
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("5"));
    putFile(Dungeon::descriptionPath(m_folder), Description);
}

void tst_OwnDungeons::drawingARoom_data()
{
    QTest::addColumn<QString>("outline"); // what the outline becomes: "rooms/3" or "areas/1"
    QTest::newRow("spot 3's room") << "rooms/3";
    QTest::newRow("an area of no spot") << "areas/1";
}

void tst_OwnDungeons::drawingARoom()
{
    QFETCH(QString, outline);
    QTest::keyClick(board(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    pressAt(board(), onPicture({100, 200})); // chooses spot 3
    if (outline.startsWith(u"areas"))
        QTest::keyClick(placement(), Qt::Key_A); // lets it go
    for (QPointF corner : {QPointF(20, 20), QPointF(400, 20), QPointF(400, 600)})
        pressAt(board(), onPicture(corner));
    QTest::mouseDClick(board()->windowHandle(), Qt::LeftButton, {}, onPicture({20, 600}));
    QTest::keyClick(board(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier); // leaving saves
    QTRY_VERIFY(!placement());

    const QJsonObject saved = storedDescription();
    const QVariantList room = saved.value(outline.section(u'/', 0, 0)).toObject().value(outline.section(u'/', 1)).toArray().toVariantList();
    QCOMPARE(room, QVariantList({QVariantList{20, 20}, QVariantList{400, 20}, QVariantList{400, 600},
                                 QVariantList{20, 600}}));
    QCOMPARE(saved.contains("rooms") + saved.contains("areas"), 1);
    putFile(Dungeon::descriptionPath(m_folder), Description);
}

void tst_OwnDungeons::escapeLeavesWithoutSaving()
{
    QTest::keyClick(board(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    drag(onPicture({100, 200}), inMap({400, 600}));
    answerNextMessage(QMessageBox::No);
    QTest::keyClick(placement(), Qt::Key_Escape);
    QVERIFY(placement()); // still placing
    answerNextMessage(QMessageBox::Yes);
    QTest::keyClick(placement(), Qt::Key_Escape);
    QTRY_VERIFY(!placement());
    QCOMPARE(content(Dungeon::descriptionPath(m_folder)), Description);
    pressAt(board(), inMap(QPointF(50, 100) + fittedOrigin()));
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("3"));
}

// Shift and a drag across squares of the map's grid, then how many: the grid
// is the longer side of the drag over the count, from where the drag began.
void tst_OwnDungeons::measuringTheGrid_data()
{
    QTest::addColumn<QPointF>("from"); // picture pixels
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<int>("squares"); // 0: the question is cancelled
    QTest::addColumn<double>("size");  // 0: no grid stored
    QTest::newRow("across") << QPointF(100, 100) << QPointF(400, 110) << 3 << 100.0;
    QTest::newRow("down") << QPointF(500, 200) << QPointF(480, 900) << 10 << 70.0;
    QTest::newRow("cancelled") << QPointF(100, 100) << QPointF(400, 100) << 0 << 0.0;
    QTest::newRow("a click measures nothing") << QPointF(100, 100) << QPointF(102, 100) << 1 << 0.0;
}

void tst_OwnDungeons::measuringTheGrid()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(int, squares);
    QFETCH(double, size);
    QTest::keyClick(board(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(placement());
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [squares] {
        if (auto question = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            question->setIntValue(squares);
            squares ? question->accept() : question->reject();
        }
    });
    answer.start(10);
    QWindow *window = board()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::ShiftModifier, onPicture(from));
    QTest::mouseMove(window, onPicture(to));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::ShiftModifier, onPicture(to));
    QTest::keyClick(placement(), Qt::Key_Return);
    QTRY_VERIFY(!placement());

    const QJsonObject grid = storedDescription().value("grid").toObject();
    QCOMPARE(grid.value("size").toDouble(), size);
    if (size > 0)
        QCOMPARE(grid.value("origin").toArray().toVariantList(), QVariantList({from.x(), from.y()}));
    putFile(Dungeon::descriptionPath(m_folder), Description);
}

// A map the shape of the box: the "Encounter Number" caption and box stand
// beside it, not over its spots.
void tst_OwnDungeons::controlsLeaveTheMapFree_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("39, under the caption") << 39;
    QTest::newRow("40, half under it") << 40;
}

void tst_OwnDungeons::controlsLeaveTheMapFree()
{
    QFETCH(int, number);
    QCOMPARE(openDungeon(BoxShapedDungeon), QString());
    const QRect controls = control(board(), "Label4")->geometry().united(control(board(), "Text2")->geometry());
    QVERIFY(spot(number)->isVisible());
    QVERIFY(!spot(number)->geometry().intersects(controls));
    pressAt(board(), inMap(spot(number)->geometry().center()));
    QCOMPARE(textOf(board(), "Text2"), QString::number(number));
    // Still as large as the free part of the box allows: the full width above the caption.
    const auto view = board()->findChild<MapView *>("mapView");
    QCOMPARE(qRound(view->toView({500, 680}).y() - view->toView({0, 0}).y()), controls.top());
}

// The strip of unplaced numbers above a map as tall as the box: its top row
// can still be reached.
void tst_OwnDungeons::stripLeavesTheMapFree()
{
    QCOMPARE(openDungeon(BoxShapedDungeon), QString());
    QTest::keyClick(board(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    auto strip = static_cast<SpotPlacement *>(placement());
    const int pictureTop = qRound(board()->findChild<MapView *>("mapView")->toView({0, 0}).y());
    for (int n = 1; n <= 38; ++n)
        QVERIFY2(strip->stripSquare(n).bottom() < pictureTop, qPrintable(QString::number(n)));
    drag(strip->mapTo(board(), strip->stripSquare(1).center()), onPicture({250, 0}));
    QTest::keyClick(placement(), Qt::Key_Return);
    QTRY_VERIFY(!placement());
    const QJsonObject spots = QJsonDocument::fromJson(content(Dungeon::descriptionPath(dungeonFolder(BoxShapedDungeon))))
                                      .object().value("spots").toObject();
    QCOMPARE(spots.value("1").toArray().toVariantList(), QVariantList({250, 0}));
}

// Ctrl+N takes a Universal VTT file: its two rooms get spots 1 and 2 and
// spot placement opens; Ctrl+Shift+U writes the dungeon back as one.
void tst_OwnDungeons::importedMapOpensSpotPlacementAndExports()
{
    QTemporaryDir files;
    const QString map = files.filePath("Two Rooms.uvtt");
    putFile(map, twoRoomsVtt());
    const QString exported = files.filePath("again.uvtt");

    int dialogs = 0;
    auto answer = new QTimer(this);
    connect(answer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto files = qobject_cast<QFileDialog *>(modal)) {
            ++dialogs; // the name typed as a user would, then Return
            auto name = files->findChild<QLineEdit *>("fileNameEdit");
            name->setText(dialogs == 1 ? map : exported);
            QTest::keyClick(name, Qt::Key_Return);
        } else if (auto title = qobject_cast<QInputDialog *>(modal)) {
            ++dialogs;
            QCOMPARE(title->textValue(), QStringLiteral("Two Rooms"));
            title->accept();
        }
    });
    answer->start(10);
    const auto removeImported = qScopeGuard([] {
        if (const int number = Module1::DungeonOnDisplay->number(); number != OwnMapDungeon)
            QDir(dungeonFolder(number)).removeRecursively();
    });
    QTest::keyClick(board(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(dialogs, 2);
    QTRY_VERIFY(placement());
    const int imported = Module1::DungeonOnDisplay->number();
    QVERIFY(imported != OwnMapDungeon);
    const Dungeon::DungeonDescription description = Module1::DungeonOnDisplay->description();
    QCOMPARE(description.title, QStringLiteral("Two Rooms"));
    QCOMPARE(description.spots.keys(), QList<int>({1, 2}));
    QVERIFY(QRectF(50, 50, 100, 100).contains(description.spots[1]));
    QVERIFY(QRectF(200, 50, 150, 100).contains(description.spots[2]));
    QTest::keyClick(placement(), Qt::Key_Return);
    QTRY_VERIFY(!placement());

    board()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board()));
    QTest::keyClick(board(), Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    answer->stop();
    QCOMPARE(dialogs, 3);
    const Import::UniversalVttRead read = Import::parseUniversalVtt(content(exported));
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.map.walls.size(), 2);
    QCOMPARE(read.map.pixelsPerGrid, 50);
}

// dungeon-board --import FILE: a file that cannot be used is told, naming it,
// and makes nothing; a good one opens in spot placement.
void tst_OwnDungeons::importFromTheCommandLine()
{
    QTemporaryDir files;
    CommandLine commandLine;
    commandLine.importFile = files.filePath("broken.dd2vtt");
    putFile(commandLine.importFile, "{\"format\": 0.3,");
    const QList<int> before = Dungeon::dungeonNumbers(Storage::programFolder());
    startProgram(commandLine);
    QMessageBox *told = nullptr;
    QTRY_VERIFY((told = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())));
    QVERIFY2(told->text().startsWith(QDir::toNativeSeparators(commandLine.importFile) + ": not valid JSON"),
             qPrintable(told->text()));
    told->accept();
    QCOMPARE(Dungeon::dungeonNumbers(Storage::programFolder()), before);
    QVERIFY(!placement());

    commandLine.importFile = files.filePath("Two Rooms.df2vtt");
    putFile(commandLine.importFile, twoRoomsVtt());
    startProgram(commandLine);
    const auto removeImported = qScopeGuard([] {
        if (const int number = Module1::DungeonOnDisplay->number(); number != OwnMapDungeon)
            QDir(dungeonFolder(number)).removeRecursively();
    });
    QTRY_VERIFY(placement());
    QCOMPARE(Module1::DungeonOnDisplay->description().title, QStringLiteral("Two Rooms"));
    QCOMPARE(Module1::DungeonOnDisplay->description().spots.size(), 2);
    QTest::keyClick(placement(), Qt::Key_Return);
    QTRY_VERIFY(!placement());
}

// Ctrl+N with a Universal VTT file that cannot be used says why at once,
// before a title is typed for it.
void tst_OwnDungeons::unusableMapFileRefusedBeforeTheTitle()
{
    QTemporaryDir files;
    const QString map = files.filePath("Broken.uvtt");
    putFile(map, R"({"format": 0.3})");
    QStringList asked;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto files = qobject_cast<QFileDialog *>(modal)) {
            asked << QStringLiteral("file");
            auto name = files->findChild<QLineEdit *>("fileNameEdit");
            name->setText(map);
            QTest::keyClick(name, Qt::Key_Return);
        } else if (auto title = qobject_cast<QInputDialog *>(modal)) {
            asked << QStringLiteral("title");
            title->reject();
        } else if (auto message = qobject_cast<QMessageBox *>(modal)) {
            asked << QStringLiteral("told");
            QVERIFY(message->text().contains(QStringLiteral("Broken.uvtt")));
            message->accept();
        }
    });
    answer.start(10);
    QTest::keyClick(board(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(asked, QStringList({"file", "told"}));
    QCOMPARE(Module1::DungeonOnDisplay->number(), OwnMapDungeon);
}

QTEST_MAIN(tst_OwnDungeons)
#include "tst_owndungeons.moc"
