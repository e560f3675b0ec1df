#pragma once
// The JSON Schema of the mod format, made from the same field descriptions the pages and the mod
// reader use: every table, key, type, range and option, the game's characters for every text, with each
// field's label as its description. A TOML language server given it (a "#:schema" line at the top of a
// mod) completes and checks a mod while it is typed. What it cannot say (the count of a string file's
// strings, a value equal to the game's own) is checked when the mod is applied.
#include <string>

namespace orvane::mods {

// The schema as JSON text (JSON Schema draft 4), ending with a line break.
std::string modSchema();

} // namespace orvane::mods
