#include "tests/support/filetesting.h"
#include "tests/support/formtesting.h"

#include "app/startup.h"
#include "combat_window/combattracker.h"
#include "current/currentdungeon.h"
#include "dungeon/dungeondescription.h"
#include "dungeon_window/dungeonchoice.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "dungeon_window/mapview.h"
#include "fog/playertable.h"
#include "fog/tablefile.h"
#include "kit/spots.h"
#include "kit/module1.h"
#include "kit/richtextbox.h"
#include "player_window/playerview.h"
#include "session/sessionfile.h"
#include "storage/encounterfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QMessageBox>
#include <QPaintEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>

// Where the board's features meet: another dungeon opened, windows closed
// and opened again, undo across them. Each case is an evening's way of
// losing what the game master typed or of showing the wrong dungeon.
class tst_BoardSeams : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void openingAnotherDungeonKeepsNotesAndNames();
    void rightAfterOpeningUndoChangesNothing();
    void undoingClearKeepsWhatWasTypedSince();
    void editorReopensTheBoardOnItsDungeon();
    void boardOnAnotherDungeonKeepsItsEncounter();
    void unsavablePlacementKeepsTheBoardOpen();
    void savingAPlacementKeepsTheUndo();
    void drawnRoomIsWhatARevealUncovers();
    void revealOnAnUnplacedSpotChangesNothing();
    void roomsDrawnOnTheBuiltInMap();
    void altClickRevealsWhatIsUnderThePointer_data();
    void altClickRevealsWhatIsUnderThePointer();
    void combatWindowFollowsTheDungeon();
    void resumedAfterKill();
    void playersViewOnOneScreen();
    void questionsThatDiscardDefaultToKeeping_data();
    void questionsThatDiscardDefaultToKeeping();
    void mapPicturesOffered();
    void retitledInTheOpenDialog();

private:
    frmEditableDungeon1 &boardForm() { return frmEditableDungeon1::instance(); }
    CurrentDungeon &current() { return *Module1::DungeonOnDisplay; }
    RichTextBox *notes() { return control<RichTextBox>(board(), "RichTextBox1(1)"); }
    QLineEdit *name(int k) { return control<QLineEdit>(board(), QStringLiteral("Text4(%1)").arg(k)); }
    void key(QKeyCombination keys) { QTest::keyClick(board(), keys.key(), keys.keyboardModifiers()); }
    void openDungeon(int number);
    // Where a pixel of the built-in map lies in the board.
    QPoint onBuiltInMap(QPointF pixel) { return spot(1)->parentWidget()->mapTo(board(), pixel.toPoint()); }
    QWidget *spot(int n) { return control(board(), QStringLiteral("lblEncounter%1").arg(n)); }
    QWidget *placement() { return board()->findChild<QWidget *>("spotPlacement"); }
    // Answers the next message box with its first button; its text, when asked.
    void answerNextMessage(QString *text = nullptr);
};

namespace {

// Tells the regions a widget paints.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget *widget, std::function<void(const QRegion &)> painted)
        : m_widget(widget), m_painted(std::move(painted))
    {
        widget->installEventFilter(this);
    }
    ~PaintWatch() override { m_widget->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted(static_cast<QPaintEvent *>(event)->region());
        return false;
    }

private:
    QWidget *m_widget;
    std::function<void(const QRegion &)> m_painted;
};

constexpr int OwnMapDungeon = 21; // a map of 1000 x 1200 with spots 3 and 12
constexpr int OtherDungeon = 22;  // the built-in map

QString folderOf(int number)
{
    return Storage::dungeonFolder(Storage::programFolder(), qint16(number));
}

// Where a map place of the own map lies in the board, as the map is fitted now.
QPoint onOwnMap(QPointF mapPlace)
{
    const auto view = board()->findChild<MapView *>("mapView");
    return view->mapTo(board(), view->toView(mapPlace).toPoint());
}

} // namespace

void tst_BoardSeams::initTestCase()
{
    startDungeonBoard();
    const QString folder = folderOf(OwnMapDungeon);
    QVERIFY(QDir().mkpath(folder));
    QImage map(1000, 1200, QImage::Format_RGB32);
    map.fill(Qt::darkGreen);
    QVERIFY(map.save(folder + QStringLiteral("/map.png")));
    QVERIFY(QDir().mkpath(folderOf(OtherDungeon)));
}

void tst_BoardSeams::init()
{
    putFile(Dungeon::descriptionPath(folderOf(OwnMapDungeon)),
            R"({"title": "Halls", "map": "map.png", "spots": {"3": [100, 200], "12": [900, 300]}})");
    QFile::remove(folderOf(OwnMapDungeon) + QStringLiteral("/table.json"));
    QVERIFY(showBoard());
    board()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board()));
    openDungeon(1);
}

void tst_BoardSeams::cleanup()
{
    unloadWindows();
}

void tst_BoardSeams::cleanupTestCase()
{
    for (int number : {OwnMapDungeon, OtherDungeon})
        QDir(folderOf(number)).removeRecursively();
}

void tst_BoardSeams::answerNextMessage(QString *text)
{
    auto poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [poll, text] {
        if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (text)
                *text = box->text();
            box->buttons().constFirst()->click();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

void tst_BoardSeams::openDungeon(int number)
{
    boardForm().openDungeon(number);
    QCOMPARE(boardForm().dungeonOnDisplay(), number);
    QCOMPARE(int(Module1::DungeonNumber), number);
}

void tst_BoardSeams::openingAnotherDungeonKeepsNotesAndNames()
{
    clickControl(control(board(), "lblEncounter5"));
    typeText(notes(), QStringLiteral("the ogre owes them 20 gp"));
    name(0)->setText(QStringLiteral("Brakka"));
    openDungeon(OtherDungeon);
    QCOMPARE(notes()->toPlainText(), QStringLiteral("the ogre owes them 20 gp"));
    QCOMPARE(name(0)->text(), QStringLiteral("Brakka"));
    QCOMPARE(textOf(board(), "Text2"), QString()); // only the encounter goes
}

void tst_BoardSeams::rightAfterOpeningUndoChangesNothing()
{
    pressAt(board(), {100, 100}); // a marker move, a step of the undo
    const QPoint moved = control(board(), "Label1(6)")->pos();
    openDungeon(OtherDungeon);
    const QPoint offMap = control(board(), "Label1(6)")->pos();
    QVERIFY(offMap != moved);
    key(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(control(board(), "Label1(6)")->pos(), offMap);
}

void tst_BoardSeams::undoingClearKeepsWhatWasTypedSince()
{
    name(0)->setText(QStringLiteral("Brakka"));
    name(1)->setText(QStringLiteral("Ilse"));
    typeText(notes(), QStringLiteral("before"));
    clickControl(control(board(), "cmdClear"));
    typeText(name(1), QStringLiteral("Wren"));
    typeText(notes(), QStringLiteral("typed since"));
    board()->setFocus(); // the board's keys, not the box's own undo
    key(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(name(0)->text(), QStringLiteral("Brakka"));
    QCOMPARE(name(1)->text(), QStringLiteral("Wren"));
    QCOMPARE(notes()->toPlainText(), QStringLiteral("typed since"));
    key(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(name(0)->text(), QString());
    QCOMPARE(name(1)->text(), QStringLiteral("Wren"));
    QCOMPARE(notes()->toPlainText(), QStringLiteral("typed since"));
}

void tst_BoardSeams::editorReopensTheBoardOnItsDungeon()
{
    openDungeon(OwnMapDungeon);
    pressAt(board(), onOwnMap({100, 200})); // spot 3
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("3"));
    clickControl(control(board(), "cmdEdit"));
    QWidget *editorWindow = editor();
    QVERIFY(editorWindow);
    clickControl(control(board(), "cmdClose"));
    QVERIFY(!boardForm().isLoaded());
    control<QLineEdit>(editorWindow, "Text1(0)")->setText(QStringLiteral("Gnoll"));
    clickControl(control(editorWindow, "cmdOK"));
    QVERIFY(boardForm().isLoaded());
    QCOMPARE(boardForm().dungeonOnDisplay(), OwnMapDungeon);
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("3"));
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Gnoll"));
    QVERIFY(control(board(), "lblEncounter3")->isVisible()); // on its own map
    QVERIFY(!control(board(), "lblEncounter4")->isVisible());
}

void tst_BoardSeams::boardOnAnotherDungeonKeepsItsEncounter()
{
    openDungeon(OtherDungeon);
    clickControl(control(board(), "lblEncounter3"));
    clickControl(control(board(), "cmdEdit"));
    QWidget *editorWindow = editor();
    openDungeon(1);
    clickControl(control(board(), "lblEncounter7"));
    const QString shown = textOf(board(), "Text1(0)");
    control<QLineEdit>(editorWindow, "Text1(0)")->setText(QStringLiteral("Kobold"));
    clickControl(control(editorWindow, "cmdOK"));
    QCOMPARE(boardForm().dungeonOnDisplay(), 1);
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("7"));
    QCOMPARE(textOf(board(), "Text1(0)"), shown);
    const Storage::SavedEncounter saved = Storage::readEncounter(
            Storage::encounterFiles(Storage::programFolder(), OtherDungeon, QStringLiteral("3")),
            Storage::ReadMode::LookOnly);
    QCOMPARE(saved.cells[0], QStringLiteral("Kobold"));
}

void tst_BoardSeams::unsavablePlacementKeepsTheBoardOpen()
{
    openDungeon(OwnMapDungeon);
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    QWidget *placement = board()->findChild<QWidget *>("spotPlacement");
    QVERIFY(placement && placement->isVisible());
    // Meanwhile the description became one that only a person can mend.
    const QByteArray damaged = "{\"title\": ";
    putFile(Dungeon::descriptionPath(folderOf(OwnMapDungeon)), damaged);
    QString message;
    answerNextMessage(&message);
    clickControl(control(board(), "cmdClose"));
    QVERIFY(boardForm().isLoaded());
    QVERIFY(board()->isVisible());
    QVERIFY(placement->isVisible());
    QVERIFY2(message.contains(QStringLiteral("cannot be saved")), qPrintable(message));
    QCOMPARE(content(Dungeon::descriptionPath(folderOf(OwnMapDungeon))), damaged);
    QFile::remove(Dungeon::descriptionPath(folderOf(OwnMapDungeon))); // mended: the placement saves
}

void tst_BoardSeams::savingAPlacementKeepsTheUndo()
{
    openDungeon(OwnMapDungeon);
    name(0)->setText(QStringLiteral("Brakka"));
    clickControl(control(board(), "cmdClear"));
    board()->setFocus();
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    QTest::keyClick(board()->findChild<QWidget *>("spotPlacement"), Qt::Key_Return);
    QTRY_VERIFY(!board()->findChild<QWidget *>("spotPlacement"));
    key(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(name(0)->text(), QStringLiteral("Brakka"));
}

void tst_BoardSeams::drawnRoomIsWhatARevealUncovers()
{
    openDungeon(OwnMapDungeon);
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    QWidget *placement = board()->findChild<QWidget *>("spotPlacement");
    QWindow *window = board()->windowHandle();
    // Choose spot 3, then draw its room: three corners, a double-click closes it.
    const QPoint spot3 = onOwnMap({100, 200});
    QTest::mouseClick(window, Qt::LeftButton, {}, spot3);
    const QList<QPointF> corners{{40, 150}, {300, 150}, {300, 400}};
    for (QPointF corner : corners)
        QTest::mouseClick(window, Qt::LeftButton, {}, onOwnMap(corner));
    QTest::mouseDClick(window, Qt::LeftButton, {}, onOwnMap({40, 400}));
    QTest::keyClick(placement, Qt::Key_Return);
    QTRY_VERIFY(!board()->findChild<QWidget *>("spotPlacement"));

    pressAt(board(), onOwnMap({100, 200}));
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("3"));
    board()->setFocus();
    key(Qt::Key_F6);
    QVERIFY(current().fog()->state().revealed.contains(3));
    const QPainterPath room = current().fog()->room(3);
    QCOMPARE(room.boundingRect(), QRectF(QPointF(40, 150), QPointF(300, 400)));
    QCOMPARE(boardForm().playerTable()->fog(), current().fog()); // what the players' view draws
    QVERIFY(room.contains(QPointF(290, 390))); // far outside the circle about the spot
}

void tst_BoardSeams::revealOnAnUnplacedSpotChangesNothing()
{
    openDungeon(OwnMapDungeon);
    boardForm().showEncounter(5); // as the Go to window would; spot 5 has no place
    board()->setFocus();
    key(Qt::Key_F6);
    QVERIFY(current().fog()->state().revealed.isEmpty());
    QVERIFY(!QFile::exists(folderOf(OwnMapDungeon) + QStringLiteral("/table.json")));
}

// The built-in map's rooms are drawn as on an own map; its spots stay where
// they are, and opening another dungeon saves what was drawn.
void tst_BoardSeams::roomsDrawnOnTheBuiltInMap()
{
    const QString description = Dungeon::descriptionPath(folderOf(OtherDungeon));
    QFile::remove(description);
    openDungeon(OtherDungeon);
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    QVERIFY(placement() && placement()->isVisible());
    QWindow *window = board()->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, onBuiltInMap(QRectF(Map::Spots[4]).center())); // spot 5
    for (QPointF corner : {QPointF(20, 120), QPointF(90, 120), QPointF(90, 180)})
        QTest::mouseClick(window, Qt::LeftButton, {}, onBuiltInMap(corner));
    QTest::mouseDClick(window, Qt::LeftButton, {}, onBuiltInMap({20, 180}));
    openDungeon(OwnMapDungeon);
    QTRY_VERIFY(!placement());
    const QJsonObject saved = QJsonDocument::fromJson(content(description)).object();
    QCOMPARE(saved.keys(), QStringList{"rooms"});
    QCOMPARE(saved.value("rooms").toObject().value("5").toArray().toVariantList(),
             QVariantList({QVariantList{20, 120}, QVariantList{90, 120}, QVariantList{90, 180}, QVariantList{20, 180}}));

    openDungeon(OtherDungeon);
    for (int n = 1; n <= 40; ++n)
        QCOMPARE(spot(n)->geometry(), Map::Spots[n - 1]);
    QCOMPARE(current().fog()->room(5).boundingRect(), QRectF(20, 120, 70, 60));
    // Delete removes the chosen spot's room; the spot stays.
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    QTest::mouseClick(window, Qt::LeftButton, {}, onBuiltInMap(QRectF(Map::Spots[4]).center()));
    QTest::keyClick(placement(), Qt::Key_Delete);
    QTest::keyClick(placement(), Qt::Key_Return);
    QTRY_VERIFY(!placement());
    QVERIFY(!QJsonDocument::fromJson(content(description)).object().contains("rooms"));
    QVERIFY(spot(5)->isVisible());
    QFile::remove(description);
}

void tst_BoardSeams::altClickRevealsWhatIsUnderThePointer_data()
{
    QTest::addColumn<int>("dungeon");
    QTest::addColumn<QPointF>("place"); // a pixel of the dungeon's map
    QTest::addColumn<int>("room");
    const QPointF nearSpot12 = QRectF(Map::Spots[11]).center() + QPointF(20, 0);
    QTest::newRow("own map, an area") << OwnMapDungeon << QPointF(500, 1050) << FogState::area(4);
    QTest::newRow("own map, about spot 3") << OwnMapDungeon << QPointF(110, 210) << 3;
    QTest::newRow("built-in map, an area") << OtherDungeon << QPointF(250, 30) << FogState::area(1);
    QTest::newRow("built-in map, about spot 12") << OtherDungeon << nearSpot12 << 12;
}

// Alt+click reveals, Alt+Shift+click hides, both undone and redone as F6
// is, and what is left is what the dungeon reads when it opens again.
void tst_BoardSeams::altClickRevealsWhatIsUnderThePointer()
{
    QFETCH(int, dungeon);
    QFETCH(QPointF, place);
    QFETCH(int, room);
    putFile(Dungeon::descriptionPath(folderOf(dungeon)), dungeon == OwnMapDungeon
            ? R"({"map": "map.png", "spots": {"3": [100, 200]}, "areas": {"4": [[0, 1000], [1000, 1000], [1000, 1100], [0, 1100]]}})"
            : R"({"areas": {"1": [[200, 20], [300, 20], [300, 40], [200, 40]]}})");
    QFile::remove(TableFile::path(folderOf(dungeon)));
    openDungeon(dungeon);
    const QPoint at = dungeon == OwnMapDungeon ? onOwnMap(place) : onBuiltInMap(place);
    const QPoint marker = control(board(), "Label1(6)")->pos();
    const auto revealed = [this] { return current().fog()->state().revealed; };

    QTest::mouseClick(board()->windowHandle(), Qt::LeftButton, Qt::AltModifier, at);
    QCOMPARE(revealed(), QList<int>{room});
    QCOMPARE(current().fog()->state().current, room);
    QCOMPARE(control(board(), "Label1(6)")->pos(), marker); // the click went to nothing else
    key(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(revealed(), QList<int>());
    key(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(revealed(), QList<int>{room});
    QTest::mouseClick(board()->windowHandle(), Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier, at);
    QCOMPARE(revealed(), QList<int>());
    key(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(revealed(), QList<int>{room});
    openDungeon(1);
    openDungeon(dungeon);
    QCOMPARE(current().fog()->state(), FogState().revealing(room));
    QFile::remove(Dungeon::descriptionPath(folderOf(dungeon)));
}

void tst_BoardSeams::combatWindowFollowsTheDungeon()
{
    const auto rows = [] {
        auto table = CombatTracker::instance().window()->findChild<QTableView *>("combatants");
        return table ? table->model()->rowCount() : -1;
    };
    QFile::remove(folderOf(OtherDungeon) + QStringLiteral("/fight.json"));
    openDungeon(1);
    name(0)->setText(QStringLiteral("Brakka"));
    key(Qt::CTRL | Qt::Key_T);
    QVERIFY(CombatTracker::instance().isLoaded());
    const int inDungeon1 = rows();
    QVERIFY(inDungeon1 > 0);
    openDungeon(OtherDungeon);
    QVERIFY(CombatTracker::instance().isLoaded());
    QCOMPARE(rows(), 0);
    QCOMPARE(CombatTracker::fightFile(), folderOf(OtherDungeon) + QStringLiteral("/fight.json"));
    openDungeon(1);
    QCOMPARE(rows(), inDungeon1);
    CombatTracker::instance().unload();
    QFile::remove(folderOf(1) + QStringLiteral("/fight.json"));
}

// Runs twice: here, and in a child process that plays until where it left
// off is kept, and then waits for its SIGKILL. Resuming brings it all back.
void tst_BoardSeams::resumedAfterKill()
{
    const QString sessionFile = SessionFile::path(Storage::programFolder());
    if (qEnvironmentVariableIsSet("PLAY_UNTIL_KILLED")) {
        openDungeon(OtherDungeon);
        name(2)->setText(QStringLiteral("Wren"));
        typeText(notes(), QStringLiteral("owes 20 gp"));
        pressAt(board(), {200, 300}); // the whole party's marker
        CombatTracker::instance().show();
        CombatTracker::instance().setShowOrderToPlayers(true);
        QTRY_VERIFY_WITH_TIMEOUT(content(sessionFile).contains("owes 20 gp"), 10000);
        QTextStream(stdout) << "kept" << Qt::endl;
        QTest::qWait(60000);
    }
    QFile::remove(sessionFile);
    QProcess child;
    qputenv("PLAY_UNTIL_KILLED", "1");
    child.start(QCoreApplication::applicationFilePath(), {"resumedAfterKill"});
    qunsetenv("PLAY_UNTIL_KILLED");
    QVERIFY(QTest::qWaitFor([&] { return child.readAllStandardOutput().contains("kept"); }, 30000));
    child.kill();
    QVERIFY(child.waitForFinished());
    const QPoint markerPlace = control(board(), "Label1(6)")->pos();

    resumeSession();
    QCOMPARE(boardForm().dungeonOnDisplay(), OtherDungeon);
    QCOMPARE(name(2)->text(), QStringLiteral("Wren"));
    QCOMPARE(notes()->toPlainText(), QStringLiteral("owes 20 gp"));
    QVERIFY(control(board(), "Label1(6)")->pos() != markerPlace);
    QCOMPARE(control(board(), "Label1(6)")->pos(), QPoint(200, 300) - QPoint(18, 10));
    QVERIFY(CombatTracker::instance().isLoaded());
    QVERIFY(CombatTracker::instance().showsOrderToPlayers());
    CombatTracker::instance().setShowOrderToPlayers(false);

    // A damaged file is told of and left as it is.
    putFile(sessionFile, "{\"dungeon\": ");
    resumeSession();
    QCOMPARE(boardForm().dungeonOnDisplay(), OtherDungeon);
    QTRY_VERIFY(board()->findChild<QMessageBox *>());
    QCOMPARE(content(sessionFile), QByteArray("{\"dungeon\": "));
    QFile::remove(sessionFile);
}

// With one screen the players' view is an ordinary window beside the board.
// A marker moved away leaves the map behind it, repainted where it stood
// only: read from what the screen holds, without painting the view again.
void tst_BoardSeams::playersViewOnOneScreen()
{
    key(Qt::Key_F5);
    PlayerView *view = PlayerView::current();
    QVERIFY(view && QTest::qWaitForWindowExposed(view));
    QVERIFY(!view->isFullScreen());
    QVERIFY(view->width() < view->screen()->size().width());

    const auto seen = [view](QPointF mapPoint) {
        const QImage screen = view->screen()->grabWindow(view->winId()).toImage();
        const QSize area = QSize(500, 680).scaled(view->size(), Qt::KeepAspectRatio);
        const QPointF topLeft((view->width() - area.width()) / 2.0, (view->height() - area.height()) / 2.0);
        return screen.pixelColor((topLeft + mapPoint * (area.width() / 500.0)).toPoint());
    };
    clickControl(control(board(), "Option1")); // the red marker
    pressAt(board(), QPoint(18, 10) + QPoint(100, 200));
    QTRY_COMPARE(seen({108, 208}), QColor(Qt::red));
    int paints = 0;
    QRegion painted;
    auto watch = new PaintWatch(view, [&](const QRegion &region) {
        ++paints;
        painted += region;
    });
    pressAt(board(), QPoint(18, 10) + QPoint(300, 400));
    QTRY_COMPARE(seen({308, 408}), QColor(Qt::red));
    QCOMPARE(seen({108, 208}), QColor(Qt::black)); // the fog over the map, not the marker
    QVERIFY(paints > 0);
    QVERIFY(!QRegion(view->rect()).subtracted(painted).isEmpty()); // not the whole view
    delete watch;
    key(Qt::Key_F5);
}

void tst_BoardSeams::questionsThatDiscardDefaultToKeeping_data()
{
    QTest::addColumn<bool>("placing"); // Escape in spot placement, else Ctrl+Shift+F6
    QTest::newRow("leaving spot placement") << true;
    QTest::newRow("hiding every room") << false;
}

void tst_BoardSeams::questionsThatDiscardDefaultToKeeping()
{
    QFETCH(bool, placing);
    openDungeon(OwnMapDungeon);
    pressAt(board(), onOwnMap({100, 200}));
    key(Qt::Key_F6); // a room to hide
    if (placing)
        key(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    QMessageBox::StandardButton defaultAnswer = QMessageBox::NoButton;
    auto poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [poll, &defaultAnswer] {
        if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            defaultAnswer = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return); // the answer a hasty Enter gives
            poll->deleteLater();
        }
    });
    poll->start(10);
    if (placing)
        QTest::keyClick(board()->findChild<QWidget *>("spotPlacement"), Qt::Key_Escape);
    else
        key(Qt::CTRL | Qt::SHIFT | Qt::Key_F6);
    QCOMPARE(defaultAnswer, QMessageBox::No);
    QCOMPARE(current().fog()->state().revealed, QList<int>{3});
    QCOMPARE(bool(board()->findChild<QWidget *>("spotPlacement")), placing);
}

void tst_BoardSeams::mapPicturesOffered()
{
    const QString filter = DungeonChoice::mapPictureFilter();
    for (const char *offered : {"*.png", "*.jpg", "*.gif", "*.webp"})
        QVERIFY2(filter.contains(QLatin1String(offered)), qPrintable(filter));
    for (const char *refused : {"*.cur", "*.ico", "*.xbm"})
        QVERIFY2(!filter.contains(QLatin1String(refused)), qPrintable(filter));
}

// F2 in the Open dialog gives the dungeon on display a new title, which a
// later save of its spots keeps.
void tst_BoardSeams::retitledInTheOpenDialog()
{
    openDungeon(OwnMapDungeon);
    int step = 0;
    auto poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [&step, poll] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto title = qobject_cast<QInputDialog *>(modal); title && step == 1) {
            title->setTextValue(QStringLiteral("The Deep Halls"));
            title->accept();
            step = 2;
        } else if (auto list = modal ? modal->findChild<QListWidget *>("dungeonList") : nullptr) {
            if (step == 0) {
                step = 1; // the title is asked for within the key press, while this polls on
                QTimer::singleShot(0, list, [list] { QTest::keyClick(list, Qt::Key_F2); });
            } else if (step == 2) {
                QVERIFY(list->currentItem()->text().contains(QStringLiteral("The Deep Halls")));
                static_cast<QDialog *>(modal)->reject();
                poll->deleteLater();
            }
        }
    });
    poll->start(10);
    key(Qt::CTRL | Qt::Key_O);
    QCOMPARE(step, 2);
    const auto storedTitle = [] {
        return Dungeon::readDungeonDescription(folderOf(OwnMapDungeon)).description.title;
    };
    QCOMPARE(storedTitle(), QStringLiteral("The Deep Halls"));
    board()->activateWindow(); // back from the dialogs
    QVERIFY(QTest::qWaitForWindowActive(board()));
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    QVERIFY(board()->findChild<QWidget *>("spotPlacement"));
    QTest::keyClick(board()->findChild<QWidget *>("spotPlacement"), Qt::Key_Return);
    QCOMPARE(storedTitle(), QStringLiteral("The Deep Halls"));
}

QTEST_MAIN(tst_BoardSeams)
#include "tst_boardseams.moc"
