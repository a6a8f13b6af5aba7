#include "tests/support/filetesting.h"
#include "tests/support/formtesting.h"
#include "app/startup.h"

#include "storage/filesteps.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

// Ctrl+P and Ctrl+Shift+P on the board, printing to a PDF file as the print
// dialog offers.
class tst_BoardPrinting : public QObject
{
    Q_OBJECT

    const QString m_dungeons = Storage::programFolder() + QStringLiteral("/Dungeons");

private slots:
    void initTestCase()
    {
        QDir(m_dungeons).removeRecursively();
        QVERIFY(QDir().mkpath(m_dungeons + "/Dungeon1"));
        for (const char *number : {"2", "7"})
            putFile(m_dungeons + "/Dungeon1/" + number + ".Encounter", Storage::encodeTable({"Bat of room " + QString(number)}));
        startDungeonBoard();
        QVERIFY(showBoard());
    }

    void cleanupTestCase() { QDir(m_dungeons).removeRecursively(); }

    void print_data()
    {
        QTest::addColumn<int>("spot"); // clicked first; 0 for none
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("printed"); // a pattern; empty when nothing may be printed
        QTest::addColumn<QString>("documentName"); // what printing to a file suggests
        const Qt::KeyboardModifiers control = Qt::ControlModifier;
        QTest::newRow("Ctrl+P, encounter 7 on display") << 7 << control << true << "^ *Encounter 7\\n *Monster Name.*\\n *Bat of room 7\\n[^E]*Page 1\\n\\f$" << "Encounter 7";
        QTest::newRow("Ctrl+Shift+P, the whole dungeon")
                << 7 << (control | Qt::ShiftModifier) << true << "Dungeon 1.*Page 1.*Encounter 2.*Bat of room 2.*Encounter 7.*Bat of room 7.*Page 2"
                << "Orvane Editable Dungeon 1";
        QTest::newRow("Ctrl+P, cancelled") << 7 << control << false << "" << "Encounter 7";
        QTest::newRow("Ctrl+P, no encounter on display") << 0 << control << true << "" << "";
    }

    void print()
    {
        QFETCH(int, spot);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, accept);
        QFETCH(QString, printed);
        QFETCH(QString, documentName);
        QWidget *board = ::board();
        board->activateWindow(); // the dialog of the row before had the focus
        QVERIFY(QTest::qWaitForWindowActive(board));
        clickControl(control(board, QStringLiteral("cmdClear")));
        if (spot)
            clickControl(control(board, QStringLiteral("lblEncounter%1").arg(spot)));

        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("printed.pdf"));
        bool dialogShown = false;
        QTimer::singleShot(0, this, [&] {
            auto dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!(dialogShown = dialog != nullptr))
                return;
            QCOMPARE(dialog->printer()->docName(), documentName);
            auto printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->count() - 1); // Print to File (PDF)
            dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf);
            accept ? dialog->accept() : dialog->reject();
        });
        QTest::keyClick(board, Qt::Key_P, modifiers);
        QTest::qWait(20);

        QCOMPARE(dialogShown, spot != 0);
        QCOMPARE(QFile::exists(pdf), !printed.isEmpty());
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(printed, QRegularExpression::DotMatchesEverythingOption)), qPrintable(text));
    }
};

QTEST_MAIN(tst_BoardPrinting)
#include "tst_boardprinting.moc"
