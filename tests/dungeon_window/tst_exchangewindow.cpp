#include "tests/support/filetesting.h"
#include "tests/support/formtesting.h"

#include "app/startup.h"
#include "current/currentdungeon.h"
#include "dungeon/dungeondescription.h"
#include "dungeon_window/frmeditabledungeon1.h"
#include "fog/tablefile.h"
#include "kit/module1.h"
#include "storage/encounterfiles.h"

#include <QPushButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

// The dungeon file and the Markdown notes from the board, and a dungeon
// file brought in through the Open dialog while another dungeon shows.
class tst_ExchangeWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void exportThenImportWhileAnotherShows();
    void markdownNotesFromTheBoard();

private:
    QList<int> m_made;
};

namespace {

constexpr int SampleCopy = 31;

QString dungeonFolder(int number)
{
    return Storage::dungeonFolder(Storage::programFolder(), qint16(number));
}

// Acts on the next modal dialog of that kind once it shows, as the user would.
template<typename Dialog>
void whenShown(std::function<void(Dialog *)> act)
{
    auto poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            act(dialog);
        }
    });
    poll->start();
}

// Types the path into the file dialog and presses Return.
void typePath(QFileDialog *dialog, const QString &path)
{
    auto name = control<QLineEdit>(dialog, "fileNameEdit");
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
}

void chooseFile(const QString &path)
{
    whenShown<QFileDialog>([path](QFileDialog *dialog) { typePath(dialog, path); });
}

// The board's keys work in its active window, which a closed dialog may
// not give back.
void boardKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    board()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board()));
    QTest::keyClick(board(), key, modifiers);
}

Storage::Cells cellsOf(int dungeon, int encounter)
{
    return Storage::readEncounter(Storage::encounterFiles(Storage::programFolder(), qint16(dungeon),
                                                          QString::number(encounter)),
                                  Storage::ReadMode::LookOnly).cells;
}

} // namespace

void tst_ExchangeWindow::initTestCase()
{
    startDungeonBoard();
    QDir(dungeonFolder(SampleCopy)).removeRecursively(); // left by a run cut short
    copyFiles(QStringLiteral(SAMPLE_DUNGEON), dungeonFolder(SampleCopy));
    m_made << SampleCopy;
    QVERIFY(showBoard());
}

void tst_ExchangeWindow::cleanupTestCase()
{
    unloadWindows();
    for (int number : std::as_const(m_made))
        QDir(dungeonFolder(number)).removeRecursively();
}

void tst_ExchangeWindow::exportThenImportWhileAnotherShows()
{
    frmEditableDungeon1 &form = frmEditableDungeon1::instance();
    form.openDungeon(SampleCopy);
    FogState fog;
    fog.revealed = {7};
    QVERIFY(TableFile::write(TableFile::path(dungeonFolder(SampleCopy)), fog).ok());

    QTemporaryDir away;
    const QString archive = away.path() + QStringLiteral("/halls.dungeon");
    whenShown<QDialog>([archive](QDialog *dialog) {
        QTest::mouseClick(control<QCheckBox>(dialog, "revealedRooms"), Qt::LeftButton);
        chooseFile(archive);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    boardKey(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QFile::exists(archive));

    // With the exported dungeon still on display: Ctrl+O, "Import dungeon…".
    const int expected = Dungeon::nextFreeDungeonNumber(Storage::programFolder());
    whenShown<QDialog>([archive](QDialog *dialog) {
        chooseFile(archive);
        QTest::mouseClick(control<QPushButton>(dialog, "importDungeon"), Qt::LeftButton);
    });
    boardKey(Qt::Key_O, Qt::ControlModifier);
    m_made << expected;

    // The board shows the new dungeon, read back through the program.
    QCOMPARE(Module1::DungeonOnDisplay->number(), expected);
    QVERIFY(board()->windowTitle().startsWith(QStringLiteral("Orvane Editable Dungeon %1 (").arg(expected)));
    QCOMPARE(Module1::DungeonOnDisplay->description().title,
             Dungeon::readDungeonDescription(dungeonFolder(SampleCopy)).description.title);
    QVERIFY(Module1::DungeonOnDisplay->fog()->state().isRevealed(7));
    form.showEncounter(7);
    QCOMPARE(textOf(board(), "Text1(0)"), cellsOf(SampleCopy, 7)[0]);
    for (int n = 1; n <= 40; ++n)
        QCOMPARE(cellsOf(expected, n), cellsOf(SampleCopy, n));
}

void tst_ExchangeWindow::markdownNotesFromTheBoard()
{
    frmEditableDungeon1::instance().openDungeon(SampleCopy);
    QTemporaryDir notes;
    QString told;
    whenShown<QFileDialog>([&notes, &told](QFileDialog *dialog) {
        whenShown<QMessageBox>([&told](QMessageBox *message) {
            told = message->text();
            message->accept();
        });
        typePath(dialog, notes.path());
    });
    boardKey(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    const QString vault = notes.path() + u'/' + Module1::DungeonOnDisplay->description().title;
    QCOMPARE(QDir(vault).entryList({QStringLiteral("*.md")}).size(), 15);
    QVERIFY2(told.contains(QStringLiteral("14 encounter note")), qPrintable(told));
}

QTEST_MAIN(tst_ExchangeWindow)
#include "tst_exchangewindow.moc"
