#pragma once

class QString;

// Where the Dungeons folder lives. A Dungeons folder beside the executable
// (a portable copy, a build) is used where it stands; an installed program
// cannot write beside itself, so it keeps the dungeons in the user's data
// folder and puts the installed sample adventure there on the first start.
namespace DataFolder {

// The folder that holds (or will hold) the Dungeons folder.
QString chosen(const QString &programFolder, const QString &userFolder);

// Returns chosen() after giving the user's folder the sample adventure as
// its Dungeon1 when it has none. A Dungeon1 already there is never touched;
// a copy that fails leaves nothing behind and the program runs without it.
QString prepare(const QString &programFolder, const QString &userFolder, const QString &sampleAdventure);

// The user's data folder of this program, ~/.local/share/dungeon-board.
QString userFolder();

// The sample adventure of an installed program, found relative to the
// executable (<prefix>/bin/../share/dungeon-board/Dungeon1), so that any
// prefix works.
QString installedSampleAdventure(const QString &programFolder);

// Prepares the folder for this process and hands it to storage. Needs the
// application object.
void settle();

} // namespace DataFolder
