#pragma once
// The text of a mod file (TOML, format 1): read into a ModDocument, checked for its shape only, and
// written from one. Which sections, keys and values a game accepts is checked when the mod is applied.
#include <optional>
#include <string>
#include <string_view>

#include "mods/ModDocument.h"

namespace orvane::mods {

struct ModReading {
    std::optional<ModDocument> mod; // its records in the order of the file's lines
    std::optional<ModRefusal> refusal;
};

// Reads a mod file. Refused: text that is not TOML, no [mod] table or a format other than 1, a key
// outside the tables, a table that is not a record ([section] or [[section]] with its number), or a
// value that is neither a whole number nor a text.
ModReading readMod(std::string_view text);

// The text of a mod: the [mod] table, then one table per record in the document's order, its number
// and name first, each value on a line of its own.
std::string writeMod(const ModDocument& mod);

// A value as a mod file writes it: 12, or "text" in double quotes with TOML's escapes.
std::string valueText(const ModValue& value);

} // namespace orvane::mods
