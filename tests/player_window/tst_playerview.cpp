#include "tests/support/filetesting.h"
#include "tests/support/formtesting.h"

#include "app/commandline.h"
#include "app/startup.h"
#include "assets/pictures.h"
#include "combat_window/combattracker.h"
#include "kit/module1.h"
#include "player_window/playerview.h"
#include "preview_window/playerspreview.h"
#include "storage/encounterfiles.h"
#include "storage/filesteps.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>

// The players' screen on a second screen, driven from the board's keys and
// looked at through grabs of the real window. Runs with two screens side by
// side (twoscreens.json); the board opens on the first.
class tst_PlayerView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensOnTheOtherScreen();
    void fog_data();
    void fog();
    void markersFollow();
    void undoAndRedo();
    void outlinedRoom();
    void keptAfterRestart();
    void damagedTableFileLeftAlone();
    void screenChosenInTheMenu_data();
    void screenChosenInTheMenu();
    void ownDungeonFromTheCommandLine();
    void fightOrder_data();
    void fightOrder();
    void blackout();
    void previewCopiesThePlayersScreen();

private:
    const QString m_dungeons = Storage::programFolder() + QStringLiteral("/Dungeons");
    const QString m_tableFile = m_dungeons + QStringLiteral("/Dungeon1/table.json");
};

namespace {

// The built-in map is 500 x 680 pixels.
const QSize MapSize(500, 680);

void press(QKeyCombination keys)
{
    QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
}

void showEncounter(int number)
{
    clickControl(control(board(), QStringLiteral("lblEncounter%1").arg(number)));
}

PlayerView *openPlayerView()
{
    press(Qt::Key_F5);
    PlayerView *view = PlayerView::current();
    return view && QTest::qWaitForWindowExposed(view) ? view : nullptr;
}

// The colour the players see at a point of a map of mapSize.
QColor seenAt(PlayerView *view, QPointF mapPoint, QSize mapSize = MapSize)
{
    const QSize area = mapSize.scaled(view->size(), Qt::KeepAspectRatio);
    const QPointF topLeft((view->width() - area.width()) / 2, (view->height() - area.height()) / 2);
    const qreal scale = qreal(area.width()) / mapSize.width();
    return view->grab().toImage().pixelColor((topLeft + mapPoint * scale).toPoint());
}

// Chooses the entry of the view's choices whose text starts with `entry`,
// in the menu that `open` opens; tells the screen the menu showed on.
void chooseInMenu(const QString &entry, const std::function<void()> &open, QScreen **menuScreen)
{
    QTimer::singleShot(0, qApp, [entry, menuScreen] {
        const auto menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        *menuScreen = QGuiApplication::screenAt(menu->geometry().center());
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(entry)) {
                action->trigger();
                break;
            }
        }
        menu->close();
    });
    open();
}

// Plain floor in the rooms of encounters 12, 1 and 40, clear of walls and numbers.
const QPointF Room12(165, 173), Room1(21, 26), Room40(335, 645);

} // namespace

void tst_PlayerView::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // the screen chosen is remembered in QSettings
    QVERIFY2(QGuiApplication::screens().size() == 2, "run with twoscreens.json");
    startDungeonBoard();
}

void tst_PlayerView::init()
{
    QSettings().clear();
    QDir(m_dungeons).removeRecursively();
    QVERIFY(showBoard());
    QVERIFY(QTest::qWaitForWindowActive(board()));
}

void tst_PlayerView::cleanup()
{
    unloadWindows();
    QDir(m_dungeons).removeRecursively();
}

void tst_PlayerView::opensOnTheOtherScreen()
{
    QScreen *boardScreen = board()->screen();
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    QVERIFY(view->screen() != boardScreen);
    QVERIFY(view->isFullScreen());
    QCOMPARE(view->geometry(), view->screen()->geometry());
    QVERIFY(board()->isActiveWindow()); // the keys stay on the board
    press(Qt::Key_F5);
    QVERIFY(!view->isVisible());
}

// Encounter 12 is revealed first, then encounter 1: 12 stays explored.
void tst_PlayerView::fog_data()
{
    QTest::addColumn<QPointF>("place");
    QTest::addColumn<int>("lowestGrey");
    QTest::addColumn<int>("highestGrey");
    QTest::newRow("current room at full brightness") << Room1 << 240 << 255;
    QTest::newRow("explored room dimmed") << Room12 << 60 << 160;
    QTest::newRow("hidden room black") << Room40 << 0 << 0;
}

void tst_PlayerView::fog()
{
    QFETCH(QPointF, place);
    QFETCH(int, lowestGrey);
    QFETCH(int, highestGrey);
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    showEncounter(12);
    press(Qt::Key_F6);
    showEncounter(1);
    press(Qt::Key_F6);
    const QColor seen = seenAt(view, place);
    QVERIFY2(qGray(seen.rgb()) >= lowestGrey && qGray(seen.rgb()) <= highestGrey,
             qPrintable(seen.name()));
}

void tst_PlayerView::markersFollow()
{
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    showEncounter(12);
    press(Qt::Key_F6);
    // The red marker waits below the map, and the numbers drawn on the map
    // in red are the game master's: no red anywhere.
    const QImage before = view->grab().toImage();
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixelColor(x, y) == Qt::red)
                QFAIL(qPrintable(QStringLiteral("red at %1, %2").arg(x).arg(y)));
        }
    }
    clickControl(control(board(), QStringLiteral("Option1")));
    QWidget *map = control(board(), QStringLiteral("Picture1"));
    pressAt(board(), map->mapTo(board(), QPoint(2, 2) + QPoint(100, 200)));
    QCOMPARE(seenAt(view, QPointF(108, 208)), QColor(Qt::red));
    QVERIFY(qGray(seenAt(view, QPointF(100.5, 208)).rgb()) > 200); // a light ring on the fog
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(seenAt(view, QPointF(108, 208)), QColor(Qt::black));
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QCOMPARE(seenAt(view, QPointF(108, 208)), QColor(Qt::red));
}

void tst_PlayerView::undoAndRedo()
{
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    showEncounter(12);
    press(Qt::Key_F6);
    QCOMPARE(qGray(seenAt(view, Room12).rgb()), 255);
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(seenAt(view, Room12), QColor(Qt::black));
    press(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(qGray(seenAt(view, Room12).rgb()), 255);
    press(Qt::SHIFT | Qt::Key_F6);
    QCOMPARE(seenAt(view, Room12), QColor(Qt::black));
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(qGray(seenAt(view, Room12).rgb()), 255);
}

// A room outlined in the dungeon's description is revealed as outlined, not
// as the circle about its spot.
void tst_PlayerView::outlinedRoom()
{
    unloadWindows();
    QVERIFY(QDir().mkpath(QFileInfo(m_tableFile).path()));
    putFile(QFileInfo(m_tableFile).path() + QStringLiteral("/dungeon.json"),
            R"({"rooms": {"12": [[150, 160], [240, 160], [240, 240], [150, 240]]}})");
    QVERIFY(showBoard());
    QVERIFY(QTest::qWaitForWindowActive(board()));

    PlayerView *view = openPlayerView();
    QVERIFY(view);
    showEncounter(12);
    press(Qt::Key_F6);
    QCOMPARE(qGray(seenAt(view, QPointF(235, 235)).rgb()), 255); // far from the spot, in the outline
    QCOMPARE(seenAt(view, QPointF(180, 150)), QColor(Qt::black)); // near the spot, outside it
}

void tst_PlayerView::keptAfterRestart()
{
    showEncounter(12);
    press(Qt::Key_F6);
    showEncounter(1);
    press(Qt::Key_F6);
    unloadWindows();
    QVERIFY(showBoard());
    QVERIFY(QTest::qWaitForWindowActive(board()));
    // The board outlines the explored room 48 map pixels about spot 12's centre.
    QWidget *map = control(board(), QStringLiteral("Picture1"));
    const QColor outline = map->grab().toImage().pixelColor(QPoint(2, 2) + QPoint(180 + 48, 188));
    QVERIFY2(outline.blue() > outline.red() + 80, qPrintable(outline.name()));
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    QCOMPARE(qGray(seenAt(view, Room1).rgb()), 255);
    QVERIFY(qGray(seenAt(view, Room12).rgb()) < 160);
    QVERIFY(QFile::exists(m_tableFile));
}

void tst_PlayerView::damagedTableFileLeftAlone()
{
    unloadWindows();
    QVERIFY(QDir().mkpath(QFileInfo(m_tableFile).path()));
    const QByteArray damaged = R"({"revealed": [12, )";
    putFile(m_tableFile, damaged);

    QVERIFY(showBoard());
    QMessageBox *message = nullptr;
    QVERIFY(QTest::qWaitFor([&message] {
        message = board()->findChild<QMessageBox *>();
        return message && message->isVisible();
    }));
    QVERIFY2(message->text().contains(QDir::toNativeSeparators(m_tableFile)), qPrintable(message->text()));
    message->accept();
    board()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board()));

    PlayerView *view = openPlayerView();
    QVERIFY(view);
    QCOMPARE(seenAt(view, Room12), QColor(Qt::black)); // the fog starts hidden
    showEncounter(12);
    press(Qt::Key_F6);
    QCOMPARE(qGray(seenAt(view, Room12).rgb()), 255);
    QCOMPARE(content(m_tableFile), damaged);
}

void tst_PlayerView::screenChosenInTheMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<bool>("fromTheBoard"); // Shift+F5, else the view's context menu
    QTest::newRow("the board's screen") << "Screen 1:" << 0 << true << false;
    QTest::newRow("a window") << "Full screen" << 1 << false << false;
    QTest::newRow("from the board") << "Full screen" << 1 << false << true;
}

// What the menu chooses is where the view opens from then on.
void tst_PlayerView::screenChosenInTheMenu()
{
    QFETCH(QString, entry);
    QFETCH(int, screen);
    QFETCH(bool, fullScreen);
    QFETCH(bool, fromTheBoard);
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    QScreen *menuScreen = nullptr;
    QScreen *expected = fromTheBoard ? board()->screen() : view->screen();
    if (fromTheBoard)
        chooseInMenu(entry, [] { press(Qt::SHIFT | Qt::Key_F5); }, &menuScreen);
    else
        chooseInMenu(entry, [view] { pressAt(view, view->rect().center(), Qt::RightButton); }, &menuScreen);
    QCOMPARE(menuScreen, expected);
    for (int opening = 0; opening < 2; ++opening) {
        QTRY_COMPARE(view->screen(), QGuiApplication::screens().at(screen));
        QCOMPARE(view->isFullScreen(), fullScreen);
        press(Qt::Key_F5);
        QVERIFY(!view->isVisible());
        QCOMPARE(openPlayerView(), view);
    }
}

// A dungeon with a map of its own shows that map to the players, revealed
// about its spots, with the markers at their places of that map.
void tst_PlayerView::ownDungeonFromTheCommandLine()
{
    const QString folder = m_dungeons + QStringLiteral("/Dungeon2");
    QVERIFY(QDir().mkpath(folder));
    const QSize mapSize(1000, 1200);
    QImage map(mapSize, QImage::Format_RGB32);
    map.fill(Qt::blue);
    QVERIFY(map.save(folder + QStringLiteral("/map.png")));
    putFile(folder + QStringLiteral("/dungeon.json"), R"({"map": "map.png", "spots": {"3": [500, 300]}})");

    unloadWindows();
    QByteArray arguments[] = {"dungeon-board", "--dungeon", "2", "--player-view"};
    char *argv[] = {arguments[0].data(), arguments[1].data(), arguments[2].data(), arguments[3].data()};
    int argc = 4;
    startProgram(runCommandLine(argc, argv));
    QVERIFY(QTest::qWaitForWindowActive(board()));
    PlayerView *view = PlayerView::current();
    QVERIFY(view && QTest::qWaitForWindowExposed(view));
    QVERIFY(view->screen() != board()->screen());

    QCOMPARE(seenAt(view, {500, 300}, mapSize), QColor(Qt::black));
    showEncounter(3);
    press(Qt::Key_F6);
    QCOMPARE(seenAt(view, {500, 300}, mapSize), QColor(Qt::blue));
    QCOMPARE(seenAt(view, {500, 300 + 60}, mapSize), QColor(Qt::black)); // 48 map pixels about the spot
    // The box shows the 1000 x 1200 map at half its size, centred in the
    // height the "Encounter Number" caption leaves free.
    clickControl(control(board(), QStringLiteral("Option1")));
    QWidget *box = control(board(), QStringLiteral("Picture1"));
    const int top = (control(board(), QStringLiteral("Label4"))->y() - 600) / 2;
    pressAt(board(), box->mapTo(board(), QPoint(2, 2) + QPoint(100, top + 60)));
    QCOMPARE(seenAt(view, {205, 125}, mapSize), QColor(Qt::red));
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(seenAt(view, {205, 125}, mapSize), QColor(Qt::black));
    press(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(seenAt(view, {205, 125}, mapSize), QColor(Qt::red));
    QDir(folder).removeRecursively();
}

void tst_PlayerView::fightOrder_data()
{
    QTest::addColumn<QSize>("size"); // empty: full screen
    QTest::addColumn<bool>("overMap");
    QTest::addColumn<int>("linesPerHeight"); // seven lines at least this small part of the height
    QTest::newRow("full screen: beside the map") << QSize() << false << 32;
    QTest::newRow("narrow margins: beside the map, smaller") << QSize(860, 768) << false << 48;
    QTest::newRow("narrow window: over the map") << QSize(520, 600) << true << 32;
}

void tst_PlayerView::fightOrder()
{
    QFETCH(QSize, size);
    QFETCH(bool, overMap);
    QFETCH(int, linesPerHeight);
    Storage::Cells cells;
    cells[0] = "Ghoul";
    QVERIFY(Storage::writeEncounter(Storage::encounterFiles(Storage::programFolder(), 1, "12"), cells, {}).ok());
    QSettings().setValue("PlayerView/fullScreen", size.isEmpty());
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    view->resize(size.isEmpty() ? view->size() : size);
    showEncounter(12);
    const QStringList party = {"Aria", "Bram", "Cora", "Dain", "Eske", "Finn"};
    for (int k = 0; k < 6; ++k)
        control<QLineEdit>(board(), QStringLiteral("Text4(%1)").arg(k))->setText(party[k]);
    press(Qt::Key_F6);
    press(Qt::CTRL | Qt::Key_T);
    QWidget *tracker = Module1::CombatWindow->window();
    QVERIFY(tracker);
    const QImage without = view->grab().toImage();
    auto orderSwitch = control<QCheckBox>(tracker, "showOrderToPlayers");
    clickControl(orderSwitch);
    const QImage with = view->grab().toImage();
    QRect changed;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x)
            changed |= with.pixel(x, y) != without.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
    }
    const QSize area = MapSize.scaled(view->size(), Qt::KeepAspectRatio);
    QCOMPARE(changed.intersects(QRect(QPoint((view->width() - area.width()) / 2, 0), area)), overMap);
    QVERIFY2(changed.height() > 6 * view->height() / linesPerHeight, "seven lines readable across a table");

    auto table = control<QTableView>(tracker, "combatants");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 1)).center());
    clickControl(control(tracker, "hiddenFromPlayers")); // the ghoul, first in the order
    QCOMPARE(CombatTracker::instance().orderForPlayers().size(), 6);
    clickControl(orderSwitch);
    QCOMPARE(view->grab().toImage(), without);

    // The round and turn, without naming a hidden monster.
    clickControl(control(tracker, "showCounterToPlayers"));
    QCOMPARE(view->grab().toImage(), without); // before the first turn
    table->setFocus();
    press(Qt::Key_Space);
    QCOMPARE(CombatTracker::instance().orderForPlayers().counter, QStringLiteral("Round 1"));
    QVERIFY(view->grab().toImage() != without);
    press(Qt::Key_Space);
    QCOMPARE(CombatTracker::instance().orderForPlayers().counter, QStringLiteral("Round 1 \u00B7 Aria"));
    clickControl(control(tracker, "showCounterToPlayers"));
}

namespace {

bool allBlack(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) != 0)
                return false;
        }
    }
    return true;
}

} // namespace

// F8 blacks the players' screen out at once; what the game master does
// meanwhile shows when F8 brings the picture back.
void tst_PlayerView::blackout()
{
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    showEncounter(1);
    press(Qt::Key_F6);
    press(Qt::Key_F8);
    QVERIFY(allBlack(view->grab().toImage()));
    showEncounter(12);
    press(Qt::Key_F6);
    QVERIFY(allBlack(view->grab().toImage()));
    press(Qt::Key_F8);
    QVERIFY(qGray(seenAt(view, Room12).rgb()) >= 240);
    QVERIFY(qGray(seenAt(view, Room1).rgb()) < 200);
}

// Ctrl+F5 shows the players' screen small on the board's screen, following
// each change, and says when it is blacked out or closed.
void tst_PlayerView::previewCopiesThePlayersScreen()
{
    PlayerView *view = openPlayerView();
    QVERIFY(view);
    press(Qt::CTRL | Qt::Key_F5);
    PlayersPreview *preview = PlayersPreview::current();
    QVERIFY(preview && QTest::qWaitForWindowExposed(preview));
    QCOMPARE(preview->windowTitle(), QStringLiteral("What the players see"));
    QCOMPARE(preview->screen(), board()->screen());
    QVERIFY(board()->isActiveWindow());

    const auto previewed = [preview, view](QPointF mapPoint) {
        const QSize shown = view->size().scaled(preview->size(), Qt::KeepAspectRatio);
        const qreal scale = qreal(shown.width()) / view->width();
        const QSize area = MapSize.scaled(view->size(), Qt::KeepAspectRatio);
        const QPointF inView = QPointF((view->width() - area.width()) / 2, (view->height() - area.height()) / 2)
                               + mapPoint * area.width() / MapSize.width();
        const QPointF at = QPointF((preview->width() - shown.width()) / 2, (preview->height() - shown.height()) / 2)
                           + inView * scale;
        return qGray(preview->grab().toImage().pixel(at.toPoint()));
    };
    QCOMPARE(previewed(Room12), 0);
    showEncounter(12);
    press(Qt::Key_F6);
    QTRY_COMPARE(previewed(Room12), qGray(seenAt(view, Room12).rgb()));

    press(Qt::Key_F8);
    QTRY_VERIFY(!allBlack(preview->grab().toImage())); // the caption, on black
    QCOMPARE(previewed(Room12), 0);
    press(Qt::Key_F8);
    QTRY_COMPARE(previewed(Room12), qGray(seenAt(view, Room12).rgb()));

    press(Qt::Key_F5);
    QVERIFY(!view->isVisible());
    QTRY_COMPARE(previewed(Room12), 0);
    press(Qt::CTRL | Qt::Key_F5);
    QVERIFY(!preview->isVisible());
}

QTEST_MAIN(tst_PlayerView)
#include "tst_playerview.moc"
