#include "dungeonchoice.h"

#include "opendungeondialog.h"

#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
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

QString DungeonChoice::mapPictureFilter()
{
    // Pictures that maps are made as; not cursors, icons or bitmaps of one colour.
    static const QList<QByteArray> mapFormats{"png", "jpg", "jpeg", "gif", "bmp", "webp", "tif", "tiff"};
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    QStringList patterns;
    for (const QByteArray &format : mapFormats) {
        if (readable.contains(format))
            patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return tr("Map pictures (%1)").arg(patterns.join(u' '));
}

void DungeonChoice::newDungeonFromPicture()
{
    const QString picture = QFileDialog::getOpenFileName(m_board, tr("New dungeon from a map picture"),
                                                         QString(), mapPictureFilter());
    if (picture.isEmpty())
        return;
    // Checked before anything is typed for it.
    QString error;
    if (!Dungeon::mapPictureSize(picture, &error).isValid()) {
        QMessageBox::warning(m_board, tr("New dungeon"), error);
        return;
    }
    bool accepted = false;
    const QString title = QInputDialog::getText(m_board, tr("New dungeon"), tr("Title of the dungeon:"),
                                                QLineEdit::Normal, QFileInfo(picture).completeBaseName(),
                                                &accepted);
    if (!accepted)
        return;
    const int number = Dungeon::createDungeon(Storage::programFolder(), picture, title, &error);
    if (number == 0) {
        QMessageBox::warning(m_board, tr("New dungeon"), error);
        return;
    }
    emit chosen(number, true);
}
