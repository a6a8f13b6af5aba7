#include "../formtesting.h"

#include "encounterfiles.h"
#include "frmeditabledungeon1.h"
#include "module1.h"
#include "richtextbox.h"
#include "rtf.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTextDocument>
#include <QTimer>

// The board at the table: encounters reached from the keyboard, found by
// their text, and named for screen readers.
class tst_BoardKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void neighbours_data();
    void neighbours();
    void goTo_data();
    void goTo();
    void findListsMarksAndShows();
    void findReadsOnlyAndSeesSaves();
    void accessibleNames_data();
    void accessibleNames();

private:
    QWidget *board() const { return frmEditableDungeon1::instance().window(); }
    static void press(QKeyCombination keys) { QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers()); }
    static void save(int number, const QString &monster, const QString &details);
    QListWidget *openFind();
    QString m_dungeons;
};

void tst_BoardKeys::initTestCase()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    Module1::DungeonWindow = &frmEditableDungeon1::instance();
    m_dungeons = Storage::programFolder() + QStringLiteral("/Dungeons");
}

void tst_BoardKeys::init()
{
    QDir(m_dungeons).removeRecursively();
    frmEditableDungeon1::instance().Show();
    QVERIFY(QTest::qWaitForWindowActive(board()));
}

void tst_BoardKeys::cleanup()
{
    frmEditableDungeon1::instance().Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir(m_dungeons).removeRecursively();
}

void tst_BoardKeys::save(int number, const QString &monster, const QString &details)
{
    const auto files = Storage::encounterFiles(Storage::programFolder(), 1, QString::number(number));
    Storage::Cells cells;
    cells[0] = monster;
    QTextDocument document(details);
    QVERIFY(Storage::writeEncounter(files, cells, Rtf::write(&document)).ok());
}

QListWidget *tst_BoardKeys::openFind()
{
    press(Qt::CTRL | Qt::Key_F);
    auto results = board()->findChild<QListWidget *>(QStringLiteral("findResults"));
    // A tool window counts as active with its parent: wait for the keyboard itself.
    if (!results || !QTest::qWaitFor([results] { return results->window()->isAncestorOf(QApplication::focusWidget()); }))
        qWarning("Ctrl+F opened no find window");
    return results;
}

// --- Next, previous and go to -----------------------------------------------

void tst_BoardKeys::neighbours_data()
{
    QTest::addColumn<int>("shown");     // 0: nothing on display
    QTest::addColumn<QString>("focus"); // where the game master typed last
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<int>("expected");
    const auto next = Qt::CTRL | Qt::Key_PageDown, previous = Qt::CTRL | Qt::Key_PageUp;
    QTest::newRow("next of none") << 0 << "Picture1" << next << 1;
    QTest::newRow("previous of none") << 0 << "Picture1" << previous << 40;
    QTest::newRow("next") << 6 << "Picture1" << next << 7;
    QTest::newRow("after 40") << 40 << "Picture1" << next << 1;
    QTest::newRow("before 1") << 1 << "Picture1" << previous << 40;
    QTest::newRow("from the notes") << 12 << "RichTextBox1(1)" << previous << 11;
    QTest::newRow("from a name box") << 39 << "Text4(2)" << next << 40;
}

void tst_BoardKeys::neighbours()
{
    QFETCH(int, shown);
    QFETCH(QString, focus);
    QFETCH(QKeyCombination, keys);
    QFETCH(int, expected);
    save(expected, QStringLiteral("Ogre"), QStringLiteral("A cave."));
    if (shown)
        frmEditableDungeon1::instance().lblEncounter_Click(shown);
    auto notes = control<RichTextBox>(board(), "RichTextBox1(1)");
    notes->setText(QStringLiteral("initiative: 14"));
    control(board(), focus)->setFocus();

    press(keys);

    QCOMPARE(textOf(board(), "Text2"), QString::number(expected));
    QVERIFY(control(board(), "cmdEdit")->isEnabled());
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Ogre"));
    QVERIFY(notes->document()->isEmpty());
}

void tst_BoardKeys::goTo_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<Qt::Key>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("number and Enter") << QByteArray("17") << Qt::Key_Enter << "17";
    QTest::newRow("over 40 refused") << QByteArray("45") << Qt::Key_Return << "4";
    QTest::newRow("Escape cancels") << QByteArray("17") << Qt::Key_Escape << "3";
}

void tst_BoardKeys::goTo()
{
    QFETCH(QByteArray, typed);
    QFETCH(Qt::Key, last);
    QFETCH(QString, expected);
    frmEditableDungeon1::instance().lblEncounter_Click(3);
    // The dialog runs its own event loop: type once it has the focus.
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || QApplication::activeWindow() != dialog)
            return;
        poll.stop();
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("goToNumber"));
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        QTest::keyClick(QApplication::focusWidget(), last);
    });
    poll.start(10);
    press(Qt::CTRL | Qt::Key_G);
    QCOMPARE(textOf(board(), "Text2"), expected);
}

// --- Find ---------------------------------------------------------------------

void tst_BoardKeys::findListsMarksAndShows()
{
    save(3, QStringLiteral("Basilisk"), QStringLiteral("Its lair."));
    save(17, QStringLiteral("Goblin"),
         QStringLiteral("The floor is covered in dust and old bones. Here fresh BASILISK tracks "
                        "lead north to the crypt."));
    save(20, QStringLiteral("Rat"), QStringLiteral("Nothing here."));
    QWidget *map = control(board(), "lblEncounter3")->parentWidget();
    const QImage plain = map->grab().toImage();

    QListWidget *results = openFind();
    typeText(QApplication::focusWidget(), QStringLiteral("basil"));

    QStringList rows;
    for (int i = 0; i < results->count(); ++i)
        rows << results->item(i)->text();
    QCOMPARE(rows, QStringList({"3: Basilisk", "17: ...and old bones. Here fresh BASILISK tracks lead north to the..."}));
    const QImage marked = map->grab().toImage();
    for (QPoint inSpot : {QPoint(90, 90), QPoint(104, 96), QPoint(100, 332)})
        QCOMPARE(marked.pixel(inSpot), plain.pixel(inSpot));
    for (QPoint onRing : {QPoint(85, 92), QPoint(96, 99), QPoint(93, 330)}) // spots 3 and 17
        QVERIFY(marked.pixel(onRing) != plain.pixel(onRing));
    QCOMPARE(marked.pixel(QPoint(5, 348)), plain.pixel(QPoint(5, 348))); // by spot 20

    press(Qt::Key_Down);
    press(Qt::Key_Enter);
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("17"));
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Goblin"));
    const QPoint firstRow = results->visualItemRect(results->item(0)).center();
    QTest::mouseDClick(results->window()->windowHandle(), Qt::LeftButton, {},
                       results->viewport()->mapTo(results->window(), firstRow));
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("3"));

    press(Qt::Key_Escape);
    QVERIFY(!results->isVisible());
    const QRect aboveNumberBox(0, 0, 500, 630);
    QCOMPARE(map->grab().toImage().copy(aboveNumberBox), plain.copy(aboveNumberBox));
}

void tst_BoardKeys::findReadsOnlyAndSeesSaves()
{
    save(8, QStringLiteral("Troll"), QString());
    QListWidget *results = openFind();
    typeText(QApplication::focusWidget(), QStringLiteral("tro"));
    save(8, QStringLiteral("Dragon"), QString());
    save(9, QStringLiteral("Troll king"), QString());
    typeText(QApplication::focusWidget(), QStringLiteral("l"));

    QCOMPARE(results->count(), 1);
    QCOMPARE(results->item(0)->text(), QStringLiteral("9: Troll king"));
    const QStringList files = QDir(m_dungeons + "/Dungeon1").entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, QStringList({"8.Encounter", "8.Encounter8", "9.Encounter", "9.Encounter9"}));
}

// --- Names for screen readers ---------------------------------------------------

void tst_BoardKeys::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("spot 1") << "lblEncounter1" << "Encounter 1";
    QTest::newRow("spot 40") << "lblEncounter40" << "Encounter 40";
    QTest::newRow("first name cell") << "Text1(0)" << "Monster Name, row 1";
    QTest::newRow("AC cell") << "Text1(14)" << "AC, row 5";
    QTest::newRow("DMG cell") << "Text1(20)" << "DMG, row 1";
    QTest::newRow("last HP cell") << "Text1(39)" << "HP, row 10";
    QTest::newRow("first marker") << "Label1(0)" << "Player Character 1 marker";
    QTest::newRow("party marker") << "Label1(6)" << "Entire Party marker";
    QTest::newRow("map") << "Picture1" << "Dungeon map";
    QTest::newRow("details") << "RichTextBox1(0)" << "ENCOUNTER DETAILS";
    QTest::newRow("notes") << "RichTextBox1(1)" << "DM NOTES";
    QTest::newRow("Edit") << "cmdEdit" << "Edit";
    QTest::newRow("Clear") << "cmdClear" << "Clear";
    QTest::newRow("Close") << "cmdClose" << "Close";
}

void tst_BoardKeys::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(::control(board(), control));
    QVERIFY(seen);
    QCOMPARE(seen->text(QAccessible::Name), name);
}

QTEST_MAIN(tst_BoardKeys)
#include "tst_boardkeys.moc"
