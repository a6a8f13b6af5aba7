#include "dungeonchoice.h"

#include "dungeonexchange.h"
#include "opendungeondialog.h"

#include "current/currentdungeon.h"
#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "storage/encounterfiles.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QMessageBox>

DungeonChoice::DungeonChoice(QWidget *board, CurrentDungeon *dungeon, QObject *parent)
    : QObject(parent), m_board(board), m_dungeon(dungeon)
{
}

void DungeonChoice::chooseDungeon(int onDisplay)
{
    // The dungeon on display takes its new title itself, so that a later
    // save of its spots keeps it.
    const auto retitle = [this](int number, const QString &title) {
        if (number == m_dungeon->number()) {
            Dungeon::DungeonDescription description = m_dungeon->description();
            description.title = title;
            return m_dungeon->changeDescription(description);
        }
        const QString folder = Storage::dungeonFolder(Storage::programFolder(), qint16(number));
        Dungeon::DungeonDescription description = Dungeon::readDungeonDescription(folder).description;
        description.title = title;
        return Dungeon::writeDungeonDescription(folder, description);
    };
    OpenDungeonDialog dialog(Storage::programFolder(), onDisplay, retitle, &DungeonExchange::importDungeon, m_board);
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
