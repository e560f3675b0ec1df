#pragma once
// The text of a mod file (TOML, format 1): read into a ModDocument, checked for its shape only, and
// written from one. Which sections, keys and values a game accepts is checked when the mod is applied.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mods/ModDocument.h"

namespace orvane::mods {

struct ModReading {
    // The records that could be read, in the order of the file's lines; nothing when the file is not TOML.
    std::optional<ModDocument> mod;
    // Every fault found, in the order of their lines: the mod is refused when there is any.
    std::vector<ModRefusal> refusals;
};

// Reads a mod file, passing over a UTF-8 byte-order mark and normalising every text to NFC. Refused: not
// TOML, no [mod] table, a format other than 1, an unknown edition, a key outside the tables, a table that
// is not a record, a number with a decimal point, or a value neither a whole number nor a text.
ModReading readMod(std::string_view text);
// The same reading by toml++ alone; readMod reads plain lines itself and gives anything else to toml++.
ModReading readModWithToml(std::string_view text);
// Reads plain lines only, handing each record to `each` as it is read and keeping none. Nothing when the
// file holds anything else: then what was handed is thrown away and the file read by readMod.
std::optional<ModReading> readPlainMod(std::string_view text, const std::function<void(const ModRecord&)>& each);

// The text of a mod: [mod], then a table per record, its number and name first, a value per line.
std::string writeMod(const ModDocument& mod);

// A value as a mod file writes it: 12, or "text" in double quotes with TOML's escapes.
std::string valueText(const ModValue& value);

} // namespace orvane::mods
