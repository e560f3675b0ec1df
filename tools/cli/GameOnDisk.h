#pragma once
// Loading a game with no window: the executable's path, given on the command line, is the open dialog's
// answer, and nothing is ever asked.
#include <string>

#include "files/FileSystem.h"
#include "files/GameFileSet.h"
#include "files/GameLock.h"

namespace orvane::cli {

// The executable a command line names as a game: the path as given, or, for a game's folder, the
// executable in it; refused for a folder that holds none.
std::string gameExecutable(const std::string& given, FileSystem& fs);

// The four files of the game whose executable is `exePath`; refused with the load's own reason when
// the load stops.
// A write cut off earlier is finished first, and said so on standard error. A command that writes the
// game holds its lock from before the load and passes it; one that writes nothing passes none, and
// makes no lock file where there is none.
GameFileSet loadGame(const std::string& exePath, FileSystem& fs, const GameLock* heldLock = nullptr);

// The game's lock, waited for as every writer waits; refused when another program keeps it.
GameLock lockGame(const std::string& exePath, FileSystem& fs);

// Refuses an output that would be written over a file of one of the games.
void refuseOutputOverGame(const std::string& output, const std::vector<const GameFileSet*>& games, FileSystem& fs);

} // namespace orvane::cli
