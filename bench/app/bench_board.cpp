// Click to display and save, in the running program: presses go to the
// windows where a user presses them, and the clock runs until the board shows
// the encounter, its details laid out to the end and the window painted.
#include "benchsupport.h"
#include "tests/support/formtesting.h"

#include "editor_window/frmdungeonencounterediter.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "kit/richtextbox.h"
#include "app/startup.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextDocument>
#include <QWindow>

#include <cstdio>

namespace {

// The press handlers run synchronously; what remains is the layout of the
// whole details document, which Qt otherwise finishes in the background, and
// the repaint the handlers asked for.
void finishShowing()
{
    control<RichTextBox>(board(), QStringLiteral("RichTextBox1(0)"))->document()->size();
    QCoreApplication::processEvents();
}

void expectShown(int number)
{
    if (control<QLineEdit>(board(), QStringLiteral("Text2"))->text() != QString::number(number))
        qFatal("the board does not show encounter %d", number);
}

Bench::Cost clickSpot(int number)
{
    const QPoint spot = centreOf(control(board(), QStringLiteral("lblEncounter%1").arg(number)));
    const Bench::Stopwatch stopwatch;
    pressAt(board(), spot);
    finishShowing();
    const Bench::Cost cost = stopwatch.elapsed();
    expectShown(number);
    return cost;
}

// From OK in the editor to both files on disk and the board showing them.
Bench::Cost saveEncounter(int number)
{
    clickSpot(number);
    pressAt(board(), centreOf(control(board(), QStringLiteral("cmdEdit"))));
    if (!QTest::qWaitForWindowExposed(editor()))
        qFatal("the editor did not open");
    QCoreApplication::processEvents();

    const QPoint ok = centreOf(control(editor(), QStringLiteral("cmdOK")));
    const Bench::Stopwatch stopwatch;
    pressAt(editor(), ok);
    finishShowing();
    const Bench::Cost cost = stopwatch.elapsed();
    if (frmDungeonEncounterEditer::instance().isLoaded())
        qFatal("encounter %d was not saved", number);
    expectShown(number);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return cost;
}

// From Edit on the board to the editor showing the encounter, its details
// laid out and painted.
Bench::Cost openEditor(int number)
{
    clickSpot(number);
    const QPoint edit = centreOf(control(board(), QStringLiteral("cmdEdit")));
    const Bench::Stopwatch stopwatch;
    pressAt(board(), edit);
    if (!QTest::qWaitForWindowExposed(editor()))
        qFatal("the editor did not open");
    control<RichTextBox>(editor(), QStringLiteral("RichTextBoxEdit"))->document()->size();
    QCoreApplication::processEvents();
    const Bench::Cost cost = stopwatch.elapsed();
    pressAt(editor(), centreOf(control(editor(), QStringLiteral("cmdCancel"))));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return cost;
}

template<typename Step>
Bench::Costs repeat(int runs, Step step)
{
    Bench::Costs costs;
    for (int run = 0; run < runs; ++run)
        costs.add(step(run));
    return costs;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Form &dungeonWindow = startDungeonBoard();

    // Encounters 1 and 2 are typical, 3 is the large one, 4 has photos.
    Bench::ScratchDungeons dungeons;
    QTextDocument typical, large, photos;
    Bench::fillTypicalDetails(&typical);
    Bench::fillLargeDetails(&large);
    Bench::fillPhotoDetails(&photos);
    const qint64 largeBytes = dungeons.write(3, Bench::typicalCells(3), large);
    const qint64 photoBytes = dungeons.write(4, Bench::typicalCells(4), photos);
    if (dungeons.write(1, Bench::typicalCells(1), typical) < 0
        || dungeons.write(2, Bench::typicalCells(2), typical) < 0 || largeBytes < 0 || photoBytes < 0)
        return 1;

    dungeonWindow.show();
    if (!QTest::qWaitForWindowExposed(board()))
        return 1;
    for (int number : {1, 2, 3, 1})
        clickSpot(number); // first uses: fonts, glyph caches, the file cache

    const int clicks = 400, largeClicks = 30, saves = 40, largeSaves = 15;
    // Typical clicks alternate between two encounters, as a game master does.
    const Bench::Costs typicalClick = repeat(clicks, [](int run) { return clickSpot(1 + run % 2); });
    const Bench::Costs largeClick = repeat(largeClicks, [](int) { return clickSpot(3); });
    const Bench::Costs typicalSave = repeat(saves, [](int) { return saveEncounter(1); });
    const Bench::Costs largeSave = repeat(largeSaves, [](int) { return saveEncounter(3); });
    const int photoRuns = 10;
    const Bench::Costs photoClick = repeat(photoRuns, [](int) { return clickSpot(4); });
    const Bench::Costs photoOpen = repeat(photoRuns, [](int) { return openEditor(4); });

    std::printf("Board, in process on %s; the large details are %lld KiB of RTF\n",
                qPrintable(QGuiApplication::platformName()), static_cast<long long>(largeBytes / 1024));
    Bench::report("Click to display, typical encounter", clicks, typicalClick,
           QStringLiteral("under 2 ms of work"), 2);
    Bench::report("Click to display, large encounter (1 MB RTF)", largeClicks, largeClick,
           QStringLiteral("under 100 ms of work"), 100);
    Bench::report("Save (OK to files and board), typical", saves, typicalSave);
    Bench::report("Save (OK to files and board), large", largeSaves, largeSave);
    std::printf("  the encounter with photos is %lld KiB of RTF\n", static_cast<long long>(photoBytes / 1024));
    Bench::report("Click to display, 5 MB encounter with photos", photoRuns, photoClick);
    Bench::report("Open the editor, 5 MB encounter with photos", photoRuns, photoOpen,
           QStringLiteral("under 1 s"), 1000);
    return 0;
}
