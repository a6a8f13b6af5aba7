#include "dungeonchoice.h"

#include "dungeonexchange.h"
#include "opendungeondialog.h"

#include "current/currentdungeon.h"
#include "dungeon/dungeondescription.h"
#include "dungeon/mappicture.h"
#include "import/mapimport.h"
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

QString DungeonChoice::newDungeonFilters()
{
    const QString pictures = mapPictureFilter();
    const QString picturePatterns = pictures.mid(pictures.indexOf(u'(') + 1).chopped(1);
    const QString mapFiles = Import::mapFilePatterns().join(u' ');
    return tr("Maps (%1 %2)").arg(picturePatterns, mapFiles) + QStringLiteral(";;") + pictures
           + QStringLiteral(";;") + tr("Universal VTT files and one-page dungeons (%1)").arg(mapFiles);
}

void DungeonChoice::newDungeonFromPicture()
{
    const QString file = QFileDialog::getOpenFileName(m_board, tr("New dungeon from a map picture"),
                                                      QString(), newDungeonFilters());
    if (!file.isEmpty())
        newDungeonFrom(file);
}

void DungeonChoice::newDungeonFrom(const QString &file)
{
    const bool isMapFile = Import::isMapFile(file);
    // A picture is checked before anything is typed for it.
    QString error;
    if (!isMapFile && !Dungeon::mapPictureSize(file, &error).isValid()) {
        QMessageBox::warning(m_board, tr("New dungeon"), error);
        return;
    }
    // Asked once the file is known to be usable; a one-page dungeon brings its own.
    const auto askTitle = [this, &file]() -> std::optional<QString> {
        bool accepted = false;
        const QString title = QInputDialog::getText(m_board, tr("New dungeon"), tr("Title of the dungeon:"),
                                                    QLineEdit::Normal, QFileInfo(file).completeBaseName(), &accepted);
        return accepted ? std::optional(title) : std::nullopt;
    };
    int number = 0;
    if (isMapFile) {
        const Import::ImportResult imported = Import::importMapFile(
                Storage::programFolder(), file, [&file, &askTitle](const QString &suggested) -> std::optional<QString> {
                    return Import::isOnePageDungeon(file) ? std::optional(suggested) : askTitle();
                });
        if (imported.error.isEmpty() && !imported.ok())
            return; // no title given
        number = imported.number;
        error = imported.error;
        if (const QString notice = Import::leftOutNotice(imported); imported.ok() && !notice.isEmpty())
            QMessageBox::information(m_board, tr("New dungeon"), notice);
    } else {
        const std::optional<QString> title = askTitle();
        if (!title)
            return;
        number = Dungeon::createDungeon(Storage::programFolder(), file, *title, &error);
    }
    if (number == 0) {
        QMessageBox::warning(m_board, tr("New dungeon"), error);
        return;
    }
    emit chosen(number, true);
}
