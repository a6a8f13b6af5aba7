// Prints the CPU time of adding an encounter of ten monsters to a fight and of
// applying damage, each with the fight file written: in the model alone, and
// through the board's Ctrl+T and the tracker's hit point box with the window
// painted. Then every kind of change to a fight of 40 combatants, to the next
// painted frame of the tracker and of the players' view with the order and
// the round shown. Medians of many runs, in milliseconds.
#include "app/startup.h"
#include "combat_window/combattracker.h"
#include "fight/fight.h"
#include "kit/module1.h"
#include "player_window/playerview.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSettings>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The median CPU time of step, run `runs` times with prepare before each.
template<typename Prepare, typename Step>
double median(int runs, Prepare prepare, Step step)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        const double start = cpuMilliseconds();
        step();
        times.push_back(cpuMilliseconds() - start);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// Ten monsters of four kinds, hit points given both ways.
EncounterOnDisplay tenMonsters()
{
    EncounterOnDisplay encounter;
    encounter.number = 7;
    encounter.characters = {"Aria", "Bram", "Cora", "Dain", "Eske", "Finn"};
    const char *names[] = {"Goblin", "Goblin", "Goblin", "Goblin", "Wolf", "Wolf", "Hobgoblin",
                           "Hobgoblin", "Bugbear", "Hobgoblin Captain"};
    for (int row = 0; row < 10; ++row) {
        encounter.cells[row] = QString::fromLatin1(names[row]);
        encounter.cells[10 + row] = QString::number(12 + row % 5);
        encounter.cells[20 + row] = QStringLiteral("2d6+%1").arg(row % 3);
        encounter.cells[30 + row] = row % 2 ? QStringLiteral("22 (4d8+4)") : QStringLiteral("5d8+5");
    }
    return encounter;
}

// Encounter number with `monsters` monsters of its own names.
EncounterOnDisplay otherMonsters(int number, int monsters)
{
    EncounterOnDisplay encounter;
    encounter.number = number;
    for (int row = 0; row < monsters; ++row) {
        encounter.cells[row] = QStringLiteral("Wight of Hall %1").arg(number);
        encounter.cells[10 + row] = QStringLiteral("14");
        encounter.cells[30 + row] = QStringLiteral("45");
    }
    return encounter;
}

// Each change of a fight of 40 combatants through the keys and cells of the
// tracker, with the players' view showing the order and the round.
void fortyCombatants(int runs)
{
    QFile::remove(CombatTracker::fightFile());
    Module1::CombatWindow->unload();
    Module1::CombatWindow->joinFight(tenMonsters());
    for (const auto &[number, monsters] : {std::pair(8, 10), std::pair(9, 10), std::pair(10, 4)})
        Module1::CombatWindow->joinFight(otherMonsters(number, monsters));
    QWidget *tracker = Module1::CombatWindow->window();
    auto table = tracker->findChild<QTableView *>(QStringLiteral("combatants"));
    showPlayerView();
    for (const char *name : {"showOrderToPlayers", "showCounterToPlayers"}) {
        if (auto box = tracker->findChild<QCheckBox *>(QString::fromLatin1(name)))
            box->setChecked(true);
    }
    // The keys go to the tracker, as the game master's do.
    tracker->activateWindow();
    if (!QTest::qWaitForWindowExposed(PlayerView::current()) || !QTest::qWaitForWindowActive(tracker)
        || table->model()->rowCount() != 40) {
        std::printf("the fight of 40 did not open\n");
        return;
    }
    const auto key = [](int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    };
    const auto painted = [] { QCoreApplication::processEvents(); };
    table->setFocus();
    table->selectRow(5);
    key(Qt::Key_Space);
    painted();

    int turn = 0;
    std::printf("40 combatants, to the next frame of the tracker and the players' view:\n");
    std::printf("  damage typed in the list, Enter       %7.3f ms\n", median(runs, [&] {
        table->setFocus();
        table->selectRow(turn % 40);
    }, [&] {
        // Damage and healing in turn, so that each changes the fight.
        if (turn++ % 2)
            key(Qt::Key_Plus);
        key(Qt::Key_3);
        key(Qt::Key_Return);
        painted();
    }));
    std::printf("  the turn passed (Space)               %7.3f ms\n", median(runs, [&] { table->setFocus(); }, [&] {
        key(Qt::Key_Space);
        painted();
    }));
    std::printf("  initiative typed, the order changes   %7.3f ms\n", median(runs, [] {}, [&] {
        ++turn;
        table->model()->setData(table->model()->index(turn % 40, 0), QString::number(turn % 23));
        painted();
    }));
    std::printf("  conditions typed                      %7.3f ms\n", median(runs, [] {}, [&] {
        table->model()->setData(table->model()->index(7, 5), turn++ % 2 ? QStringLiteral("stunned 2") : QString());
        painted();
    }));
    std::printf("  a combatant removed (Delete)          %7.3f ms\n", median(runs, [&] {
        table->setFocus();
        key(Qt::Key_Z, Qt::ControlModifier);
        painted();
        table->selectRow(turn++ % 40);
    }, [&] {
        key(Qt::Key_Delete);
        painted();
    }));
    std::printf("  undo (Ctrl+Z)                         %7.3f ms\n", median(runs, [&] {
        table->setFocus();
        table->selectRow(turn++ % 39);
        key(Qt::Key_Delete);
        painted();
    }, [&] {
        key(Qt::Key_Z, Qt::ControlModifier);
        painted();
    }));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The offscreen platform's note on every raise of the shown tracker.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const QString dungeons = QCoreApplication::applicationDirPath() + QStringLiteral("/Dungeons");
    QDir(dungeons).removeRecursively();
    const EncounterOnDisplay encounter = tenMonsters();
    // BENCH_RUNS lowers the count for a profiler run.
    const int runs = qEnvironmentVariableIntValue("BENCH_RUNS") > 0 ? qEnvironmentVariableIntValue("BENCH_RUNS") : 200;

    Fight fight;
    fight.open(QDir::tempPath() + QStringLiteral("/bench_fight.json"));
    QRandomGenerator generator(1);
    std::printf("CPU time, median of %d runs, the fight file written each time\n", runs);
    std::printf("model: add 10 monsters and 6 characters  %7.3f ms\n", median(runs, [&] { fight.end(); }, [&] {
        fight.addEncounter(7, encounter.cells, encounter.characters, generator);
    }));
    int damaged = 0;
    std::printf("model: apply damage                      %7.3f ms\n", median(runs, [] {}, [&] {
        fight.changeHitPoints(fight.state().combatants[damaged++ % 10].id, -1);
    }));
    QFile::remove(fight.path());

    startDungeonBoard().show();
    Module1::CombatWindow->joinFight(encounter);
    QWidget *tracker = Module1::CombatWindow->window();
    if (!QTest::qWaitForWindowExposed(tracker))
        return 1;
    QTableView *table = nullptr;
    QLineEdit *hpChange = nullptr;

    std::printf("window: Ctrl+T's join, painted            %7.3f ms\n", median(runs, [&] {
        QFile::remove(CombatTracker::fightFile());
        Module1::CombatWindow->unload();
        QSettings().sync(); // the window's place, written on unloading, is no part of the join
        Module1::CombatWindow->load();
        Module1::CombatWindow->show();
        tracker = Module1::CombatWindow->window();
        table = tracker->findChild<QTableView *>(QStringLiteral("combatants"));
        QCoreApplication::processEvents();
    }, [&] {
        Module1::CombatWindow->joinFight(encounter);
        QCoreApplication::processEvents(); // lays out and paints what changed
    }));
    hpChange = tracker->findChild<QLineEdit *>(QStringLiteral("hpChange"));
    std::printf("window: damage typed, Enter, painted     %7.3f ms\n", median(runs, [&] {
        // Damage and healing in turn, so that each changes the fight.
        table->selectRow(0);
        hpChange->setText(damaged++ % 2 ? QStringLiteral("+1") : QStringLiteral("1"));
    }, [&] {
        QTest::keyClick(hpChange, Qt::Key_Return);
        QCoreApplication::processEvents();
    }));
    fortyCombatants(runs);
    QDir(dungeons).removeRecursively();
    return 0;
}
