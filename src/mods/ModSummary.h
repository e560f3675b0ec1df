#pragma once
// What applying mods did, in one line: the command-line tool and the editor end an application with it.
#include <cstddef>
#include <string>

namespace orvane::mods {

// "3 values changed in 2 files", "1 value changed in 1 file"; "nothing to change" when no file changed,
// though values did on the way (a later mod setting back what an earlier one changed).
// With `wouldChange` (a dry run): "3 values would change in 2 files".
// Bytes no page shows that a patch changed are counted apart, by the places where they differ:
// "2 values and bytes that no page shows at 152 places changed in 1 file".
std::string describeChanges(std::size_t values, std::size_t files, bool wouldChange = false,
                            std::size_t hiddenPlaces = 0);

// "1,234,567": a count as the messages write it, its thousands apart.
std::string groupedNumber(std::size_t number);

} // namespace orvane::mods
