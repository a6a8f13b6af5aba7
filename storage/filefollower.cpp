#include "filefollower.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace Storage {

FileFollower::FileFollower(const QString &path, QObject *parent)
    : QObject(parent), m_path(path), m_watcher(new QFileSystemWatcher(this))
{
    const auto changed = [this] {
        watch();
        emit mayHaveChanged();
    };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    watch();
}

void FileFollower::watch()
{
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    for (const QString &path : {QFileInfo(m_path).path(), m_path}) {
        if (!watched.contains(path) && QFileInfo::exists(path))
            m_watcher->addPath(path);
    }
}

} // namespace Storage
