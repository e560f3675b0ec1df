#pragma once
// Applying a mod to a game's images: every value is checked by the pages' rules before anything is written,
// and a refused mod changes nothing. The result is new whole images, one undoable change per file.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ByteImage.h"
#include "files/GameFileSet.h"
#include "mods/ModDocument.h"

namespace orvane::mods {

// A value the mod changed, as the mod writes values.
struct ValueChange {
    std::string record; // "unit 3 (Floater Engineer)"
    std::string field;  // "time_units"
    ModValue before;
    ModValue after;
    std::size_t line = 0;
};

// A value the mod sets, whether or not it changed anything: when two mods set the same value one
// after the other, the later wins.
struct AssignedValue {
    std::string section;
    std::optional<std::int64_t> number;
    std::string field;
    std::size_t line = 0;
    std::string record; // "unit 3 (Floater Engineer)", as the faults name it

    // "unit 3, time_units": the same text for the same value, whichever mod sets it.
    std::string describe() const;
};

struct ModApplication {
    std::optional<ModRefusal> refusal; // the first of the refusals; when set, nothing below is but them
    std::vector<ModRefusal> refusals;  // every fault of a refused mod, in the order of their lines
    // What the mod says that may not be what its writer meant, though it applies: a record's name that
    // names another record. Given whether or not the mod is refused.
    std::vector<ModRefusal> warnings;
    // The new whole image of each file the mod changed, in FileId order; files it leaves as they are
    // are not listed.
    std::vector<std::pair<FileId, ByteImage>> images;
    std::vector<ValueChange> changes;    // in the mod's order (when ApplyDetail::changes)
    std::vector<AssignedValue> assigned; // in the mod's order (when ApplyDetail::assigned)
    std::size_t changeCount = 0;         // the values changed, listed or not
};

// What an application lists besides the new images: a mod of 200,000 strings makes lists of 200,000
// entries, which a caller that needs only the count can do without.
struct ApplyDetail {
    bool changes = true;  // each value changed, before and after
    bool assigned = true; // each value set, for the later-wins warning
};

// Applies a mod to the images of a complete load (the GameFileSet's images, not its as-read copies).
ModApplication applyMod(const GameFileSet& target, const ModDocument& mod, const ApplyDetail& detail = {});
// Reads a mod file's text and applies it; a file that cannot be read is refused as any mod is.
ModApplication applyModText(const GameFileSet& target, std::string_view text, const ApplyDetail& detail = {});

} // namespace orvane::mods
