#pragma once

#include <optional>

// Handles the options that end the program before any window opens:
// --help, --version, --export-pdf FILE, --dungeons-folder and a command line in error. The
// exit code when one of them was given; nothing when the board should start.
std::optional<int> runCommandLine(int &argc, char **argv);
