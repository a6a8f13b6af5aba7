#include "startup.h"

#include "commandline.h"

#include "combat_window/combattracker.h"
#include "current/currentdungeon.h"
#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "editor_window/frmdungeonencounterediter.h"
#include "exchange/dungeonarchive.h"
#include "import/mapimport.h"
#include "kit/controls.h"
#include "kit/formstyle.h"
#include "kit/module1.h"
#include "kit/theme.h"
#include "player_window/playerview.h"
#include "preview_window/playerspreview.h"
#include "session/sessionfile.h"
#include "storage/encounterfiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

// Said once for each such folder, without stopping the read or save that
// found it.
void tellFolderIsUnlocked(const QString &dungeonFolder)
{
    auto note = new QMessageBox(
            QMessageBox::Information,
            QCoreApplication::translate("startDungeonBoard", "Saves are not kept apart"),
            QCoreApplication::translate("startDungeonBoard",
                                        "The file system of %1 cannot lock files, so copies of "
                                        "the program sharing this folder are not kept apart: "
                                        "let only one of them save at a time.")
                    .arg(QDir::toNativeSeparators(dungeonFolder)),
            QMessageBox::Ok, QApplication::activeWindow());
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->open();
}

// The players' screen shows the fight's order while the tracker offers it.
void showOrderToPlayers()
{
    if (PlayerView *view = PlayerView::current())
        view->setOrder(CombatTracker::instance().orderForPlayers());
}

// "What the players see" copies the players' screen of the moment, which
// the first F5 makes.
void previewPlayerView()
{
    if (PlayersPreview *preview = PlayersPreview::current())
        preview->follow(PlayerView::current());
}

// Told without stopping the start: the board goes on while it shows.
void tellWithoutWaiting(const QString &title, const QString &text)
{
    auto note = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok,
                                QApplication::activeWindow());
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->open();
}

// Writes where the game master is, at most two seconds after a change and
// never on every keystroke; the copy that changed last wins.
void keepSession(frmEditableDungeon1 &board)
{
    constexpr int SettlesMs = 2000;
    auto settled = new QTimer(qApp);
    settled->setSingleShot(true);
    settled->setInterval(SettlesMs);
    const auto changed = [settled] {
        if (!settled->isActive())
            settled->start();
    };
    QObject::connect(&board, &frmEditableDungeon1::sessionChanged, settled, changed);
    QObject::connect(Module1::DungeonOnDisplay, &CurrentDungeon::changed, settled, changed);
    QObject::connect(&CombatTracker::instance(), &CombatTracker::playersOrderChanged, settled, changed);
    QObject::connect(settled, &QTimer::timeout, &board, [&board] {
        if (!board.isLoaded())
            return;
        Session session = board.leftOff();
        session.combatOpen = CombatTracker::instance().isLoaded();
        session.orderShownToPlayers = CombatTracker::instance().showsOrderToPlayers();
        static bool told = false;
        const Storage::WriteResult written =
                SessionFile::write(SessionFile::path(Storage::programFolder()), session);
        if (!written.ok() && !std::exchange(told, true)) {
            tellWithoutWaiting(QCoreApplication::translate("startDungeonBoard", "Where you left off"),
                               QCoreApplication::translate("startDungeonBoard",
                                                           "Where you left off cannot be kept.\n\n%1")
                                       .arg(written.message()));
        }
    });
}

} // namespace

void resumeSession()
{
    const SessionFile::ReadResult read = SessionFile::read(SessionFile::path(Storage::programFolder()));
    const QString title = QCoreApplication::translate("startDungeonBoard", "Resume where you left off");
    if (!read.error.isEmpty()) {
        static QString toldOf;
        if (std::exchange(toldOf, read.error) != read.error) {
            tellWithoutWaiting(title, QCoreApplication::translate("startDungeonBoard",
                                   "Where you left off cannot be read, so the program goes on as it "
                                   "is. The file is left alone until something changes.\n\n%1")
                                   .arg(read.error));
        }
        return;
    }
    if (!read.session)
        return;
    frmEditableDungeon1::instance().resume(*read.session);
    CombatTracker &tracker = CombatTracker::instance();
    tracker.setShowOrderToPlayers(read.session->orderShownToPlayers);
    if (read.session->combatOpen)
        tracker.show();
}

Form &startDungeonBoard(int dungeonNumber)
{
    QApplication::setApplicationName(QStringLiteral("Dungeon Board"));
    QApplication::setStyle(new FormStyle);
    // One font for the whole program, its dialogs included: a text box lays
    // itself out with the program font before it takes its form's, which
    // would otherwise load a font that nothing shows.
    QApplication::setFont(formFont());
    // The application ends when its last form unloads, not when its last
    // visible window closes: a loaded, hidden form keeps it running.
    QApplication::setQuitOnLastWindowClosed(false);
    Theme::showRemembered();

    Storage::setUnlockedFolderNotice(tellFolderIsUnlocked);

    // One dungeon on display for the whole process, whichever windows come and go.
    if (!Module1::DungeonOnDisplay)
        Module1::followDungeonOnDisplay(new CurrentDungeon(qApp));
    Module1::DungeonWindow = &frmEditableDungeon1::instance();
    Module1::EditorWindow = &frmDungeonEncounterEditer::instance();
    Module1::CombatWindow = &CombatTracker::instance();

    Dungeon::limitPictureAllocation();
    // Its first load opens dungeon 1.
    frmEditableDungeon1 &board = frmEditableDungeon1::instance();
    board.load();
    if (board.dungeonOnDisplay() != dungeonNumber)
        board.openDungeon(dungeonNumber);
    // The players' screen is made on the first F5, so it costs the start nothing.
    static QMetaObject::Connection playerViewKey;
    if (!playerViewKey) {
        playerViewKey = QObject::connect(&board, &frmEditableDungeon1::playerViewToggled, &board, [&board] {
            PlayerView::toggle(board.playerTable(), board.window());
            showOrderToPlayers();
            previewPlayerView();
        });
        QObject::connect(&board, &frmEditableDungeon1::playersPreviewToggled, &board, [&board] {
            PlayersPreview::toggle(board.playerTable(), board.window());
        });
        QObject::connect(&CombatTracker::instance(), &CombatTracker::playersOrderChanged, &showOrderToPlayers);
        QObject::connect(&board, &frmEditableDungeon1::resumeRequested, &resumeSession);
        QObject::connect(&board, &frmEditableDungeon1::playerViewChoicesRequested, &board, [&board] {
            QWidget *map = board.window()->findChild<QWidget *>(QStringLiteral("Picture1"));
            PlayerView::offerChoices(board.playerTable(), board.window(),
                                     map->mapToGlobal(map->rect().center()));
            showOrderToPlayers();
            previewPlayerView();
        });
        keepSession(board);
    }
    return *Module1::DungeonWindow;
}

void resumeFight()
{
    if (CombatTracker::fightGoingOn())
        Module1::CombatWindow->show();
}

void showPlayerView()
{
    frmEditableDungeon1 &board = frmEditableDungeon1::instance();
    if (board.playerTable()) {
        PlayerView::show(board.playerTable(), board.window());
        showOrderToPlayers();
        previewPlayerView();
    }
}

// --import FILE: the new dungeon's number, or 0 when the file cannot be
// used, which is told once the board shows.
int importMapFile(const QString &file)
{
    Dungeon::limitPictureAllocation();
    const Import::ImportResult imported =
            Import::importMapFile(Storage::programFolder(), file, QFileInfo(file).completeBaseName());
    const QString told = imported.ok() ? Import::leftOutNotice(imported) : imported.error;
    if (!imported.ok())
        std::fputs(qPrintable(imported.error + u'\n'), stderr);
    if (!told.isEmpty()) {
        QTimer::singleShot(0, qApp, [told] {
            tellWithoutWaiting(QCoreApplication::translate("startDungeonBoard", "New dungeon"), told);
        });
    }
    return imported.number;
}

void startProgram(const CommandLine &commandLine)
{
    const int imported = commandLine.importFile.isEmpty() ? 0 : importMapFile(commandLine.importFile);
    startDungeonBoard(imported ? imported : commandLine.dungeonNumber).show();
    if (imported) {
        // Read afresh: the new dungeon may have the number of the one the
        // board showed before its folder was made.
        frmEditableDungeon1::instance().openDungeon(imported);
        frmEditableDungeon1::instance().placeSpots();
    }
    if (commandLine.resume)
        resumeSession();
    else
        resumeFight();
    // After resuming, which would show the dungeon left off: the desktop
    // entry resumes, and a double-clicked file is what the user asked for.
    if (!commandLine.archiveToImport.isEmpty()) {
        const Exchange::ImportResult archive =
                Exchange::importDungeon(Storage::programFolder(), commandLine.archiveToImport);
        if (archive.ok())
            frmEditableDungeon1::instance().openDungeon(archive.number);
        else
            tellWithoutWaiting(QCoreApplication::translate("startDungeonBoard", "Import dungeon"), archive.error);
    }
    if (commandLine.playerView)
        showPlayerView();
}
