#include "datafolder.h"

#include "storage/encounterfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace DataFolder {

namespace {

// A dangling link named Dungeon1 is the user's too.
bool present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString chosen(const QString &programFolder, const QString &userFolder)
{
    return present(programFolder + QStringLiteral("/Dungeons")) ? programFolder : userFolder;
}

QString prepare(const QString &programFolder, const QString &userFolder, const QString &sampleAdventure)
{
    const QString folder = chosen(programFolder, userFolder);
    const QString dungeon1 = folder + QStringLiteral("/Dungeons/Dungeon1");
    if (folder != userFolder || present(dungeon1) || !QFileInfo(sampleAdventure).isDir())
        return folder;

    // Copied under another name and renamed when whole, so that a copy cut
    // short is never taken for the user's own Dungeon1.
    namespace fs = std::filesystem;
    const fs::path target(QFile::encodeName(dungeon1).toStdString());
    const fs::path partial(QFile::encodeName(dungeon1 + QStringLiteral(".partial")).toStdString());
    std::error_code error;
    fs::remove_all(partial, error);
    fs::create_directories(partial.parent_path(), error);
    fs::copy(QFile::encodeName(sampleAdventure).toStdString(), partial, fs::copy_options::recursive, error);
    if (!error)
        fs::rename(partial, target, error);
    if (error)
        fs::remove_all(partial, error);
    return folder;
}

QString userFolder()
{
    // Named here rather than through the application's name, which is the
    // one the windows show ("Dungeon Board").
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/dungeon-board");
}

QString installedSampleAdventure(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/dungeon-board/Dungeon1"));
}

void settle()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    Storage::useProgramFolder(prepare(programFolder, userFolder(), installedSampleAdventure(programFolder)));
}

} // namespace DataFolder
