#include "savefollower.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

void SaveFollower::follow(const QString &dungeonFolder)
{
    if (!m_watch) {
        m_watch = new QFileSystemWatcher(this);
        auto settled = new QTimer(m_watch);
        settled->setSingleShot(true);
        settled->setInterval(SettlesMs);
        connect(m_watch, &QFileSystemWatcher::directoryChanged, settled, qOverload<>(&QTimer::start));
        connect(settled, &QTimer::timeout, this, &SaveFollower::folderChanged);
    }
    const QStringList watched = m_watch->directories();
    if (watched == QStringList{dungeonFolder})
        return;
    if (!watched.isEmpty())
        m_watch->removePaths(watched);
    if (QFileInfo(dungeonFolder).isDir())
        m_watch->addPath(dungeonFolder);
}
