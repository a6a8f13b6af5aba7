#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;

namespace Storage {

// Follows a file that another copy of the program may write: says when it
// may have changed. The folder is watched as well as the file, since every
// write replaces the file and the folder sees the new one arrive; either may
// exist only from the first write on.
class FileFollower : public QObject
{
    Q_OBJECT

public:
    FileFollower(const QString &path, QObject *parent);

    // Watches what a write of this copy's replaced.
    void watch();

signals:
    void mayHaveChanged();

private:
    QString m_path;
    QFileSystemWatcher *m_watcher;
};

} // namespace Storage
