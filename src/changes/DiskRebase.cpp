#include "changes/DiskRebase.h"

#include <algorithm>
#include <cstring>

#include "changes/ChangeList.h"
#include "changes/RecordTables.h"
#include "strings/StringTable.h"

namespace orvane::changes {

namespace {

bool sameString(const ByteImage& a, const std::vector<std::size_t>& aStarts, const ByteImage& b,
                const std::vector<std::size_t>& bStarts, std::size_t index)
{
    if (index + 1 >= aStarts.size() || index + 1 >= bStarts.size()) return false;
    const std::size_t length = aStarts[index + 1] - aStarts[index];
    return length == bStarts[index + 1] - bStarts[index] &&
           std::memcmp(a.data() + aStarts[index], b.data() + bStarts[index], length) == 0;
}

void append(ByteImage& out, const ByteImage& from, const std::vector<std::size_t>& starts, std::size_t index)
{
    out.insert(out.end(), from.begin() + static_cast<std::ptrdiff_t>(starts[index]),
               from.begin() + static_cast<std::ptrdiff_t>(starts[index + 1]));
}

// String by string: the file on disk, with each string we changed in place of its own.
Rebased rebaseStrings(FileId file, const ByteImage& asRead, const ByteImage& ours, const ByteImage& onDisk)
{
    std::vector<std::size_t> readStarts, ourStarts, diskStarts;
    strings::findStringStarts(asRead, readStarts);
    strings::findStringStarts(ours, ourStarts);
    strings::findStringStarts(onDisk, diskStarts);
    const std::vector<std::size_t> ourChanges = changedStrings(asRead, readStarts, ours, ourStarts);

    Rebased rebased;
    const std::size_t diskCount = diskStarts.size() - 1;
    std::vector<bool> taken(diskCount, false);
    for (const std::size_t index : ourChanges) {
        const std::string name = std::string(fileCaption(file)) + ", String " + std::to_string(index + 1);
        if (index + 1 >= ourStarts.size() || index >= diskCount) {
            rebased.notPlaced.push_back(name + ": the file on disk has no such string");
            continue;
        }
        taken[index] = true;
        if (!sameString(asRead, readStarts, onDisk, diskStarts, index) &&
            !sameString(ours, ourStarts, onDisk, diskStarts, index)) {
            rebased.bothChanged.push_back(name);
        }
    }
    rebased.image.reserve(std::max(onDisk.size(), ours.size()));
    for (std::size_t index = 0; index < diskCount; ++index) {
        if (taken[index])
            append(rebased.image, ours, ourStarts, index);
        else
            append(rebased.image, onDisk, diskStarts, index);
    }
    rebased.image.insert(rebased.image.end(), onDisk.begin() + static_cast<std::ptrdiff_t>(diskStarts.back()),
                         onDisk.end());
    return rebased;
}

// Byte by byte for what no page shows, then field by field, so a value of two bytes is ours whole.
Rebased rebaseFixed(FileId file, GameEdition edition, const ByteImage& asRead, const ByteImage& ours,
                    const ByteImage& onDisk)
{
    Rebased rebased{onDisk, {}, {}};
    if (asRead.size() != ours.size() || onDisk.size() != asRead.size()) {
        if (asRead != ours) {
            rebased.notPlaced.push_back(std::string(fileCaption(file)) +
                                        ": every change, since the file on disk has another length now");
        }
        return rebased;
    }
    for (std::size_t at = 0; at < ours.size(); ++at) {
        if (ours[at] != asRead[at]) rebased.image[at] = ours[at];
    }
    const auto tables = recordTables(edition);
    const auto theirs = changedFields(tables, file, asRead, onDisk);
    for (const ChangedField& changed : changedFields(tables, file, asRead, ours)) {
        const RecordTable& table = *changed.table;
        const std::size_t recordStart = table.start + table.recordSize * changed.record;
        const std::size_t at = recordStart + changed.field->offset;
        std::copy_n(ours.begin() + static_cast<std::ptrdiff_t>(at), changed.field->width,
                    rebased.image.begin() + static_cast<std::ptrdiff_t>(at));
        const bool bothChanged = std::any_of(theirs.begin(), theirs.end(), [&](const ChangedField& other) {
            return other.table == changed.table && other.record == changed.record && other.field == changed.field;
        });
        const std::string kept = showField(ours, recordStart, changed.record, *changed.field);
        const std::string onDiskValue = showField(onDisk, recordStart, changed.record, *changed.field);
        if (bothChanged && kept != onDiskValue) {
            std::string label = changed.field->label;
            if (label.ends_with(':')) label.pop_back();
            rebased.bothChanged.push_back(std::string(pageCaption(table.page)) + ", " +
                                          table.recordName(ours, table, changed.record) + ", " + label + ": " + kept +
                                          " kept, " + onDiskValue + " on disk");
        }
    }
    return rebased;
}

} // namespace

Rebased rebaseOnDisk(FileId file, GameEdition edition, const ByteImage& asRead, const ByteImage& ours,
                     const ByteImage& onDisk)
{
    if (file == FileId::English || file == FileId::English2) return rebaseStrings(file, asRead, ours, onDisk);
    return rebaseFixed(file, edition, asRead, ours, onDisk);
}

} // namespace orvane::changes
