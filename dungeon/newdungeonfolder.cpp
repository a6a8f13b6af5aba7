#include "newdungeonfolder.h"

#include "dungeondescription.h"

#include "storage/encounterfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

namespace Dungeon {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Dungeon", text);
}

// Gives the folder its final name only when no folder has it: a rename that
// replaced an empty folder could take another copy's new dungeon. errno on
// failure, 0 on success.
int renameNoReplace(const QString &from, const QString &to)
{
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                    QFile::encodeName(to).constData(), RENAME_NOREPLACE) != 0)
        return errno;
    return 0;
}

} // namespace

NewFolder::NewFolder(const QString &programFolder) : m_programFolder(programFolder)
{
    const QString root = programFolder + QStringLiteral("/Dungeons");
    if (!QDir().mkpath(root))
        return;
    for (int attempt = 0; attempt < 100 && m_path.isEmpty(); ++attempt) {
        const QString path = QStringLiteral("%1/.new-dungeon-%2")
                                     .arg(root, QString::number(QRandomGenerator::global()->generate(), 16));
        // mkdir is exclusive, and keeps the umask the other folders get.
        if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
            m_path = path;
        else if (errno != EEXIST)
            break;
    }
}

NewFolder::~NewFolder()
{
    if (!m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

int NewFolder::claimFreeNumber(QString *error)
{
    const QList<int> taken = dungeonNumbers(m_programFolder);
    for (int number = 1; number <= MaxDungeonNumber; ++number) {
        if (taken.contains(number))
            continue;
        const QString name = Storage::dungeonFolder(m_programFolder, qint16(number));
        const int reason = renameNoReplace(m_path, name);
        if (reason == 0) {
            m_path.clear();
            return number;
        }
        if (reason != EEXIST && reason != ENOTEMPTY) {
            *error = tr("Cannot create the folder %1: %2")
                         .arg(QDir::toNativeSeparators(name), QString::fromLocal8Bit(std::strerror(reason)));
            return 0;
        }
    }
    *error = tr("There are %1 dungeons already.").arg(MaxDungeonNumber);
    return 0;
}

} // namespace Dungeon
