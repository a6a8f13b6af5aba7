#include "dungeonchoice.h"

#include "opendungeondialog.h"

#include "dungeon/dungeondescription.h"
#include "storage/encounterfiles.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QMessageBox>

DungeonChoice::DungeonChoice(QWidget *board, QObject *parent) : QObject(parent), m_board(board)
{
}

void DungeonChoice::chooseDungeon(int onDisplay)
{
    OpenDungeonDialog dialog(Storage::programFolder(), onDisplay, m_board);
    if (dialog.exec() == QDialog::Accepted && dialog.chosenDungeon() != 0)
        emit chosen(dialog.chosenDungeon(), dialog.placeSpots());
}

void DungeonChoice::newDungeonFromPicture()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString picture = QFileDialog::getOpenFileName(
            m_board, tr("New dungeon from a map picture"), QString(),
            tr("Pictures (%1)").arg(patterns.join(u' ')));
    if (picture.isEmpty())
        return;
    bool accepted = false;
    const QString title = QInputDialog::getText(m_board, tr("New dungeon"), tr("Title of the dungeon:"),
                                                QLineEdit::Normal, QFileInfo(picture).completeBaseName(),
                                                &accepted);
    if (!accepted)
        return;
    QString error;
    const int number = Dungeon::createDungeon(Storage::programFolder(), picture, title, &error);
    if (number == 0) {
        QMessageBox::warning(m_board, tr("New dungeon"), error);
        return;
    }
    emit chosen(number, true);
}
