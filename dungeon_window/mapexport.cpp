#include "mapexport.h"

#include "import/mapimport.h"
#include "storage/encounterfiles.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

MapExport::MapExport(QWidget *board, QObject *parent) : QObject(parent), m_board(board)
{
}

void MapExport::exportUniversalVtt(int dungeonNumber, const QString &title)
{
    const QString name = (title.isEmpty() ? QStringLiteral("Dungeon%1").arg(dungeonNumber) : title)
            + QStringLiteral(".uvtt");
    QString path = QFileDialog::getSaveFileName(m_board, tr("Export as Universal VTT…"),
                                                QDir::home().filePath(name),
                                                tr("Universal VTT files (*.uvtt *.dd2vtt *.df2vtt)"));
    if (path.isEmpty())
        return;
    if (!Import::isMapFile(path))
        path += QStringLiteral(".uvtt");
    const QString error = Import::exportUniversalVtt(Storage::programFolder(), dungeonNumber, path);
    if (!error.isEmpty())
        QMessageBox::warning(m_board, tr("Export as Universal VTT…"), error);
}
