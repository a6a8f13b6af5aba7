#include "tests/support/filetesting.h"
#include "tests/support/formtesting.h"

#include "storage/filesteps.h"
#include "editor_window/frmdungeonencounterediter.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "kit/module1.h"
#include "kit/richtextbox.h"
#include "rtf/rtf.h"
#include "app/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include <memory>

// The road of an encounter, driven as a user drives it: a spot on the map,
// the board's display, the editor, OK or Cancel, and the files on disk.
class tst_Encounters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void selectionShowsFiles();
    void selectionBeforeAnySaveCreatesNothing();
    void selectionLeavesEmptyTableFile();
    void selectionEmptiesEveryCellAndTheNotes();

    void editorLayout_data();
    void editorLayout();
    void editorOpensOnSelectedEncounter();
    void editorTabOrderAndLimits();
    void okSavesAndRefreshesBoard();
    void okWithoutTypingWritesEmptyEncounter();
    void spacesAreSavedAndTrimmedOnDisplay();
    void closingWithoutOkChangesNothing_data();
    void closingWithoutOkChangesNothing();
    void editWhileOpenOnlyRaisesEditor();
    void editorAloneSavesAndBringsBoardBack();
    void failedSaveKeepsEditorOpen();
    void cellsRefuseWhatTheFileCannotStore_data();
    void cellsRefuseWhatTheFileCannotStore();
    void longStoredCellsStayWhole_data();
    void longStoredCellsStayWhole();
    void largeEncounterOpensAtItsStartUnderBusyCursor();
    void okAsksBeforeReplacingChangesMadeElsewhere_data();
    void okAsksBeforeReplacingChangesMadeElsewhere();
    void okAsksWhenAnotherProcessSaved();
    void noQuestionAfterOwnHalfFailedSave();
    void boardShowsAnotherCopysSave();
    void okKeepsWhatTheDetailsDoNotShow_data();
    void okKeepsWhatTheDetailsDoNotShow();

private:
    Storage::EncounterFiles files(int number) const;
    void clickSpot(int number);
    void openEditor(int number);
    void saveEncounter(int number, const Storage::Cells &cells, const QString &detailsHtml);
    static void typeInto(QWidget *control, const QString &text);

    QString m_dungeons;
};

namespace {

const QPoint SpotCentres[] = {{16, 28}, {16, 92}, {96, 92}, {320, 28}, {16, 172}, {236, 108},
                              {256, 108}, {336, 172}, {400, 172}, {480, 172}, {480, 108},
                              {180, 188}};

QPoint inMap(QPoint point)
{
    return point + QPoint(18, 10);
}

// The encounter of the table file example: two orcs.
Storage::Cells twoOrcs()
{
    Storage::Cells cells;
    cells[0] = "Orc";
    cells[1] = "Orc leader";
    cells[10] = "6";
    cells[11] = "4";
    cells[20] = "1d8";
    cells[21] = "1d10";
    cells[30] = "15";
    cells[31] = "22";
    return cells;
}

QByteArray twoOrcsTableFile()
{
    QByteArray bytes(5120, '\0');
    const auto put = [&bytes](int record, QByteArray text) {
        bytes[(record - 1) * 128] = char(text.size());
        bytes.replace((record - 1) * 128 + 2, text.size(), text);
    };
    put(1, "Orc");
    put(2, "Orc leader");
    put(11, "6");
    put(12, "4");
    put(21, "1d8");
    put(22, "1d10");
    put(31, "15");
    put(32, "22");
    return bytes;
}

// Answers the next message box within a few seconds, with the button of
// that text or else by accepting it, keeping what it said in *text. Keep
// the returned watch while *text lives: a row with no message box ends
// before the watch gives up.
[[nodiscard]] std::unique_ptr<QTimer> answerNextMessageBox(QString *text, const QString &button = QString())
{
    auto watch = std::make_unique<QTimer>();
    QTimer *poll = watch.get();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, text, button] {
        if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text() + QLatin1Char('\n') + box->informativeText()
                + (QGuiApplication::overrideCursor() ? "\nunder the busy cursor" : "");
            const QList<QAbstractButton *> choices = box->buttons();
            const auto choice = std::find_if(choices.begin(), choices.end(),
                                             [&button](auto choice) { return choice->text() == button; });
            if (choice != choices.end())
                QTest::mouseClick(*choice, Qt::LeftButton);
            else
                box->accept();
            poll->stop();
        }
    });
    poll->start(10);
    QTimer::singleShot(5000, poll, &QTimer::stop);
    return watch;
}

} // namespace

void tst_Encounters::initTestCase()
{
    startDungeonBoard();
    m_dungeons = Storage::programFolder() + QStringLiteral("/Dungeons");
}

void tst_Encounters::init()
{
    QDir(m_dungeons).removeRecursively();
    QVERIFY(showBoard());
}

void tst_Encounters::cleanup()
{
    unloadWindows();
    QDir(m_dungeons).removeRecursively();
}

Storage::EncounterFiles tst_Encounters::files(int number) const
{
    return Storage::encounterFiles(Storage::programFolder(), 1, QString::number(number));
}

void tst_Encounters::clickSpot(int number)
{
    pressAt(board(), inMap(SpotCentres[number - 1]));
    QCOMPARE(textOf(board(), "Text2"), QString::number(number));
}

void tst_Encounters::openEditor(int number)
{
    clickSpot(number);
    clickControl(control(board(), "cmdEdit"));
    QVERIFY(frmDungeonEncounterEditer::instance().isLoaded());
    QVERIFY(QTest::qWaitForWindowExposed(editor()));
}

void tst_Encounters::saveEncounter(int number, const Storage::Cells &cells,
                                   const QString &detailsHtml)
{
    const Storage::EncounterFiles encounter = files(number);
    QVERIFY(Storage::createFolders(encounter).ok());
    QVERIFY(Storage::writeTable(encounter.tableFile, cells).ok());
    QTextDocument details;
    details.setHtml(detailsHtml);
    QVERIFY(Storage::writeFileAtomically(encounter.detailsFile, Rtf::write(&details)).ok());
}

void tst_Encounters::typeInto(QWidget *control, const QString &text)
{
    clickControl(control);
    typeText(control, text);
}

// --- Selecting an encounter on the board ------------------------------------

void tst_Encounters::selectionShowsFiles()
{
    Storage::Cells cells = twoOrcs();
    cells[2] = QStringLiteral("  Goblin ");
    saveEncounter(12, cells, QStringLiteral("<p>A <b>locked</b> chest.</p>"));

    clickSpot(12);

    QVERIFY(control(board(), "cmdEdit")->isEnabled());
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Orc"));
    QCOMPARE(textOf(board(), "Text1(2)"), QStringLiteral("Goblin"));
    QCOMPARE(textOf(board(), "Text1(21)"), QStringLiteral("1d10"));
    QCOMPARE(textOf(board(), "Text1(31)"), QStringLiteral("22"));
    QTextDocument *details = control<RichTextBox>(board(), "RichTextBox1(0)")->document();
    QCOMPARE(details->toPlainText(), QStringLiteral("A locked chest."));
    QTextCursor cursor(details);
    cursor.setPosition(4); // inside "locked"
    QVERIFY(cursor.charFormat().fontWeight() >= QFont::Bold);
}

void tst_Encounters::selectionBeforeAnySaveCreatesNothing()
{
    clickSpot(5);
    for (int i = 0; i < 40; ++i)
        QCOMPARE(textOf(board(), QStringLiteral("Text1(%1)").arg(i)), QString());
    QVERIFY(control<RichTextBox>(board(), "RichTextBox1(0)")->document()->isEmpty());
    QVERIFY(!QFileInfo::exists(m_dungeons));
}

void tst_Encounters::selectionLeavesEmptyTableFile()
{
    QVERIFY(QDir().mkpath(m_dungeons + QStringLiteral("/Dungeon1")));
    clickSpot(5);
    QCOMPARE(QFileInfo(files(5).tableFile).size(), 0);
    QVERIFY(!QFileInfo::exists(files(5).detailsFile));
}

void tst_Encounters::selectionEmptiesEveryCellAndTheNotes()
{
    saveEncounter(1, twoOrcs(), QStringLiteral("Orcs"));
    saveEncounter(2, Storage::Cells(), QString());
    clickSpot(1);
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Orc"));
    auto notes = control<RichTextBox>(board(), "RichTextBox1(1)");
    typeInto(notes, QStringLiteral("the orcs flee at half HP"));

    clickSpot(1); // the same spot again reads it afresh and empties the notes
    QVERIFY(notes->document()->isEmpty());
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Orc"));

    clickSpot(2);
    QCOMPARE(textOf(board(), "Text1(0)"), QString());
    QVERIFY(control<RichTextBox>(board(), "RichTextBox1(0)")->document()->isEmpty());
}

// --- The editor -------------------------------------------------------------

void tst_Encounters::editorLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    QTest::newRow("title") << "Label2(5)" << QRect(8, 8, 457, 17) << "ENCOUNTER EDITOR";
    QTest::newRow("details caption") << "Label2(0)" << QRect(8, 40, 457, 17) << "Encounter Details";
    QTest::newRow("details") << "RichTextBoxEdit" << QRect(8, 56, 457, 193) << "";
    QTest::newRow("name caption") << "Label2(1)" << QRect(8, 256, 201, 17) << "Monster Name";
    QTest::newRow("AC caption") << "Label2(3)" << QRect(232, 256, 41, 17) << "AC";
    QTest::newRow("DMG caption") << "Label2(4)" << QRect(296, 256, 73, 17) << "DMG";
    QTest::newRow("HP caption") << "Label2(2)" << QRect(392, 256, 73, 17) << "HP";
    QTest::newRow("number caption") << "Label1" << QRect(64, 520, 105, 17) << "Encounter Number";
    QTest::newRow("number") << "Text2" << QRect(64, 534, 105, 19) << "3";
    QTest::newRow("cancel") << "cmdCancel" << QRect(240, 536, 105, 25) << "";
    QTest::newRow("ok") << "cmdOK" << QRect(360, 536, 105, 25) << "";
    const int lefts[] = {8, 232, 296, 392};
    const int widths[] = {201, 41, 73, 73};
    for (int i = 0; i < 40; ++i) {
        QTest::addRow("Text1(%d)", i) << QStringLiteral("Text1(%1)").arg(i)
                                      << QRect(lefts[i / 10], 272 + 24 * (i % 10), widths[i / 10], 19)
                                      << "";
    }
}

void tst_Encounters::editorLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    openEditor(3);
    QWidget *window = editor();
    QCOMPARE(window->windowTitle(), QStringLiteral("Dungeon Encounter Editer"));
    QCOMPARE(window->size(), QSize(473, 568));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    QWidget *widget = control(window, name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (!text.isEmpty())
        QCOMPARE(widget->property("text").toString(), text);
    if (name == QLatin1String("Label2(5)")) {
        QCOMPARE(widget->font().pointSizeF(), 12.0);
        QCOMPARE(widget->palette().color(QPalette::ButtonText), QColor(192, 0, 0));
    }
    if (name.startsWith(QLatin1String("Text1"))) {
        auto cell = qobject_cast<QLineEdit *>(widget);
        QVERIFY(!cell->isReadOnly());
        QCOMPARE(cell->maxLength(), 126);
    }
}

void tst_Encounters::editorOpensOnSelectedEncounter()
{
    saveEncounter(9, twoOrcs(), QStringLiteral("<p><i>Damp</i> cave</p>"));
    openEditor(9);
    QCOMPARE(Module1::DungeonNumber, qint16(1));
    QCOMPARE(Module1::EncounterNumber, qint16(9));
    QCOMPARE(textOf(editor(), "Text2"), QStringLiteral("9"));
    QCOMPARE(textOf(editor(), "Text1(1)"), QStringLiteral("Orc leader"));
    QCOMPARE(textOf(editor(), "Text1(30)"), QStringLiteral("15"));
    QCOMPARE(control<RichTextBox>(editor(), "RichTextBoxEdit")->toPlainText(),
             QStringLiteral("Damp cave"));
    QCOMPARE(QApplication::focusWidget(), control(editor(), "RichTextBoxEdit"));

    // A never-saved encounter opens empty with its number.
    frmDungeonEncounterEditer::instance().unload();
    openEditor(4);
    QCOMPARE(textOf(editor(), "Text2"), QStringLiteral("4"));
    QCOMPARE(textOf(editor(), "Text1(0)"), QString());
    QVERIFY(control<RichTextBox>(editor(), "RichTextBoxEdit")->document()->isEmpty());
}

void tst_Encounters::editorTabOrderAndLimits()
{
    openEditor(3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(0)"));
    for (int i = 1; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(%1)").arg(i));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));

    // The encounter number can be selected but not changed.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("99"));
    QCOMPARE(textOf(editor(), "Text2"), QStringLiteral("3"));

    auto cell = control<QLineEdit>(editor(), "Text1(0)");
    typeInto(cell, QString(101, QLatin1Char('x')));
    QCOMPARE(cell->text(), QString(100, QLatin1Char('x')));
}

void tst_Encounters::okSavesAndRefreshesBoard()
{
    openEditor(7);
    const Storage::Cells orcs = twoOrcs();
    for (int i = 0; i < 40; ++i) {
        if (!orcs[i].isEmpty())
            typeInto(control(editor(), QStringLiteral("Text1(%1)").arg(i)), orcs[i]);
    }
    auto details = control<RichTextBox>(editor(), "RichTextBoxEdit");
    typeInto(details, QStringLiteral("Two orcs guard the "));
    QTest::keyClick(details, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(details, QStringLiteral("gate"));

    clickControl(control(editor(), "cmdOK"));

    QVERIFY(!frmDungeonEncounterEditer::instance().isLoaded());
    QCOMPARE(content(files(7).tableFile), twoOrcsTableFile());
    QVERIFY(content(files(7).detailsFile).startsWith("{\\rtf1"));

    // The board shows what was saved, read back from the files.
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("7"));
    QCOMPARE(textOf(board(), "Text1(1)"), QStringLiteral("Orc leader"));
    QCOMPARE(textOf(board(), "Text1(21)"), QStringLiteral("1d10"));
    QTextDocument *shown = control<RichTextBox>(board(), "RichTextBox1(0)")->document();
    QCOMPARE(shown->toPlainText(), QStringLiteral("Two orcs guard the gate"));
    QTextCursor cursor(shown);
    cursor.setPosition(21);
    QVERIFY(cursor.charFormat().fontWeight() >= QFont::Bold);
    cursor.setPosition(5);
    QVERIFY(cursor.charFormat().fontWeight() < QFont::Bold);

    // Saving again overwrites in place; the table stays 5120 bytes.
    openEditor(7);
    auto cell = control<QLineEdit>(editor(), "Text1(0)");
    cell->selectAll();
    QTest::keyClicks(cell, QStringLiteral("Troll"));
    clickControl(control(editor(), "cmdOK"));
    QCOMPARE(QFileInfo(files(7).tableFile).size(), 5120);
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Troll"));
}

void tst_Encounters::okWithoutTypingWritesEmptyEncounter()
{
    openEditor(12);
    clickControl(control(editor(), "cmdOK"));
    QVERIFY(!frmDungeonEncounterEditer::instance().isLoaded());
    QCOMPARE(content(files(12).tableFile), QByteArray(5120, '\0'));
    QVERIFY(QFileInfo(files(12).detailsFile).size() > 0);
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("12"));
}

void tst_Encounters::spacesAreSavedAndTrimmedOnDisplay()
{
    openEditor(2);
    typeInto(control(editor(), "Text1(0)"), QStringLiteral("  Orc "));
    clickControl(control(editor(), "cmdOK"));
    QCOMPARE(content(files(2).tableFile).left(8), QByteArray("\x06\x00  Orc ", 8));
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Orc"));
    openEditor(2);
    QCOMPARE(textOf(editor(), "Text1(0)"), QStringLiteral("Orc"));
}

void tst_Encounters::closingWithoutOkChangesNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void tst_Encounters::closingWithoutOkChangesNothing()
{
    QFETCH(bool, closeBox);

    saveEncounter(3, twoOrcs(), QStringLiteral("Orcs"));
    const QByteArray table = content(files(3).tableFile);
    const QByteArray details = content(files(3).detailsFile);
    openEditor(3);
    auto notes = control<RichTextBox>(board(), "RichTextBox1(1)");
    notes->setPlainText(QStringLiteral("kept"));

    typeInto(control(editor(), "Text1(0)"), QStringLiteral("Dragon"));
    typeInto(control(editor(), "RichTextBoxEdit"), QStringLiteral(" and a dragon"));
    if (closeBox)
        editor()->close();
    else
        clickControl(control(editor(), "cmdCancel"));

    QVERIFY(!frmDungeonEncounterEditer::instance().isLoaded());
    QCOMPARE(content(files(3).tableFile), table);
    QCOMPARE(content(files(3).detailsFile), details);
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Orc"));
    QCOMPARE(notes->toPlainText(), QStringLiteral("kept")); // the board was not reloaded
    QCOMPARE(Module1::DungeonNumber, qint16(1));
}

void tst_Encounters::editWhileOpenOnlyRaisesEditor()
{
    openEditor(5);
    typeInto(control(editor(), "Text1(0)"), QStringLiteral("Ghoul"));
    clickSpot(9);
    clickControl(control(board(), "cmdEdit"));

    QCOMPARE(Module1::EncounterNumber, qint16(9));
    QCOMPARE(textOf(editor(), "Text2"), QStringLiteral("5"));
    QCOMPARE(textOf(editor(), "Text1(0)"), QStringLiteral("Ghoul"));

    // OK saves under the editor's own number.
    clickControl(control(editor(), "cmdOK"));
    QCOMPARE(Storage::readExistingTable(files(5).tableFile)[0], QStringLiteral("Ghoul"));
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("5"));

    // Opened afresh, the editor takes the encounter now selected.
    clickSpot(9);
    clickControl(control(board(), "cmdEdit"));
    QCOMPARE(textOf(editor(), "Text2"), QStringLiteral("9"));
}

void tst_Encounters::editorAloneSavesAndBringsBoardBack()
{
    openEditor(3);
    clickControl(control(board(), "cmdClose"));
    QVERIFY(!frmEditableDungeon1::instance().isLoaded());
    QVERIFY(frmDungeonEncounterEditer::instance().isLoaded());
    QCOMPARE(Form::loadedCount(), 1);

    typeInto(control(editor(), "Text1(10)"), QStringLiteral("7"));
    clickControl(control(editor(), "cmdOK"));

    QCOMPARE(Storage::readExistingTable(files(3).tableFile)[10], QStringLiteral("7"));
    QVERIFY(frmEditableDungeon1::instance().isLoaded());
    QVERIFY(board()->isVisible());
    QCOMPARE(textOf(board(), "Text2"), QStringLiteral("3"));
    QCOMPARE(textOf(board(), "Text1(10)"), QStringLiteral("7"));

    // Cancel in the same state brings back the empty board.
    openEditor(4);
    clickControl(control(board(), "cmdClose"));
    clickControl(control(editor(), "cmdCancel"));
    QVERIFY(board()->isVisible());
    QCOMPARE(textOf(board(), "Text2"), QString());
}

void tst_Encounters::failedSaveKeepsEditorOpen()
{
    saveEncounter(6, twoOrcs(), QStringLiteral("Old details"));
    const QByteArray table = content(files(6).tableFile);
    const QByteArray details = content(files(6).detailsFile);
    // A folder standing where the details file goes cannot be replaced.
    QVERIFY(QFile::remove(files(6).detailsFile));
    QVERIFY(QDir().mkdir(files(6).detailsFile));

    openEditor(6);
    typeInto(control(editor(), "Text1(0)"), QStringLiteral("Wight"));
    QString message;
    const auto answering = answerNextMessageBox(&message);
    clickControl(control(editor(), "cmdOK"));

    QVERIFY(frmDungeonEncounterEditer::instance().isLoaded());
    QVERIFY(message.contains(files(6).detailsFile));
    QCOMPARE(textOf(editor(), "Text1(0)"), QStringLiteral("OrcWight"));
    QCOMPARE(content(files(6).tableFile), table);
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Orc"));

    // Once the obstacle is gone, OK saves.
    QVERIFY(QDir().rmdir(files(6).detailsFile));
    clickControl(control(editor(), "cmdOK"));
    QVERIFY(!frmDungeonEncounterEditer::instance().isLoaded());
    QCOMPARE(textOf(board(), "Text1(0)"), QStringLiteral("OrcWight"));
    Q_UNUSED(details);
}

void tst_Encounters::cellsRefuseWhatTheFileCannotStore_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("leftOut");

    QTest::newRow("typed Latin-1") << "Orc Häuptling" << false << "Orc Häuptling" << "";
    QTest::newRow("typed euro sign") << "5 €" << false << "5 €" << "";
    QTest::newRow("typed Greek refused") << "Ωmega" << false << "mega" << "Ω";
    QTest::newRow("pasted Latin-1") << "Élan" << true << "Élan" << "";
    QTest::newRow("pasted snowman left out") << "Orc ☃ chief" << true << "Orc  chief" << "☃";
    QTest::newRow("pasted emoji left out") << "Orc 😀" << true << "Orc " << "😀";
    QTest::newRow("nothing pasted") << "☃😀" << true << "" << "☃😀";
}

void tst_Encounters::cellsRefuseWhatTheFileCannotStore()
{
    QFETCH(QString, input);
    QFETCH(bool, pasted);
    QFETCH(QString, expected);
    QFETCH(QString, leftOut);

    QToolTip::hideText();
    openEditor(8);
    auto cell = control<QLineEdit>(editor(), "Text1(0)");
    if (pasted) {
        QApplication::clipboard()->setText(input);
        clickControl(cell);
        QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    } else {
        typeInto(cell, input);
    }
    QCOMPARE(cell->text(), expected);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text().right(leftOut.size()) : QString(), leftOut);
}

void tst_Encounters::largeEncounterOpensAtItsStartUnderBusyCursor()
{
    Storage::Cells cells;
    cells[0] = QStringLiteral("Start of a name ") + QString(80, QLatin1Char('x'));
    QString details;
    for (int i = 0; i < 20000; ++i) // over half a megabyte of RTF
        details += QStringLiteral("<p>The <b>orcs</b> guard the gate, paragraph %1</p>").arg(i);
    saveEncounter(4, cells, details);
    bool loadedWhileBusy = false;
    connect(control<RichTextBox>(board(), "RichTextBox1(0)")->document(), &QTextDocument::contentsChanged,
            this, [&loadedWhileBusy] { loadedWhileBusy |= QGuiApplication::overrideCursor() != nullptr; });

    clickSpot(4);
    QVERIFY(loadedWhileBusy);
    QCOMPARE(control<QLineEdit>(board(), "Text1(0)")->cursorPosition(), 0);
    openEditor(4);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(control<QLineEdit>(editor(), "Text1(0)")->cursorPosition(), 0);
    auto box = control<RichTextBox>(editor(), "RichTextBoxEdit");
    QCOMPARE(box->textCursor().position(), 0);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
}

void tst_Encounters::okAsksBeforeReplacingChangesMadeElsewhere_data()
{
    QTest::addColumn<QString>("otherCopy"); // what another copy of the program does meanwhile
    QTest::addColumn<QString>("answer");    // empty: no question

    QTest::newRow("table changed, Cancel") << "table" << "Cancel";
    QTest::newRow("details changed, Replace") << "details" << "Replace";
    QTest::newRow("the same bytes again") << "same" << "";
    QTest::newRow("empty table removed") << "remove" << "";
}

void tst_Encounters::okAsksBeforeReplacingChangesMadeElsewhere()
{
    QFETCH(QString, otherCopy);
    QFETCH(QString, answer);
    QVERIFY(QDir().mkpath(files(10).dungeonFolder));
    if (otherCopy != QLatin1String("remove"))
        saveEncounter(10, twoOrcs(), QStringLiteral("Orcs"));
    openEditor(10);
    typeInto(control(editor(), "Text1(2)"), QStringLiteral("Goblin"));
    if (otherCopy == QLatin1String("remove"))
        QVERIFY(QFile::remove(files(10).tableFile));
    else
        saveEncounter(10, otherCopy == QLatin1String("table") ? Storage::Cells() : twoOrcs(),
                      otherCopy == QLatin1String("details") ? QStringLiteral("Trolls") : QStringLiteral("Orcs"));
    const QByteArray theirs = content(files(10).tableFile) + content(files(10).detailsFile);

    QString message;
    const auto answering = answerNextMessageBox(&message, answer);
    clickControl(control(editor(), "cmdOK"));
    QCOMPARE(message.section(QLatin1Char('\n'), 0, 0),
             answer.isEmpty() ? QString() : QStringLiteral("Encounter 10 was changed elsewhere since you opened it"));
    QVERIFY(!message.contains(QLatin1String("busy")));
    const bool keptOpen = answer == QLatin1String("Cancel");
    QCOMPARE(frmDungeonEncounterEditer::instance().isLoaded(), keptOpen);
    QCOMPARE(textOf(keptOpen ? editor() : board(), "Text1(2)"), QStringLiteral("Goblin"));
    if (keptOpen)
        QCOMPARE(content(files(10).tableFile) + content(files(10).detailsFile), theirs);
}

namespace {

// A second copy of the program saving encounter 7 once: "Table 0" in its
// first cell, "Details 0" in its details.
void saveInAnotherProcess()
{
    QProcess otherCopy;
    otherCopy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    otherCopy.start(QStringLiteral(TRUST_SAVER),
                    { Storage::programFolder(), QStringLiteral("N"), QStringLiteral("1") });
    QVERIFY(otherCopy.waitForFinished());
    QCOMPARE(otherCopy.exitCode(), 0);
}

} // namespace

void tst_Encounters::okAsksWhenAnotherProcessSaved()
{
    saveEncounter(7, twoOrcs(), QStringLiteral("Orcs"));
    openEditor(7);
    typeInto(control(editor(), "Text1(2)"), QStringLiteral("Goblin"));
    saveInAnotherProcess();
    const QByteArray theirs = content(files(7).tableFile) + content(files(7).detailsFile);

    QString message;
    const auto answering = answerNextMessageBox(&message, QStringLiteral("Cancel"));
    clickControl(control(editor(), "cmdOK"));
    QCOMPARE(message.section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("Encounter 7 was changed elsewhere since you opened it"));
    QVERIFY(frmDungeonEncounterEditer::instance().isLoaded());
    QCOMPARE(textOf(editor(), "Text1(2)"), QStringLiteral("Goblin"));
    QCOMPARE(content(files(7).tableFile) + content(files(7).detailsFile), theirs);
}

// Details that fail to follow the table: the editor says so, and the next OK
// finds its own table on disk, not another copy's work.
void tst_Encounters::noQuestionAfterOwnHalfFailedSave()
{
    saveEncounter(10, twoOrcs(), QStringLiteral("Orcs"));
    openEditor(10);
    typeInto(control(editor(), "Text1(2)"), QStringLiteral("Goblin"));

    QString message;
    Storage::simulateFaults({ .detailsMoveError = EIO });
    {
        const auto answering = answerNextMessageBox(&message);
        clickControl(control(editor(), "cmdOK"));
    }
    Storage::simulateFaults({});
    QCOMPARE(message.section(QLatin1Char('\n'), 0, 0), QStringLiteral("The encounter could not be saved."));
    QVERIFY(frmDungeonEncounterEditer::instance().isLoaded());

    message.clear();
    const auto answering = answerNextMessageBox(&message);
    clickControl(control(editor(), "cmdOK"));
    QCOMPARE(message, QString());
    QVERIFY(!frmDungeonEncounterEditer::instance().isLoaded());
    QCOMPARE(textOf(board(), "Text1(2)"), QStringLiteral("Goblin"));
}

// The board follows saves of the encounter it shows, the game master's
// notes untouched.
void tst_Encounters::boardShowsAnotherCopysSave()
{
    saveEncounter(7, twoOrcs(), QStringLiteral("Orcs"));
    clickSpot(7);
    auto notes = control<RichTextBox>(board(), "RichTextBox1(1)");
    typeInto(notes, QStringLiteral("the orcs flee"));

    saveInAnotherProcess();
    QTRY_COMPARE(textOf(board(), "Text1(0)"), QStringLiteral("Table 0"));
    QCOMPARE(textOf(board(), "Text1(1)"), QString());
    QCOMPARE(control<RichTextBox>(board(), "RichTextBox1(0)")->toPlainText(),
             QStringLiteral("Details 0 behind the door."));
    QCOMPARE(notes->toPlainText(), QStringLiteral("the orcs flee"));
}

// A record holds 126 bytes and another program may have filled them: both
// windows show such a cell whole, the editor lets the user shorten it but
// not lengthen it, and OK without a change writes the file back as it was.
void tst_Encounters::longStoredCellsStayWhole_data()
{
    QTest::addColumn<int>("length"); // of the stored text
    QTest::addColumn<QKeySequence>("keys"); // pressed at the end of the cell, before typing x
    QTest::addColumn<bool>("pasted"); // x comes from the clipboard
    QTest::addColumn<int>("kept"); // characters of the stored text the cell keeps

    QTest::newRow("126 shown and saved whole") << 126 << QKeySequence() << false << 126;
    QTest::newRow("101 shown and saved whole") << 101 << QKeySequence() << false << 101;
    QTest::newRow("typing refused") << 110 << QKeySequence() << false << 110;
    QTest::newRow("pasting refused") << 110 << QKeySequence() << true << 110;
    QTest::newRow("shortened, then typing refused")
            << 110 << QKeySequence(Qt::Key_Backspace) << false << 109;
    QTest::newRow("shortened and undone, then typing refused")
            << 110 << QKeySequence(QStringLiteral("Backspace, Backspace, Ctrl+Z")) << false << 110;
}

void tst_Encounters::longStoredCellsStayWhole()
{
    QFETCH(int, length);
    QFETCH(QKeySequence, keys);
    QFETCH(bool, pasted);
    QFETCH(int, kept);

    QString stored;
    while (stored.size() < length)
        stored += QString::number(stored.size() % 10);
    Storage::Cells cells = twoOrcs();
    cells[0] = stored;
    const Storage::EncounterFiles encounter = files(6);
    QVERIFY(Storage::createFolders(encounter).ok());
    const QByteArray original = Storage::encodeTable(cells) + "past record 40";
    QFile table(encounter.tableFile);
    QVERIFY(table.open(QIODevice::WriteOnly));
    QCOMPARE(table.write(original), original.size());
    table.close();

    openEditor(6);
    QCOMPARE(textOf(board(), "Text1(0)"), stored);
    auto cell = control<QLineEdit>(editor(), "Text1(0)");
    QCOMPARE(cell->text(), stored);
    clickControl(cell);
    QTest::keyClick(cell, Qt::Key_End);
    for (int i = 0; i < keys.count(); ++i)
        QTest::keySequence(cell, QKeySequence(keys[i]));
    QApplication::clipboard()->setText(QStringLiteral("x"));
    if (pasted)
        QTest::keySequence(cell, QKeySequence::Paste);
    else
        QTest::keyClick(cell, Qt::Key_X);
    QCOMPARE(cell->text(), stored.first(kept));

    clickControl(control(editor(), "cmdOK"));
    cells[0] = stored.first(kept);
    QCOMPARE(content(encounter.tableFile), Storage::encodeTable(cells, original));
    if (kept == length)
        QCOMPARE(content(encounter.tableFile), original);
    QCOMPARE(textOf(board(), "Text1(0)"), stored.first(kept));
}

QTEST_MAIN(tst_Encounters)
// Footnotes show at the end of the details; a header does not show at all.
void tst_Encounters::okKeepsWhatTheDetailsDoNotShow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing changed: every byte kept") << QString();
    QTest::newRow("text changed: the tool tip names the loss") << QStringLiteral("More ");
}

void tst_Encounters::okKeepsWhatTheDetailsDoNotShow()
{
    QFETCH(QString, typed);
    const QByteArray details = "{\\rtf1\\ansi{\\header Page head}Smoke{\\super\\chftn}{\\footnote Fire.}\\par}\r\n";
    saveEncounter(5, {}, QString());
    QVERIFY(Storage::writeFileAtomically(files(5).detailsFile, details).ok());
    openEditor(5);
    auto box = control<RichTextBox>(editor(), "RichTextBoxEdit");
    QCOMPARE(box->toPlainText(), QStringLiteral("Smoke1\n1 Fire."));
    if (!typed.isEmpty())
        typeInto(box, typed);
    QCOMPARE(box->toolTip().contains(QStringLiteral("headers and footers")), !typed.isEmpty());
    clickControl(control(editor(), "cmdOK"));
    const QByteArray saved = content(files(5).detailsFile);
    QCOMPARE(saved == details, typed.isEmpty());
    QCOMPARE(saved.contains("{\\footnote"), true);
}

#include "tst_encounters.moc"
