#pragma once

#include <optional>

// How the board starts.
struct StartOptions
{
    bool playerView = false; // --player-view: the players' screen opens too
};

// Handles the options that end the program before any window opens:
// --help, --version, --export-pdf FILE, and a command line in error. The
// exit code when one of them was given; nothing when the board should start,
// as `options` then says.
std::optional<int> runCommandLine(int &argc, char **argv, StartOptions *options);
