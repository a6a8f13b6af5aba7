#include "tests/support/filetesting.h"
#include "tests/support/formtesting.h"

#include "storage/filesteps.h"
#include "kit/richtextbox.h"
#include "rtf/rtf.h"
#include "app/startup.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QScreen>
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
    void keys_data();
    void keys();
    void find();
    void findFolds_data();
    void findFolds();
    void goToTitleFits();
    void accessibleNames_data();
    void accessibleNames();

private:
    QListWidget *openFind();
    const QString m_dungeons = Storage::programFolder() + QStringLiteral("/Dungeons");
};

namespace {

void press(QKeyCombination keys)
{
    QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
}

void save(int number, const QString &monster, const QString &details)
{
    Storage::Cells cells;
    cells[0] = monster;
    QTextDocument document(details);
    QVERIFY(Storage::writeEncounter(
        Storage::encounterFiles(Storage::programFolder(), 1, QString::number(number)), cells,
        Rtf::write(&document)).ok());
}

} // namespace

void tst_BoardKeys::initTestCase()
{
    startDungeonBoard();
}

void tst_BoardKeys::init()
{
    QDir(m_dungeons).removeRecursively();
    QVERIFY(showBoard());
    QVERIFY(QTest::qWaitForWindowActive(board()));
}

void tst_BoardKeys::cleanup()
{
    unloadWindows();
    QDir(m_dungeons).removeRecursively();
}

QListWidget *tst_BoardKeys::openFind()
{
    press(Qt::CTRL | Qt::Key_F);
    auto results = board()->findChild<QListWidget *>(QStringLiteral("findResults"));
    // A tool window counts as active with its parent: wait for the keyboard itself.
    return results && QTest::qWaitFor([results] {
        return results->window()->isAncestorOf(QApplication::focusWidget());
    }) ? results : nullptr;
}

void tst_BoardKeys::keys_data()
{
    QTest::addColumn<int>("shown");     // 0: nothing on display
    QTest::addColumn<QString>("focus"); // where the game master typed last
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("inDialog"); // typed into "Go to encounter"
    QTest::addColumn<int>("expected");
    const auto next = Qt::CTRL | Qt::Key_PageDown, previous = Qt::CTRL | Qt::Key_PageUp;
    const auto goTo = Qt::CTRL | Qt::Key_G;
    QTest::newRow("next of none") << 0 << "Picture1" << next << "" << 1;
    QTest::newRow("previous of none") << 0 << "Picture1" << previous << "" << 40;
    QTest::newRow("after 40") << 40 << "Picture1" << next << "" << 1;
    QTest::newRow("before 1") << 1 << "Picture1" << previous << "" << 40;
    QTest::newRow("from the notes") << 12 << "RichTextBox1(1)" << previous << "" << 11;
    QTest::newRow("from a name box") << 39 << "Text4(2)" << next << "" << 40;
    QTest::newRow("go to") << 3 << "Text4(0)" << goTo << "17\r" << 17;
    QTest::newRow("go to over 40") << 3 << "Picture1" << goTo << "45\r" << 4;
    QTest::newRow("go to cancelled") << 3 << "RichTextBox1(1)" << goTo << "17\x1b" << 3;
}

// As a click on the spot: Edit enabled, the notes emptied, the files shown.
void tst_BoardKeys::keys()
{
    QFETCH(int, shown);
    QFETCH(QString, focus);
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, inDialog);
    QFETCH(int, expected);
    save(expected, QStringLiteral("Ogre"), QStringLiteral("A cave."));
    if (shown)
        clickControl(control(board(), QStringLiteral("lblEncounter%1").arg(shown)));
    control<RichTextBox>(board(), "RichTextBox1(1)")->setText(QStringLiteral("initiative: 14"));
    control(board(), focus)->setFocus();
    // The dialog runs its own event loop: type once it has the keyboard.
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        QWidget *focused = QApplication::focusWidget();
        if (focused && focused->objectName() == QLatin1String("goToNumber")) {
            poll.stop();
            QTest::keyClicks(focused, inDialog);
        }
    });
    poll.start(10);

    press(keys);
    QCOMPARE(textOf(board(), "Text2"), QString::number(expected));
    QVERIFY(control(board(), "cmdEdit")->isEnabled());
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Ogre"));
    const bool notesEmptied = control<RichTextBox>(board(), "RichTextBox1(1)")->document()->isEmpty();
    QCOMPARE(notesEmptied, expected != shown);
}

// Results listed and marked as the user types, saves seen, no file created.
void tst_BoardKeys::find()
{
    save(3, QStringLiteral("Basilisk"), QStringLiteral("Its lair."));
    save(17, QStringLiteral("Goblin"),
         QStringLiteral("The floor is covered in dust and old bones. "
                        "Here fresh BASILISK tracks lead north to the crypt."));
    save(20, QStringLiteral("Rat"), QStringLiteral("Nothing here."));
    QWidget *map = control(board(), "lblEncounter3")->parentWidget();
    const QImage plain = map->grab().toImage();

    QListWidget *results = openFind();
    QVERIFY(results);
    // Beside the board where the screen has room, and never over the Edit
    // button or the notes.
    const QRect findFrame = results->window()->frameGeometry(), boardFrame = board()->frameGeometry();
    if (board()->screen()->availableGeometry().width() > boardFrame.width() + findFrame.width() + 20)
        QVERIFY(!findFrame.intersects(boardFrame));
    for (const char *uncovered : {"cmdEdit", "RichTextBox1(1)"}) {
        QWidget *widget = control(board(), uncovered);
        QVERIFY2(!findFrame.intersects(QRect(widget->mapToGlobal(QPoint()), widget->size())), uncovered);
    }
    typeText(QApplication::focusWidget(), QStringLiteral("basil"));
    QCOMPARE(results->count(), 2);
    QCOMPARE(results->item(0)->text(), "3: Basilisk");
    QCOMPARE(results->item(1)->text(),
             "17: ...and old bones. Here fresh BASILISK tracks lead north to the...");
    // Rings around spots 3 and 17 (none by 20), clear of the numbers.
    const QImage marked = map->grab().toImage();
    for (QPoint inSpot : {QPoint(90, 90), QPoint(104, 96), QPoint(100, 332), QPoint(5, 348)})
        QCOMPARE(marked.pixel(inSpot), plain.pixel(inSpot));
    for (QPoint onRing : {QPoint(85, 92), QPoint(96, 99), QPoint(93, 330)})
        QVERIFY(marked.pixel(onRing) != plain.pixel(onRing));
    save(20, QStringLiteral("Basilisk hatchling"), QString());
    typeText(QApplication::focusWidget(), QStringLiteral("i"));
    QCOMPARE(results->count(), 3);
    QCOMPARE(results->item(2)->text(), "20: Basilisk hatchling");
    const QStringList files = QDir(m_dungeons + "/Dungeon1").entryList(QDir::Files);
    QCOMPARE(files.size(), 6);

    // An encounter that has only a details file is read, and read again
    // when it changes.
    const QString detailsOnly =
        Storage::encounterFiles(Storage::programFolder(), 1, QStringLiteral("25")).detailsFile;
    const auto putDetails = [&detailsOnly](const QString &text) {
        QTextDocument document(text);
        putFile(detailsOnly, Rtf::write(&document));
    };
    putDetails(QStringLiteral("A basilisk egg."));
    typeText(QApplication::focusWidget(), QStringLiteral("s"));
    QCOMPARE(results->count(), 4);
    QCOMPARE(results->item(3)->text(), "25: A basilisk egg.");
    putDetails(QStringLiteral("An empty nest."));
    press(Qt::Key_Backspace);
    QCOMPARE(results->count(), 3);
    QVERIFY(QFile::remove(detailsOnly));

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

void tst_BoardKeys::findFolds_data()
{
    QTest::addColumn<QString>("monster");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found"); // the result row, empty for none
    QTest::newRow("accent in the details") << "Rat" << "Meet at the café by the well." << "cafe"
                                           << "1: Meet at the café by the well.";
    QTest::newRow("accent typed") << "Rat" << "An old CAFE sign." << "Café" << "1: An old CAFE sign.";
    QTest::newRow("combining accent") << "Rat" << "Le cafe\u0301 noir." << "CAFE" << "1: Le cafe\u0301 noir.";
    QTest::newRow("accent in a name") << "Élan wight" << "" << "elan" << "1: Élan wight";
    QTest::newRow("other letter") << "Rat" << "A café." << "cafa" << "";
}

// Case and accents aside, and the match shown as written.
void tst_BoardKeys::findFolds()
{
    QFETCH(QString, monster);
    QFETCH(QString, details);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    save(1, monster, details);
    QListWidget *results = openFind();
    QVERIFY(results);
    typeText(QApplication::focusWidget(), typed);
    QCOMPARE(results->count() ? results->item(0)->text() : QString(), found);
}

// Room for the whole title in a common title bar: its icon, three buttons
// and a bold font a fifth larger than the dialog's.
void tst_BoardKeys::goToTitleFits()
{
    int width = 0, needed = 0;
    QTimer::singleShot(0, this, [&] {
        auto dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QFont titleFont = dialog->font();
        titleFont.setBold(true);
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
        needed = QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle()) + 4 * 30;
        width = dialog->width();
        dialog->reject();
    });
    press(Qt::CTRL | Qt::Key_G);
    QVERIFY(needed > 0);
    QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 pixels wide, %2 needed").arg(width).arg(needed)));
}

void tst_BoardKeys::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const char *const rows[][2] = {
        {"lblEncounter40", "Encounter 40"}, {"Text1(0)", "Monster Name, row 1"},
        {"Text1(14)", "AC, row 5"}, {"Text1(39)", "HP, row 10"},
        {"Label1(0)", "Player Character 1 marker"}, {"Label1(6)", "Entire Party marker"},
        {"Picture1", "Dungeon map"}, {"RichTextBox1(0)", "ENCOUNTER DETAILS"},
        {"RichTextBox1(1)", "DM NOTES"}, {"cmdClose", "Close"},
    };
    for (auto [control, name] : rows)
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(name);
}

void tst_BoardKeys::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(::control(board(), control));
    QCOMPARE(seen ? seen->text(QAccessible::Name) : QString(), name);
}

QTEST_MAIN(tst_BoardKeys)
#include "tst_boardkeys.moc"
