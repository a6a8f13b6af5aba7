#pragma once

class Form;
struct CommandLine;

// Sets the running application up as the program needs it and gives Module1
// the two windows; returns the dungeon window, not shown. Dungeon 1 on the
// built-in map is the window as it loads, so then the window is not loaded
// yet; any other dungeon, or one with a map of its own, is opened on it.
// The one place that knows both windows: main, the benchmarks and the tests
// all start the program through it, after creating the QApplication.
Form &startDungeonBoard(int dungeonNumber = 1);

// Shows the combat tracker when the dungeon has a fight going on, as after a
// crash or a closed program; costs one look for the fight file otherwise.
void resumeFight();

// Brings back where the game master left off, kept in Dungeons/session.json
// within two seconds of each change: the dungeon, the names, the notes, the
// markers and the Combat window. A file that cannot be read is told once
// and left as it is.
void resumeSession();

// Shows the players' screen of the loaded board, as F5 does.
void showPlayerView();

// Starts the program as its command line asks, once the QApplication exists:
// the board shown, a fight going on resumed, and the players' screen when
// asked for.
void startProgram(const CommandLine &commandLine);
