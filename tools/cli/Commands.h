#pragma once
// The subcommands of `orvane`, each run on options its parser filled in. A command that cannot do
// its work throws a Refusal and leaves every file as it was.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "Output.h"
#include "files/FileSystem.h"

namespace orvane::cli {

struct Options {
    std::string game;
    std::string modded;             // diff: the game compared with `game`
    std::string output = "-";       // export, diff, make-patch: a file, or "-" for standard output
    std::vector<std::string> files; // apply: mod and patch files, in order
    bool noBackups = false;         // apply
    bool dryRun = false;
    bool quiet = false;                       // -q: errors only
    bool verbose = false;                     // -v: apply lists every value it changed
    std::optional<std::size_t> englishLength; // apply: the split of an ambiguous patch file
    std::string from = "master";              // restore: "master" or "bak"
};

// Edition, and each file's length and path.
void runInfo(const Options& options, FileSystem& fs);
// The complete mod of the game.
void runExport(const Options& options, FileSystem& fs);
// The values in which `modded` differs from `game`.
void runDiff(const Options& options, FileSystem& fs);
// Mod and patch files applied in order, then the game saved as Save saves it; a file "-" is a mod read
// from standard input. Ends with a summary line on standard error.
void runApply(const Options& options, FileSystem& fs);
// The game's files put back from its master copies or its .bak copies.
void runRestore(const Options& options, FileSystem& fs);
// The patch file of the game, as Make Patch Files makes it.
void runMakePatch(const Options& options, FileSystem& fs);
// The JSON Schema of the mod format.
void runSchema(const Options& options, FileSystem& fs);

} // namespace orvane::cli
