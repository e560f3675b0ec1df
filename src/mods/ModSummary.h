#pragma once
// What applying mods did, in one line: the command-line tool and the editor end an application with it.
#include <cstddef>
#include <string>

namespace orvane::mods {

// "3 values changed in 2 files", "1 value changed in 1 file"; "nothing to change" when no value changed.
// With `wouldChange` (a dry run): "3 values would change in 2 files".
std::string describeChanges(std::size_t values, std::size_t files, bool wouldChange = false);

// "1,234,567": a count as the messages write it, its thousands apart.
std::string groupedNumber(std::size_t number);

} // namespace orvane::mods
