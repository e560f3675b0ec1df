#pragma once
// Loading a game with no window: the executable's path, given on the command line, is the open dialog's
// answer, and nothing is ever asked.
#include <string>

#include "files/FileSystem.h"
#include "files/GameFileSet.h"

namespace orvane::cli {

// The four files of the game whose executable is `exePath`; refused with the load's own reason when
// the load stops.
GameFileSet loadGame(const std::string& exePath, FileSystem& fs);

} // namespace orvane::cli
