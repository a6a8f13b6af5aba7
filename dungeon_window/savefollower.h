#pragma once

#include <QObject>
#include <QPointer>

class QFileSystemWatcher;

// Tells when the files of a dungeon folder change, once a burst of changes
// has settled, since one save makes several. Another copy of the program
// sharing the folder may save the encounter on display.
class SaveFollower : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Follows this folder from now on; a folder not made yet is followed
    // from the next call on.
    void follow(const QString &dungeonFolder);

signals:
    void folderChanged();

private:
    static constexpr int SettlesMs = 50;
    QPointer<QFileSystemWatcher> m_watch; // made on first use, so that it costs the start nothing
};
