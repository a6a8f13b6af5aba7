#pragma once

#include <QString>

// A new dungeon is built whole in a folder of its own before it gets its
// DungeonN name: no copy of the program ever sees it half made, and a
// failure removes only that folder.
namespace Dungeon {

// A folder of the Dungeons folder that this object alone made, under a name
// no dungeon has; removed again with everything in it unless it is claimed.
class NewFolder
{
public:
    // Makes <programFolder>/Dungeons where missing; path() is empty when
    // the folder cannot be made.
    explicit NewFolder(const QString &programFolder);
    ~NewFolder();
    NewFolder(const NewFolder &) = delete;
    NewFolder &operator=(const NewFolder &) = delete;

    QString path() const { return m_path; }

    // Gives the folder the name of the smallest free DungeonN; another copy
    // of the program may take a number first, so the next one is tried.
    // Returns the number, or 0 with the reason in `error`.
    int claimFreeNumber(QString *error);

private:
    QString m_programFolder;
    QString m_path;
};

} // namespace Dungeon
