#pragma once
// Load Files: choose the executable, recognise its edition and read the four game files.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/GameEdition.h"
#include "core/Prompts.h"
#include "files/FileSystem.h"
#include "files/GameFileSet.h"
#include "files/GameLock.h"
#include "files/LoadProgress.h"

namespace orvane {

// A routine the load runs under its own step line.
struct LoadStep {
    std::string line;
    std::function<void()> run;
};

// What the window does at the named moments of a load, in the order the load calls them.
struct LoadCalls {
    std::function<void(GameEdition)> editionRecognised; // shows the edition text
    std::function<void()> enableAll;
    std::vector<LoadStep> exeAccepted;    // the pages' routines, run once the executable is accepted
    std::function<void(FileId)> fileRead; // a file's bytes have just replaced its image in the set
    // The load stopped at `file`: `reason` is the failure the step line shows, or empty when something
    // is there that cannot be read and the step line keeps the step under way.
    std::function<void(FileId file, const std::string& reason)> stopped;
    // One line for the user: an earlier write of this game was cut off and has been finished.
    std::function<void(const std::string&)> notice;
};

enum class LoadResult { Cancelled, Failed, Complete };

inline constexpr const char* AllFilesLoadedText = "All files loaded successfully!";
// The load's words for an executable whose length is none of the three editions'.
inline constexpr std::string_view WrongExecutableText = "Not correct executable file version.";
// The title of the box that shows LoadCalls::notice.
inline constexpr const char* InterruptedSaveTitle = "Interrupted save";

// Runs the load up to "All files loaded successfully!" and the OK button. What a complete load
// does to the pages afterwards (lists, undo stack, title) is the caller's. The files are read under
// the game's lock, so never half-way through another program's write; a caller that holds the lock
// already (to write right after) passes it.
LoadResult loadGameFiles(GameFileSet& files, FileSystem& fs, Prompts& prompts, LoadProgress& progress,
                         const LoadCalls& calls, const GameLock* heldLock = nullptr);

// The same load with nobody to ask: the executable's path, given beforehand, answers the open dialog
// (the command-line tool, and programs that load a game by themselves).
LoadResult loadGameFilesAt(const std::string& exePath, GameFileSet& files, FileSystem& fs, LoadProgress& progress,
                           const LoadCalls& calls, const GameLock* heldLock = nullptr);

// The load of a program that writes nothing (orvane's info, export, diff, a dry run). Beside a game
// that has a lock file it is loadGameFilesAt, under the lock. Beside one that has none it makes none:
// a writer makes the lock file before it writes and it stays, so when there is still none after the
// files were read, no writer came between, and the files read are whole; when there is one by then,
// they are read again under the lock.
LoadResult readGameFilesAt(const std::string& exePath, GameFileSet& files, FileSystem& fs, LoadProgress& progress,
                           const LoadCalls& calls);

// The game's executable inside a game folder (QEV.EXE, GEOSCAPE.EXE, or QEVEXE/GEOSCAPE.EXE for a DOS
// edition's folder), found without regard to case; empty when the folder holds none.
std::string findGameExecutable(FileSystem& fs, const std::string& folder);

} // namespace orvane
