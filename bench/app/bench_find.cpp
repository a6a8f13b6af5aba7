// Finding encounters by their text: building the index of forty typical
// encounters, and one keystroke in the find window, timed until the results
// are listed, their spots marked and both windows painted.
#include "benchsupport.h"

#include "dungeon_window/encounterindex.h"
#include "kit/form.h"
#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTextDocument>

#include <cstdio>
#include <ctime>

namespace {

// The CPU time counts the work itself, however busy the machine is.
struct Costs
{
    std::vector<double> wallMs, cpuMs;

    template<typename Work>
    void time(Work work)
    {
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpu = std::clock();
        work();
        cpuMs.push_back((std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
        wallMs.push_back(wall.nsecsElapsed() / 1e6);
    }
};

// A goal of 0 ms: a figure to explain the others, with no goal of its own.
void report(const char *what, const Costs &costs, const char *goal = "-", double goalCpuMs = 0)
{
    const double cpu = Bench::median(costs.cpuMs), wall = Bench::median(costs.wallMs);
    const double worstCpu = *std::max_element(costs.cpuMs.begin(), costs.cpuMs.end());
    std::printf("  %-44s %7.2f ms CPU %7.2f ms wall, worst %.2f ms CPU  (median of %zu)\n", what,
                cpu, wall, worstCpu, costs.cpuMs.size());
    Bench::printRow(QString::fromLatin1(what),
                    QStringLiteral("%1 ms CPU, %2 ms wall")
                        .arg(cpu, 0, 'f', 2).arg(wall, 0, 'f', 2),
                    QString::fromLatin1(goal),
                    goalCpuMs > 0 ? Bench::metText(cpu < goalCpuMs) : QStringLiteral("-"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Form &boardForm = startDungeonBoard();

    Bench::ScratchDungeons dungeons;
    QTextDocument typical;
    Bench::fillTypicalDetails(&typical);
    for (int number = 1; number <= 40; ++number) {
        if (dungeons.write(number, Bench::typicalCells(number), typical) < 0)
            return 1;
    }

    Costs build;
    for (int run = 0; run < 30; ++run) {
        build.time([] {
            EncounterIndex index(Storage::programFolder(), 1);
            index.refresh();
        });
    }

    // The search behind a keystroke: checking the files for saves, then the text.
    Costs lookUp;
    EncounterIndex index(Storage::programFolder(), 1);
    index.refresh();
    for (int run = 0; run < 100; ++run) {
        lookUp.time([&index, run] {
            index.refresh();
            if (index.find(QStringLiteral("lantern").left(1 + run % 7)).size() != 40)
                qFatal("the index missed encounters");
        });
    }

    boardForm.show();
    QWidget *board = boardForm.window();
    if (!QTest::qWaitForWindowActive(board))
        return 1;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    auto findText = board->findChild<QLineEdit *>(QStringLiteral("findText"));
    if (!findText || !QTest::qWaitFor([findText] { return findText->hasFocus(); }))
        qFatal("Ctrl+F did not open the find window");

    // Every typical encounter holds a lantern: forty rows and forty marks.
    const QString typed = QStringLiteral("lantern");
    Costs keystroke;
    for (int run = 0; run < 20; ++run) {
        for (QChar character : typed) {
            keystroke.time([&] {
                QTest::keyClick(findText, character.toLatin1());
                QCoreApplication::processEvents();
            });
        }
        findText->clear();
        QCoreApplication::processEvents();
    }

    std::printf("Find, in process on %s, 40 typical encounters\n",
                qPrintable(QGuiApplication::platformName()));
    report("Find: index of 40 typical encounters", build, "under 30 ms", 30);
    report("Find: keystroke, the index's part", lookUp);
    report("Find: keystroke to results, marks and paint", keystroke, "under 5 ms", 5);
    return 0;
}
