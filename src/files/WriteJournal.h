#pragma once
// The journal of a game write: what is to be renamed over what, with the length and checksum of
// each new file. It is on disk, flushed, before the first rename and removed after the last, so a
// process that finds one knows a write was cut off and how to finish it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct JournalEntry {
    std::string temporary; // empty: the target is to be removed (it did not exist before an undone write)
    std::string target;
    std::uint64_t length = 0;
    std::uint64_t checksum = 0;
    bool operator==(const JournalEntry&) const = default;
};

std::string formatJournal(const std::vector<JournalEntry>& entries);

// The entries of a journal that is whole: its closing line names their number and the checksum of
// all before it. Nothing for one that was cut off or is not a journal.
std::optional<std::vector<JournalEntry>> parseJournal(const std::string& text);

// The temporary files a journal names, whole or not: what to remove when it cannot be finished.
std::vector<std::string> temporariesNamedIn(const std::string& text);

} // namespace orvane
