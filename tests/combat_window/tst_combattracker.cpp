#include "tests/support/formtesting.h"

#include "app/startup.h"
#include "combat_window/combattracker.h"
#include "fight/fight.h"
#include "kit/module1.h"
#include "storage/filesteps.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

// The fight through the real windows: Ctrl+T on the board, then the tracker
// as the game master uses it.
class tst_CombatTracker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fightAtTheTable();
    void typedNumberIsDamage();
    void onlyNamedCharactersJoin();
    void removeCombatants();
    void dice_data();
    void dice();
    void refusedWithAWord_data();
    void refusedWithAWord();
    void logCopiedAsText();
    void placedBesideTheMap();
    void damagedFileKeptAside();
    void restoredAfterKill();
    void whatIsTypedIsReadBack();

private:
    QWidget *addToFight();
    QString cell(int row, int column) const;
    int rowOf(const QString &name) const;
    void clickCell(int row, int column);
    void editCell(const QString &name, int column, const QString &text);
    void changeHitPoints(const QString &name, const QString &change);
    QStringList shownFight() const;

    const QString m_dungeons = Storage::programFolder() + QStringLiteral("/Dungeons");
    QTableView *m_view = nullptr;
};

namespace {

enum Column { Initiative, Name, ArmourClass, HitPoints, Damage, Conditions };

void press(QKeyCombination keys)
{
    QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
}

// Types each key where the focus is when it comes, as the keyboard does.
void typeWhereFocused(const QString &text)
{
    for (QChar key : text)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

// Clicks Yes in the next question asked, once it is on screen.
void answerYes()
{
    QTimer::singleShot(10, [] {
        if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
        else
            answerYes();
    });
}

} // namespace

void tst_CombatTracker::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // the window's place is remembered in QSettings
    QSettings().clear();
    startDungeonBoard();
}

void tst_CombatTracker::init()
{
    QDir(m_dungeons).removeRecursively();
    Storage::Cells cells;
    const QStringList rows[] = {{"Goblin", "15", "1d6", "7"}, {"Goblin", "15", "1d6", "22 (4d8+4)"},
                                {"Orc", "13", "1d12", "4d8+4"}, {"", "12", "", "5"},
                                {"Bugbear", "16", "2d8+2", "27"}};
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 4; ++column)
            cells[10 * column + row] = rows[row][column];
    }
    QVERIFY(Storage::writeEncounter(Storage::encounterFiles(Storage::programFolder(), 1, "7"), cells, {}).ok());
    QVERIFY(showBoard());
    clickControl(control(board(), "lblEncounter7"));
}

void tst_CombatTracker::cleanup()
{
    unloadWindows();
    QDir(m_dungeons).removeRecursively();
}

// Names the first character and presses Ctrl+T where the focus is, in a name box.
QWidget *tst_CombatTracker::addToFight()
{
    auto name = control<QLineEdit>(board(), "Text4(0)");
    name->setFocus();
    name->selectAll();
    typeText(name, "Aria");
    press(Qt::CTRL | Qt::Key_T);
    QWidget *tracker = Module1::CombatWindow->window();
    if (!tracker || !tracker->isVisible())
        return nullptr;
    m_view = control<QTableView>(tracker, "combatants");
    tracker->activateWindow();
    return QTest::qWaitForWindowActive(tracker) ? tracker : nullptr;
}

QString tst_CombatTracker::cell(int row, int column) const
{
    return m_view->model()->index(row, column).data().toString();
}

int tst_CombatTracker::rowOf(const QString &name) const
{
    for (int row = 0; row < m_view->model()->rowCount(); ++row) {
        if (cell(row, Name) == name)
            return row;
    }
    return -1;
}

void tst_CombatTracker::clickCell(int row, int column)
{
    const QRect rect = m_view->visualRect(m_view->model()->index(row, column));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, rect.center());
}

void tst_CombatTracker::editCell(const QString &name, int column, const QString &text)
{
    clickCell(rowOf(name), column);
    press(Qt::Key_F2);
    auto editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    typeText(editor, text);
    press(Qt::Key_Return);
    // The view commits what Return ends a moment later.
    const QPointer<QLineEdit> committing = editor;
    QTRY_VERIFY(!committing);
}

void tst_CombatTracker::changeHitPoints(const QString &name, const QString &change)
{
    clickCell(rowOf(name), Name);
    auto box = control<QLineEdit>(m_view->window(), "hpChange");
    box->setFocus();
    typeText(box, change);
    QTest::keyClick(box, Qt::Key_Return);
}

// Row by row: initiative, name, hit points and conditions.
QStringList tst_CombatTracker::shownFight() const
{
    QStringList rows;
    for (int row = 0; row < m_view->model()->rowCount(); ++row)
        rows.append(QStringList{cell(row, Initiative), cell(row, Name), cell(row, HitPoints), cell(row, Conditions)}.join('|'));
    return rows;
}

void tst_CombatTracker::fightAtTheTable()
{
    QWidget *tracker = addToFight();
    QVERIFY(tracker);
    QCOMPARE(tracker->objectName(), QStringLiteral("CombatTracker"));
    QCOMPARE(tracker->windowTitle(), QStringLiteral("Combat"));

    const QStringList joined = {"Goblin 1", "Goblin 2", "Orc", "Bugbear", "Aria"};
    QCOMPARE(m_view->model()->rowCount(), joined.size());
    for (const QString &name : joined)
        QVERIFY2(rowOf(name) >= 0, qPrintable(name));
    QCOMPARE(cell(rowOf("Goblin 1"), HitPoints), QStringLiteral("7 / 7"));
    QCOMPARE(cell(rowOf("Goblin 2"), HitPoints), QStringLiteral("22 / 22"));
    QCOMPARE(cell(rowOf("Bugbear"), ArmourClass), QStringLiteral("16"));
    const int orcHitPoints = cell(rowOf("Orc"), HitPoints).section('/', 1).toInt();
    QVERIFY(orcHitPoints >= 8 && orcHitPoints <= 36);
    QCOMPARE(cell(rowOf("Goblin 1"), Initiative), cell(rowOf("Goblin 2"), Initiative));

    // A second Ctrl+T adds nobody twice.
    board()->activateWindow();
    QVERIFY(addToFight());
    QCOMPARE(m_view->model()->rowCount(), joined.size());

    // Order: the typed initiative counts; ties keep the joining order.
    editCell("Aria", Initiative, "25");
    editCell("Bugbear", Initiative, cell(rowOf("Orc"), Initiative));
    QCOMPARE(cell(0, Name), QStringLiteral("Aria"));
    for (int row = 1; row < m_view->model()->rowCount(); ++row) {
        QVERIFY(cell(row - 1, Initiative).toInt() >= cell(row, Initiative).toInt());
        if (cell(row - 1, Initiative) == cell(row, Initiative))
            QVERIFY(joined.indexOf(cell(row - 1, Name)) < joined.indexOf(cell(row, Name)));
    }

    // Damage, defeat, healing and the limits; undo and redo.
    changeHitPoints("Goblin 1", "10");
    QCOMPARE(cell(rowOf("Goblin 1"), HitPoints), QStringLiteral("0 / 7"));
    QVERIFY(m_view->model()->index(rowOf("Goblin 1"), Name).data(Qt::FontRole).value<QFont>().strikeOut());
    m_view->setFocus();
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(cell(rowOf("Goblin 1"), HitPoints), QStringLiteral("7 / 7"));
    press(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(cell(rowOf("Goblin 1"), HitPoints), QStringLiteral("0 / 7"));
    changeHitPoints("Goblin 2", "-5");
    changeHitPoints("Goblin 2", "+100");
    QCOMPARE(cell(rowOf("Goblin 2"), HitPoints), QStringLiteral("22 / 22"));
    editCell("Goblin 2", HitPoints, "30");
    changeHitPoints("Goblin 2", "+100");
    QCOMPARE(cell(rowOf("Goblin 2"), HitPoints), QStringLiteral("30 / 30"));

    // Turns: the defeated goblin is skipped; the orc's condition counts down.
    editCell("Orc", Conditions, "stunned 1, prone");
    QStringList turns;
    m_view->setFocus();
    for (int i = 0; i < joined.size(); ++i) {
        press(Qt::Key_Space);
        const int current = [this] {
            for (int row = 0; row < m_view->model()->rowCount(); ++row) {
                if (!m_view->model()->headerData(row, Qt::Vertical).toString().isEmpty())
                    return row;
            }
            return -1;
        }();
        turns.append(cell(current, Name));
        if (turns.last() == "Orc")
            QCOMPARE(cell(current, Conditions), QStringLiteral("prone"));
    }
    QCOMPARE(turns.count("Goblin 1"), 0);
    QCOMPARE(turns.first(), QStringLiteral("Aria"));
    QCOMPARE(turns.last(), QStringLiteral("Aria"));
    QVERIFY(control<QLabel>(tracker, "turn")->text().contains("Round 2"));

    // Nothing lost: the file holds what is shown, and the next start shows it.
    const QStringList shown = shownFight();
    Module1::CombatWindow->unload();
    resumeFight();
    tracker = Module1::CombatWindow->window();
    QVERIFY(tracker && tracker->isVisible());
    tracker->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tracker));
    m_view = control<QTableView>(tracker, "combatants");
    QCOMPARE(shownFight(), shown);

    // "End fight" asks first; undo brings the fight back.
    answerYes();
    clickControl(control(m_view->window(), "endFight"));
    QCOMPARE(m_view->model()->rowCount(), 0);
    tracker->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tracker));
    m_view->setFocus();
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(shownFight(), shown);
}

void tst_CombatTracker::dice_data()
{
    QTest::addColumn<QString>("notation");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("d20") << "d20" << 1 << 20;
    QTest::newRow("3D6 + 2") << "3D6 + 2" << 5 << 20;
    QTest::newRow("4d6kh3") << "4d6kh3" << 3 << 18;
    QTest::newRow("d%") << "d%" << 1 << 100;
    QTest::newRow("sum of dice") << "2d4+1d6" << 3 << 14;
    QTest::newRow("dice and a number") << "1d8+2d6-1" << 2 << 19;
    QTest::newRow("keep lowest") << "4d6kl1" << 1 << 6;
    QTest::newRow("drop lowest") << "4d6dl1" << 3 << 18;
    QTest::newRow("drop highest") << "4d6dh1" << 3 << 18;
    QTest::newRow("one side") << "1d1" << 1 << 1;
    QTest::newRow("wrong") << "3x" << 0 << 0;
    QTest::newRow("too many dice") << "500d6" << 0 << 0;
}

void tst_CombatTracker::dice()
{
    QFETCH(QString, notation);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QWidget *tracker = addToFight();
    QVERIFY(tracker);
    const QString turn = control<QLabel>(tracker, "turn")->text();
    auto box = control<QLineEdit>(tracker, "diceExpression");
    auto log = control<QListWidget>(tracker, "diceLog");
    const int logged = log->count();
    box->setFocus();
    typeText(box, notation);
    QTest::keyClick(box, Qt::Key_Return);

    const QString error = control<QLabel>(tracker, "diceError")->text();
    if (highest == 0) {
        QVERIFY(!error.isEmpty());
        QCOMPARE(log->count(), logged);
        QCOMPARE(box->text(), notation);
    } else {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(log->count(), logged + 1);
        const QString roll = log->item(0)->text();
        QVERIFY(roll.startsWith(notation + ':'));
        const int total = roll.section("= ", -1).toInt();
        QVERIFY(total >= lowest && total <= highest);
    }
    QCOMPARE(control<QLabel>(tracker, "turn")->text(), turn); // a typed space passes no turn
}

// A number typed with combatants selected is damage or healing; the name
// changes only by F2 or a double-click.
void tst_CombatTracker::typedNumberIsDamage()
{
    QVERIFY(addToFight());
    clickCell(rowOf("Goblin 1"), Name);
    press(Qt::Key_5);
    press(Qt::Key_Return);
    QCOMPARE(rowOf("5"), -1);
    QCOMPARE(cell(rowOf("Goblin 1"), HitPoints), QStringLiteral("2 / 7"));
    typeWhereFocused("+3");
    press(Qt::Key_Return);
    QCOMPARE(cell(rowOf("Goblin 1"), HitPoints), QStringLiteral("5 / 7"));

    // Two selected: both take it.
    const QRect second = m_view->visualRect(m_view->model()->index(rowOf("Bugbear"), Name));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
    typeWhereFocused("-4");
    press(Qt::Key_Return);
    QCOMPARE(cell(rowOf("Goblin 1"), HitPoints), QStringLiteral("1 / 7"));
    QCOMPARE(cell(rowOf("Bugbear"), HitPoints), QStringLiteral("23 / 27"));

    editCell("Goblin 1", Name, "Snik");
    const QPoint orc = m_view->visualRect(m_view->model()->index(rowOf("Orc"), Name)).center();
    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, orc);
    QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {}, orc);
    QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, orc);
    QLineEdit *editor = nullptr;
    QTRY_VERIFY((editor = qobject_cast<QLineEdit *>(QApplication::focusWidget())));
    editor->selectAll();
    typeText(editor, "Grol");
    press(Qt::Key_Return);
    QTRY_VERIFY(rowOf("Grol") >= 0);
    QVERIFY(rowOf("Snik") >= 0);
}

// Only the names the game master typed join, each once; Ctrl+T without an
// encounter adds the characters not yet in the fight, or says there are none.
void tst_CombatTracker::onlyNamedCharactersJoin()
{
    auto names = board()->findChildren<QLineEdit *>(QRegularExpression("^Text4"));
    QCOMPARE(names.size(), 6);
    control<QLineEdit>(board(), "Text4(1)")->setText("Aria");
    control<QLineEdit>(board(), "Text4(2)")->clear();
    QVERIFY(addToFight());
    QStringList shown;
    for (int row = 0; row < m_view->model()->rowCount(); ++row)
        shown.append(cell(row, Name));
    shown.sort();
    QCOMPARE(shown, QStringList({"Aria", "Bugbear", "Goblin 1", "Goblin 2", "Orc"}));

    board()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board()));
    clickControl(control(board(), "cmdClear"));
    auto name = control<QLineEdit>(board(), "Text4(3)");
    typeText(name, "Bram");
    for (const char *other : {"Text4(0)", "Text4(1)"})
        control<QLineEdit>(board(), other)->setText("Aria");
    name->setFocus();
    press(Qt::CTRL | Qt::Key_T);
    QCOMPARE(m_view->model()->rowCount(), 6);
    QVERIFY(rowOf("Bram") >= 0);
    board()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board()));
    name->setFocus();
    press(Qt::CTRL | Qt::Key_T);
    QCOMPARE(m_view->model()->rowCount(), 6);
    QVERIFY(control<QLabel>(m_view->window(), "status")->text().contains("Nobody to add"));
}

// Delete takes the selected combatants out as one step; the one whose turn
// it is passes the turn on within the round.
void tst_CombatTracker::removeCombatants()
{
    QVERIFY(addToFight());
    editCell("Aria", Initiative, "25");
    editCell("Bugbear", Initiative, "22");
    editCell("Orc", Initiative, "21");
    m_view->setFocus();
    press(Qt::Key_Space);
    press(Qt::Key_Space);
    const QString before = control<QLabel>(m_view->window(), "turn")->text();
    QVERIFY(before.contains("Round 1") && before.contains("Bugbear"));

    clickCell(rowOf("Bugbear"), Name);
    press(Qt::Key_Delete);
    QCOMPARE(rowOf("Bugbear"), -1);
    QVERIFY(control<QLabel>(m_view->window(), "turn")->text().contains("Round 1 \u2014 Orc"));

    clickCell(rowOf("Goblin 1"), Name);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      m_view->visualRect(m_view->model()->index(rowOf("Goblin 2"), Name)).center());
    const QList<QAction *> menu = m_view->actions();
    QVERIFY(m_view->contextMenuPolicy() == Qt::ActionsContextMenu && menu.size() == 1);
    menu.first()->trigger();
    QCOMPARE(m_view->model()->rowCount(), 2);
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(m_view->model()->rowCount(), 4);
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(control<QLabel>(m_view->window(), "turn")->text(), before);
}

void tst_CombatTracker::refusedWithAWord_data()
{
    QTest::addColumn<int>("column"); // -1: the hit point box
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("who");
    QTest::newRow("damage too large") << -1 << "99999999999" << "too large" << "Goblin 1";
    QTest::newRow("damage a word") << -1 << "lots" << "Type a number" << "Goblin 1";
    QTest::newRow("hit points not known") << -1 << "5" << "not known" << "Aria";
    QTest::newRow("initiative a fraction") << int(Initiative) << "15.5" << "not an initiative" << "Goblin 1";
    QTest::newRow("initiative a word") << int(Initiative) << "abc" << "not an initiative" << "Goblin 1";
    QTest::newRow("initiative too large") << int(Initiative) << "99999999999" << "too large" << "Goblin 1";
    QTest::newRow("hit points a word") << int(HitPoints) << "lots" << "not hit points" << "Goblin 1";
    QTest::newRow("hit points too large") << int(HitPoints) << "12 / 9999999" << "too large" << "Goblin 1";
}

void tst_CombatTracker::refusedWithAWord()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(QString, who);
    QVERIFY(addToFight());
    const QStringList before = shownFight();
    if (column < 0)
        changeHitPoints(who, text);
    else
        editCell(who, column, text);
    const QString said = control<QLabel>(m_view->window(), column < 0 ? "hpError" : "cellError")->text();
    QVERIFY2(said.contains(word), qPrintable(said));
    QCOMPARE(shownFight(), before);
}

void tst_CombatTracker::logCopiedAsText()
{
    QVERIFY(addToFight());
    editCell("Aria", Initiative, "25");
    m_view->setFocus();
    press(Qt::Key_Space);
    changeHitPoints("Goblin 1", "5");
    clickCell(rowOf("Orc"), Name);
    press(Qt::Key_Delete);
    clickControl(control(m_view->window(), "copyLog"));
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.mid(lines.size() - 2), QStringList({"Round 1 \u00B7 Aria: Goblin 1 takes 5 damage: 2 of 7 left",
                                                       "Round 1 \u00B7 Aria: Orc leaves the fight"}));

    // The list shows the latest first, and an undo takes its line away.
    auto shown = control<QListWidget>(m_view->window(), "fightLog");
    QCOMPARE(shown->item(0)->text(), lines.last());
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(shown->item(0)->text(), lines[lines.size() - 2]);
    QCOMPARE(shown->count(), lines.size() - 1);
}

// Beside the board, clear of its map and whole on the screen; where the game
// master moves it, it opens next time.
void tst_CombatTracker::placedBesideTheMap()
{
    QSettings().clear();
    QWidget *tracker = addToFight();
    QVERIFY(tracker);
    QVERIFY2(QGuiApplication::primaryScreen()->size() == QSize(1920, 1080), "run with fullhd.json");
    QWidget *map = control(board(), "Picture1");
    const QRect mapOnScreen(map->mapToGlobal(QPoint(0, 0)), map->size());
    QVERIFY(!tracker->frameGeometry().intersects(mapOnScreen));
    QVERIFY(tracker->screen()->availableGeometry().contains(tracker->frameGeometry()));

    tracker->move(tracker->pos() - QPoint(200, 0));
    const QPoint moved = tracker->pos();
    Module1::CombatWindow->unload();
    board()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board()));
    QVERIFY(addToFight());
    QCOMPARE(m_view->window()->pos(), moved);
}

void tst_CombatTracker::damagedFileKeptAside()
{
    const QString file = CombatTracker::fightFile();
    QFile damaged(file);
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("{\"combatants\": [") > 0);
    damaged.close();

    QWidget *tracker = addToFight();
    QVERIFY(tracker);
    QVERIFY(control<QLabel>(tracker, "status")->text().contains("fight.json.damaged"));
    QFile aside(file + ".damaged");
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), QByteArray("{\"combatants\": ["));
    Fight written;
    QCOMPARE(written.open(file).opened, Fight::Opened::Restored);
    QCOMPARE(written.state().combatants.size(), m_view->model()->rowCount());
}

// Runs twice: here, and in a child process that fights, says what it shows
// and waits for its SIGKILL. The next start shows that same fight.
void tst_CombatTracker::restoredAfterKill()
{
    if (qEnvironmentVariableIsSet("FIGHT_UNTIL_KILLED")) {
        QVERIFY(addToFight());
        changeHitPoints("Bugbear", "5");
        QTextStream(stdout) << "shown:" << shownFight().join(u'/') << Qt::endl;
        QTest::qWait(60000);
    }
    QProcess child;
    qputenv("FIGHT_UNTIL_KILLED", "1");
    child.start(QCoreApplication::applicationFilePath(), {"restoredAfterKill"});
    qunsetenv("FIGHT_UNTIL_KILLED");
    QString output;
    QRegularExpressionMatch shown;
    QVERIFY(QTest::qWaitFor([&] {
        shown = QRegularExpression("shown:(.*)\n").match(output += child.readAllStandardOutput());
        return shown.hasMatch();
    }, 60000));
    child.kill();
    QVERIFY(child.waitForFinished() && child.exitStatus() == QProcess::CrashExit);

    resumeFight();
    QVERIFY(Module1::CombatWindow->window());
    m_view = control<QTableView>(Module1::CombatWindow->window(), "combatants");
    QVERIFY(shownFight().join(u'/').contains("|22 / 27|"));
    QCOMPARE(shownFight().join(u'/'), shown.captured(1));
}

// What the window takes is what the next start reads: a value past the
// fight file's limits is refused as typed, text holding %1 stays as typed,
// and after Ctrl+Z the file holds the undone fight.
void tst_CombatTracker::whatIsTypedIsReadBack()
{
    QVERIFY(addToFight());
    editCell("Aria", Initiative, "2000000");
    QCOMPARE(cell(rowOf("Aria"), Initiative), QStringLiteral("0"));
    editCell("Aria", Initiative, "999999");
    QCOMPARE(cell(rowOf("Aria"), Initiative), QStringLiteral("999999"));
    editCell("Aria", Conditions, "Hex%1 3");
    QCOMPARE(cell(rowOf("Aria"), Conditions), QStringLiteral("Hex%1 3"));
    editCell("Aria", Initiative, "-999999");
    press(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(cell(rowOf("Aria"), Initiative), QStringLiteral("999999"));

    Fight nextStart;
    const Fight::OpenResult opened = nextStart.open(CombatTracker::fightFile());
    QVERIFY2(opened.opened == Fight::Opened::Restored, qPrintable(opened.message));
    const auto &combatants = nextStart.state().combatants;
    const auto aria = std::find_if(combatants.begin(), combatants.end(), [](const Combatant &c) { return c.name == u"Aria"; });
    QVERIFY(aria != combatants.end());
    QCOMPARE(aria->initiative, 999999);
    QCOMPARE(conditionsText(aria->conditions), QStringLiteral("Hex%1 3"));
}

QTEST_MAIN(tst_CombatTracker)
#include "tst_combattracker.moc"
