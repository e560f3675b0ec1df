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

// Reads a mod file; a UTF-8 byte-order mark before it is passed over, and every text is normalised to
// composed form (NFC). Refused: text that is not TOML, no [mod] table, a format other than 1, an edition
// other than the three, a key outside the tables, a table that is not a record ([section] or [[section]]
// with its number), a number written with a decimal point, or a value that is neither a whole number
// nor a text.
ModReading readMod(std::string_view text);
// The same reading by toml++ alone: readMod reads the plain lines most mods are made of itself, in one
// pass, and gives anything else to toml++; both give the same mod and faults (the tests and the fuzz
// target compare them).
ModReading readModWithToml(std::string_view text);
// Reads a file of plain lines only, handing each record to `each` as soon as it is read, in the order
// of the file, and keeping none; the reading's mod holds no records. Nothing when the file holds
// anything else: then what was handed is to be thrown away and the file read by readMod.
std::optional<ModReading> readPlainMod(std::string_view text, const std::function<void(const ModRecord&)>& each);

// The text of a mod: the [mod] table, then one table per record in the document's order, its number
// and name first, each value on a line of its own.
std::string writeMod(const ModDocument& mod);

// A value as a mod file writes it: 12, or "text" in double quotes with TOML's escapes.
std::string valueText(const ModValue& value);

} // namespace orvane::mods
