#include "../filetesting.h"
#include "../formtesting.h"

#include "encounterfiles.h"
#include "frmeditabledungeon1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPrintDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

// Ctrl+P and Ctrl+Shift+P on the board, through the print dialog, printing
// to a PDF file as the dialog offers.
class tst_BoardPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void print_data();
    void print();

private:
    QString dungeons() const { return Storage::programFolder() + QStringLiteral("/Dungeons"); }
};

void tst_BoardPrinting::initTestCase()
{
    QDir(dungeons()).removeRecursively();
    for (int number : {2, 7}) {
        const auto files = Storage::encounterFiles(Storage::programFolder(), 1, QString::number(number));
        QVERIFY(QDir().mkpath(files.dungeonFolder));
        Storage::Cells cells;
        cells[0] = QStringLiteral("Bat of room %1").arg(number);
        putFile(files.tableFile, Storage::encodeTable(cells));
    }
    frmEditableDungeon1::instance().Show();
    QVERIFY(QTest::qWaitForWindowExposed(frmEditableDungeon1::instance().window()));
}

void tst_BoardPrinting::cleanupTestCase()
{
    QDir(dungeons()).removeRecursively();
}

void tst_BoardPrinting::print_data()
{
    QTest::addColumn<int>("spot"); // clicked first; 0 for none
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("printed"); // in this order; empty when nothing may be printed
    QTest::addColumn<QString>("absent");
    const Qt::KeyboardModifiers control = Qt::ControlModifier;
    QTest::newRow("Ctrl+P, encounter 7 on display")
            << 7 << control << true << QStringList{"Encounter 7", "Monster Name", "Bat of room 7", "Page 1"}
            << "Encounter 2";
    QTest::newRow("Ctrl+Shift+P, the whole dungeon")
            << 7 << (control | Qt::ShiftModifier) << true
            << QStringList{"Orvane Editable Dungeon 1", "Encounter 2", "Bat of room 2", "Encounter 7", "Page 2"} << "";
    QTest::newRow("Ctrl+P, cancelled") << 7 << control << false << QStringList() << "";
    QTest::newRow("Ctrl+P, no encounter on display") << 0 << control << true << QStringList() << "";
}

void tst_BoardPrinting::print()
{
    QFETCH(int, spot);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, accept);
    QFETCH(QStringList, printed);
    QFETCH(QString, absent);
    QWidget *board = frmEditableDungeon1::instance().window();
    clickControl(control(board, QStringLiteral("cmdClear")));
    if (spot)
        clickControl(control(board, QStringLiteral("lblEncounter%1").arg(spot)));

    board->activateWindow(); // the dialog of the row before had the focus
    QVERIFY(QTest::qWaitForWindowActive(board));

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("printed.pdf"));
    bool dialogShown = false;
    QTimer::singleShot(0, this, [&] {
        auto dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        dialogShown = dialog != nullptr;
        if (!dialog)
            return;
        auto printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        printers->setCurrentIndex(printers->count() - 1); // Print to File (PDF)
        dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf);
        accept ? dialog->accept() : dialog->reject();
    });
    QTest::keyClick(board, Qt::Key_P, modifiers);
    QTest::qWait(20);

    QCOMPARE(dialogShown, spot != 0);
    QCOMPARE(QFile::exists(pdf), !printed.isEmpty());
    if (printed.isEmpty())
        return;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    qsizetype at = 0;
    for (const QString &expected : printed)
        QVERIFY2((at = text.indexOf(expected, at)) >= 0, qPrintable(expected + " not in order in:\n" + text));
    QVERIFY2(absent.isEmpty() || !text.contains(absent), qPrintable(text));
}

QTEST_MAIN(tst_BoardPrinting)
#include "tst_boardprinting.moc"
