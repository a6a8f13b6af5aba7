#include "dungeonexchange.h"

#include "current/currentdungeon.h"
#include "exchange/dungeonarchive.h"
#include "markdown/markdownvault.h"
#include "storage/encounterfiles.h"
#include "storage/portablefilename.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <optional>

namespace {

QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

// What goes with the dungeon besides its map and encounters; nothing when
// the game master cancels.
std::optional<Exchange::ExportChoices> askWhatGoesWith(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(DungeonExchange::tr("Export dungeon"));
    auto revealed = new QCheckBox(DungeonExchange::tr("The rooms revealed to the players"), &dialog);
    revealed->setObjectName(QStringLiteral("revealedRooms"));
    auto fight = new QCheckBox(DungeonExchange::tr("The fight"), &dialog);
    fight->setObjectName(QStringLiteral("fight"));
    auto buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto layout = new QVBoxLayout(&dialog);
    layout->addWidget(revealed);
    layout->addWidget(fight);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Exchange::ExportChoices{revealed->isChecked(), fight->isChecked()};
}

QString dungeonFilter()
{
    return DungeonExchange::tr("Dungeons (*.%1)").arg(QLatin1String(Exchange::ArchiveSuffix));
}

} // namespace

DungeonExchange::DungeonExchange(QWidget *board, CurrentDungeon *dungeon, QObject *parent)
    : QObject(parent), m_board(board), m_dungeon(dungeon)
{
}

void DungeonExchange::exportDungeon()
{
    const std::optional<Exchange::ExportChoices> choices = askWhatGoesWith(m_board);
    if (!choices)
        return;
    const QString suggested = startFolder() + u'/'
            + Exchange::archiveFileName(m_dungeon->description().title, m_dungeon->number());
    QString path = QFileDialog::getSaveFileName(m_board, tr("Export dungeon"), suggested, dungeonFilter());
    if (path.isEmpty())
        return;
    const QString suffix = u'.' + QLatin1String(Exchange::ArchiveSuffix);
    if (!path.endsWith(suffix))
        path += suffix;
    if (const QString error = Exchange::exportDungeon(m_dungeon->folder(), path, *choices); !error.isEmpty())
        QMessageBox::warning(m_board, tr("Export dungeon"), error);
}

void DungeonExchange::exportMarkdown()
{
    const QString parent = QFileDialog::getExistingDirectory(m_board, tr("Export as Markdown"), startFolder());
    if (parent.isEmpty())
        return;
    // A folder of its own, so the notes never spill among other files.
    const QString title = m_dungeon->description().title;
    const QString vault = parent + u'/'
            + Storage::portableFileName(title, tr("Dungeon %1").arg(m_dungeon->number()));
    const MarkdownVault::Written written =
            MarkdownVault::exportVault(Storage::programFolder(), m_dungeon->number(), vault);
    if (!written.ok()) {
        QMessageBox::warning(m_board, tr("Export as Markdown"), written.error);
        return;
    }
    QMessageBox::information(m_board, tr("Export as Markdown"),
                             tr("%n encounter note(s) and the index %1 are in %2.", nullptr, written.encounterNotes)
                                     .arg(written.indexNote, QDir::toNativeSeparators(vault)));
}

int DungeonExchange::importDungeon(QWidget *parent)
{
    const QString path = QFileDialog::getOpenFileName(parent, tr("Import dungeon"), startFolder(), dungeonFilter());
    if (path.isEmpty())
        return 0;
    const Exchange::ImportResult imported = Exchange::importDungeon(Storage::programFolder(), path);
    if (!imported.ok())
        QMessageBox::warning(parent, tr("Import dungeon"), imported.error);
    return imported.number;
}
