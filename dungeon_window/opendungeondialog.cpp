#include "opendungeondialog.h"

#include "assets/pictures.h"
#include "dungeon/dungeondescription.h"
#include "storage/encounterfiles.h"
#include "dungeon/mappicture.h"
#include "encounterindex.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize ThumbnailSize(48, 64);

QListWidgetItem *dungeonItem(const QString &programFolder, int number)
{
    const QString folder = Storage::dungeonFolder(programFolder, qint16(number));
    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(folder);
    QImage thumbnail;
    if (read.ok() && read.description.hasOwnMap())
        thumbnail = Dungeon::readMapPicture(Dungeon::mapPath(folder, read.description), ThumbnailSize).image;
    if (thumbnail.isNull())
        thumbnail = dungeonMapPicture().scaled(ThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    EncounterIndex encounters(programFolder, qint16(number));
    encounters.refresh();
    const QString title = !read.ok() ? OpenDungeonDialog::tr("(its description cannot be read)")
                                     : read.description.title;
    auto item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)),
                                    OpenDungeonDialog::tr("Dungeon %1  %2\n%n encounter(s) hold something", nullptr,
                                                          encounters.filledCount())
                                            .arg(QString::number(number), title));
    item->setData(Qt::UserRole, number);
    return item;
}

} // namespace

OpenDungeonDialog::OpenDungeonDialog(const QString &programFolder, int dungeonOnDisplay, Retitle retitle,
                                     Import import, QWidget *parent)
    : QDialog(parent), m_programFolder(programFolder), m_retitle(std::move(retitle)), m_import(std::move(import)),
      m_dungeonList(new QListWidget(this))
{
    setWindowTitle(tr("Open dungeon"));
    m_dungeonList->setObjectName(QStringLiteral("dungeonList"));
    m_dungeonList->setAccessibleName(tr("Dungeons"));
    m_dungeonList->setIconSize(ThumbnailSize);
    for (int number : Dungeon::dungeonNumbers(programFolder)) {
        m_dungeonList->addItem(dungeonItem(programFolder, number));
        if (number == dungeonOnDisplay)
            m_dungeonList->setCurrentRow(m_dungeonList->count() - 1);
    }
    if (!m_dungeonList->currentItem())
        m_dungeonList->setCurrentRow(0);
    connect(m_dungeonList, &QListWidget::itemActivated, this, &QDialog::accept);
    m_dungeonList->installEventFilter(this);

    auto buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    QPushButton *placeSpots = buttons->addButton(tr("Place spots"), QDialogButtonBox::ActionRole);
    placeSpots->setObjectName(QStringLiteral("placeSpots"));
    connect(placeSpots, &QPushButton::clicked, this, [this] {
        m_placeSpots = true;
        accept();
    });
    QPushButton *importButton = buttons->addButton(tr("Import dungeon…"), QDialogButtonBox::ActionRole);
    importButton->setObjectName(QStringLiteral("importDungeon"));
    connect(importButton, &QPushButton::clicked, this, [this] {
        if ((m_imported = m_import(this)) != 0)
            accept();
    });
    for (QPushButton *button : {buttons->button(QDialogButtonBox::Open), placeSpots})
        button->setEnabled(m_dungeonList->count() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(m_dungeonList);
    layout->addWidget(buttons);
    resize(360, 420);
}

bool OpenDungeonDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dungeonList && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2) {
        retitleChosen();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OpenDungeonDialog::retitleChosen()
{
    const int number = chosenDungeon();
    if (number == 0)
        return;
    const QString folder = Storage::dungeonFolder(m_programFolder, qint16(number));
    const Dungeon::DescriptionRead read = Dungeon::readDungeonDescription(folder);
    const QString caption = tr("Title of dungeon %1").arg(number);
    if (!read.ok()) {
        QMessageBox::warning(this, caption, tr("The dungeon's description cannot be read, so its title is "
                                               "left as it is. Mend it by hand first.\n\n%1").arg(read.error));
        return;
    }
    bool accepted = false;
    const QString title = QInputDialog::getText(this, caption, tr("Title:"), QLineEdit::Normal,
                                                read.description.title, &accepted);
    if (!accepted || title == read.description.title)
        return;
    if (const QString error = m_retitle(number, title); !error.isEmpty()) {
        QMessageBox::warning(this, caption, error);
        return;
    }
    const int row = m_dungeonList->currentRow();
    delete m_dungeonList->takeItem(row);
    m_dungeonList->insertItem(row, dungeonItem(m_programFolder, number));
    m_dungeonList->setCurrentRow(row);
}

int OpenDungeonDialog::chosenDungeon() const
{
    if (m_imported != 0)
        return m_imported;
    const QListWidgetItem *item = m_dungeonList->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}
