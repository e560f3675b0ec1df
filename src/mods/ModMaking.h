#pragma once
// Making mods: the whole game, the changes since the files were loaded, or the values in which one
// game differs from another, possibly of another edition.
#include <string>
#include <vector>

#include "files/GameFileSet.h"
#include "mods/ModDocument.h"

namespace orvane::mods {

struct MadeMod {
    ModDocument mod;
    // Changes that a mod cannot carry (bytes no page shows, strings added or removed at the end of a
    // file), one line each in the user's words; empty when the mod carries everything.
    std::vector<std::string> leftOut;
};

// Every value of every page: applied to the same game it changes nothing.
MadeMod exportGame(const GameFileSet& game);

// The values the change list shows as changed since the files were loaded (images against their
// as-read copies), with their new values.
MadeMod exportChanges(const GameFileSet& files);

// How the messages of a diff name its two games.
struct GameNames {
    std::string before = "the base game";
    std::string after = "the modded game";
};

// The values of `modded` that differ from those of `base`; applied to `base` it gives it those values.
// What it leaves out is told in a line each: the strings only one game holds, per file, and, for two
// games of one edition, the bytes no page shows that differ, counted.
MadeMod diffGames(const GameFileSet& base, const GameFileSet& modded, const GameNames& names = {});

} // namespace orvane::mods
