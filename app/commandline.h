#pragma once

#include <QString>

#include <optional>

struct CommandLine
{
    // Set when the program ends before any window opens: --help, --version,
    // --export-pdf FILE, --export-uvtt FILE, --export-dungeon FILE,
    // --export-markdown FOLDER, --dungeons-folder or a command line in error.
    std::optional<int> exitCode;
    // The dungeon to show or export, from --dungeon N.
    int dungeonNumber = 1;
    bool playerView = false; // --player-view: the players' screen opens too
    bool resume = false;     // --resume: back where the game master left off
    QString importFile;      // --import FILE: a new dungeon made from a map file, its spots then placed
    // A dungeon archive given as the argument (a double-click in the file
    // manager): imported as a new dungeon, which then opens.
    QString archiveToImport;
};

CommandLine runCommandLine(int &argc, char **argv);
