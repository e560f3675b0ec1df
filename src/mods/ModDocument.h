#pragma once
// A mod in memory: the values it sets, record by record, as a mod file holds them. The file's text
// is read and written by mods/ModText.h; docs/MOD-FORMAT.md describes it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane::mods {

// The format this program reads and writes, given in the file's [mod] table.
inline constexpr std::int64_t ModFormat = 1;

// A number written with a decimal point or an exponent (46.0, 5E1, inf), kept as written. A mod's
// numbers are whole, so it is refused wherever it stands, in the words of the field it is given to.
struct DecimalNumber {
    std::string written;
    bool operator==(const DecimalNumber&) const = default;
};

// A value as a mod holds it: a whole number, or a text (UTF-8) for names, strings and option captions;
// a decimal number only on its way to being refused.
using ModValue = std::variant<std::int64_t, std::string, DecimalNumber>;

// The one wording for a number written with a decimal point or an exponent, wherever it stands.
std::string decimalNumberReason(std::string_view written);

struct ModField {
    std::string key;
    ModValue value;
    std::size_t line = 0; // in the mod file; 0 for a value made in memory
    bool operator==(const ModField&) const = default;
};

// One table of a mod file: a record of a section. A section of many records gives each its number as
// the page numbers it, written [[section]]; the starting base's stores are one record, written
// [section] with no number.
struct ModRecord {
    std::string section;
    std::optional<std::int64_t> number;
    std::string name; // how the page names the record, for reading only; empty when not given
    std::vector<ModField> fields;
    std::size_t line = 0;
    std::size_t nameLine = 0; // the line that gives the name; 0 when none is given
    bool operator==(const ModRecord&) const = default;
};

struct ModDocument {
    std::int64_t format = ModFormat;
    std::string edition; // the edition the mod was made on, for information only
    std::vector<ModRecord> records;
};

// Why a mod is refused: where (line, record, field, each when known) and what is wrong.
struct ModRefusal {
    std::size_t line = 0;
    std::string record; // "unit 3 (Floater Engineer)", "base_stores"
    std::string field;  // "time_units"
    std::string reason;

    // "line 12, unit 3 (Floater Engineer), time_units: 256 is above the limit of 255"
    std::string describe() const;
};

// The faults of a refused mod as a list: at most `most`, each on a line of its own after `prefix`, then
// "and N more" when there are more; each line after the first begins with `lead` as well.
std::string describeRefusals(const std::vector<ModRefusal>& refusals, std::size_t most, const std::string& prefix = {},
                             const std::string& lead = {});

// The faults of a mod in the order of their lines (stable for faults of one line).
void sortByLine(std::vector<ModRefusal>& refusals);

// The known key nearest to `wanted`, when one is near enough to be a slip of the keyboard
// ("time_unit" for "time_units"); empty when none is.
std::string nearestKey(std::string_view wanted, const std::vector<std::string_view>& known);

} // namespace orvane::mods
