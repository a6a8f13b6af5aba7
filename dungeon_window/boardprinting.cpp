#include "boardprinting.h"

#include "booklet/booklet.h"
#include "kit/module1.h"

#include <QLocale>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QTextDocument>

namespace {

using BookletBuilder = std::function<std::unique_ptr<QTextDocument>()>;

// The booklet is built only once the dialog is accepted: a cancelled dialog
// costs nothing and prints nothing. The document's name is the file name the
// dialog suggests for printing to a file.
void printThroughDialog(QWidget *window, const QString &documentName, const BookletBuilder &build)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(Booklet::pageSizeFor(QLocale()));
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Booklet::print(build().get(), &printer);
}

} // namespace

void setupPrintShortcuts(QWidget *window, std::function<QString()> numberOnDisplay)
{
    auto printEncounter = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), window);
    QObject::connect(printEncounter, &QShortcut::activated, window, [window, numberOnDisplay] {
        const QString numberText = numberOnDisplay();
        if (numberText.isEmpty())
            return;
        printThroughDialog(window, Booklet::encounterHeading(numberText), [numberText] {
            return Booklet::encounterBooklet(Storage::programFolder(), Module1::DungeonNumber, numberText);
        });
    });

    auto printDungeon = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), window);
    QObject::connect(printDungeon, &QShortcut::activated, window, [window] {
        printThroughDialog(window, Booklet::dungeonTitle(Module1::DungeonNumber), [] {
            return Booklet::dungeonBooklet(Storage::programFolder(), Module1::DungeonNumber);
        });
    });
}
