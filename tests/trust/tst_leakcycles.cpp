// A long session at the board: a thousand rounds of selecting an encounter,
// editing it and saving it with OK. Every round shows what the one before
// saved, and no window or control outlives its use: the widget count after
// the last round is the one after the first. Under LeakSanitizer the run
// also ends with no memory unreachable.
#include "tests/support/formtesting.h"

#include "storage/encounterfiles.h"
#include "editor_window/frmdungeonencounterediter.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "kit/richtextbox.h"
#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextDocument>

class tst_LeakCycles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void selectEditSave();

private:

    QString m_dungeons;
};

void tst_LeakCycles::initTestCase()
{
    startDungeonBoard();
    m_dungeons = Storage::programFolder() + QStringLiteral("/Dungeons");
    QDir(m_dungeons).removeRecursively();
    QVERIFY(showBoard());
}

void tst_LeakCycles::cleanupTestCase()
{
    unloadWindows();
    QDir(m_dungeons).removeRecursively();
}

void tst_LeakCycles::selectEditSave()
{
    constexpr int Cycles = 1000;
    std::array<int, frmEditableDungeon1::SpotCount + 1> savedIn{}; // the round that last saved spot n
    qsizetype widgetsAfterFirst = 0;
    QElapsedTimer clock;
    clock.start();

    for (int cycle = 1; cycle <= Cycles; ++cycle) {
        const int spot = 1 + (cycle * 7) % frmEditableDungeon1::SpotCount; // wanders over all forty
        clickControl(control(board(), QStringLiteral("lblEncounter%1").arg(spot)));
        QCOMPARE(textOf(board(), "Text2"), QString::number(spot));
        if (savedIn[spot]) {
            QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Orc %1").arg(savedIn[spot]));
            QCOMPARE(control<RichTextBox>(board(), "RichTextBox1(0)")->toPlainText(),
                     QStringLiteral("Round %1 was bold").arg(savedIn[spot]));
        }

        clickControl(control(board(), "cmdEdit"));
        QVERIFY(QTest::qWaitForWindowExposed(editor()));
        auto cell = control<QLineEdit>(editor(), "Text1(0)");
        clickControl(cell);
        cell->selectAll();
        QTest::keyClicks(cell, QStringLiteral("Orc %1").arg(cycle));
        auto details = control<RichTextBox>(editor(), "RichTextBoxEdit");
        clickControl(details);
        details->selectAll();
        QTest::keyClicks(details, QStringLiteral("Round %1 was ").arg(cycle));
        QTest::keyClick(details, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClicks(details, QStringLiteral("bold"));
        clickControl(control(editor(), "cmdOK"));

        QVERIFY2(!frmDungeonEncounterEditer::instance().isLoaded(), "the save failed");
        QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Orc %1").arg(cycle));
        savedIn[spot] = cycle;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (cycle == 1)
            widgetsAfterFirst = QApplication::allWidgets().size();
    }

    QCOMPARE(QApplication::allWidgets().size(), widgetsAfterFirst);
    qInfo("%d rounds in %.1f s", Cycles, clock.elapsed() / 1000.0);
}

QTEST_MAIN(tst_LeakCycles)
#include "tst_leakcycles.moc"
