#include "changes/ChangeList.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <span>

#include "core/CodePage.h"
#include "strings/StringTable.h"

namespace orvane::changes {

namespace {

constexpr std::size_t MaxRawBytesShown = 16;

// Marks the bytes that some page shows, so what is left over is listed raw.
using Coverage = std::vector<bool>;

bool sameBytes(const ByteImage& a, const ByteImage& b, std::size_t at, std::size_t length)
{
    return std::equal(a.begin() + static_cast<std::ptrdiff_t>(at), a.begin() + static_cast<std::ptrdiff_t>(at + length),
                      b.begin() + static_cast<std::ptrdiff_t>(at));
}

bool tableFits(const RecordTable& table, const ByteImage& before, const ByteImage& after)
{
    const std::size_t length = table.recordSize * table.count;
    return fitsIn(before, table.start, length) && fitsIn(after, table.start, length);
}

void markCovered(const RecordTable& table, Coverage& covered)
{
    for (std::size_t record = 0; record < table.count; ++record) {
        for (const FieldLayout& field : table.fields) {
            const auto at = static_cast<std::ptrdiff_t>(table.start + table.recordSize * record + field.offset);
            std::fill_n(covered.begin() + at, field.width, true);
        }
    }
}

std::string hexBytes(const ByteImage& image, std::size_t from, std::size_t to)
{
    std::string text;
    const std::size_t shownEnd = std::min(to, from + MaxRawBytesShown);
    for (std::size_t at = from; at < shownEnd; ++at) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", image.at(at));
        if (!text.empty()) text += ' ';
        text += hex;
    }
    if (shownEnd < to) text += " ...";
    return text;
}

std::string offsetText(std::size_t offset)
{
    char hex[24];
    std::snprintf(hex, sizeof hex, "%zX", offset);
    return "Offset " + std::to_string(offset) + " (0x" + hex + ")";
}

std::string byteCount(std::size_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

// One row per run of changed bytes that no page shows; a change of length is a row of its own.
void listRawBytes(FileId file, const ByteImage& before, const ByteImage& after, const Coverage& covered,
                  std::vector<Change>& out)
{
    const std::size_t common = std::min(before.size(), after.size());
    std::size_t at = 0;
    while (at < common) {
        if (covered[at] || before[at] == after[at]) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < common && !covered[end] && before[end] != after[end]) ++end;
        out.push_back({std::nullopt, 0, at, fileCaption(file), offsetText(at), byteCount(end - at),
                       hexBytes(before, at, end), hexBytes(after, at, end)});
        at = end;
    }
    if (before.size() != after.size()) {
        out.push_back({std::nullopt, 0, common, fileCaption(file), offsetText(common), "Length",
                       byteCount(before.size()), byteCount(after.size())});
    }
}

std::string stringText(const ByteImage& image, const std::vector<std::size_t>& starts, std::size_t index)
{
    if (index + 1 >= starts.size()) return "(none)";
    std::string text;
    appendGameText(text,
                   std::span<const std::uint8_t>(image).subspan(starts[index], starts[index + 1] - 1 - starts[index]));
    return text;
}

// A string file string by string, as the String Editor numbers them; strings added or removed at the
// end are rows too. Only the strings that differ are decoded, so a file of 100,000 strings stays cheap.
// The bytes after the last zero byte belong to no string and are listed raw.
void listStrings(FileId file, const ByteImage& before, const ByteImage& after, std::vector<Change>& out)
{
    std::vector<std::size_t> beforeStarts;
    std::vector<std::size_t> afterStarts;
    strings::findStringStarts(before, beforeStarts);
    strings::findStringStarts(after, afterStarts);
    for (const std::size_t index : changedStrings(before, beforeStarts, after, afterStarts)) {
        out.push_back({PageId::Strings, file == FileId::English ? 0 : 1, index, pageCaption(PageId::Strings),
                       "String " + std::to_string(index + 1), fileCaption(file),
                       stringText(before, beforeStarts, index), stringText(after, afterStarts, index)});
    }

    const std::size_t beforeEnd = beforeStarts.back();
    const std::size_t afterEnd = afterStarts.back();
    if (beforeEnd == afterEnd) {
        Coverage covered(std::max(before.size(), after.size()), false);
        std::fill_n(covered.begin(), static_cast<std::ptrdiff_t>(afterEnd), true);
        listRawBytes(file, before, after, covered, out);
    } else if (!std::equal(before.begin() + static_cast<std::ptrdiff_t>(beforeEnd), before.end(),
                           after.begin() + static_cast<std::ptrdiff_t>(afterEnd), after.end())) {
        out.push_back({std::nullopt, 0, afterEnd, fileCaption(file), offsetText(afterEnd),
                       "Bytes after the last string", hexBytes(before, beforeEnd, before.size()),
                       hexBytes(after, afterEnd, after.size())});
    }
}

} // namespace

std::vector<ChangedField> changedFields(const std::vector<RecordTable>& tables, FileId file, const ByteImage& before,
                                        const ByteImage& after)
{
    std::vector<ChangedField> changed;
    for (const RecordTable& table : tables) {
        if (table.file != file || !tableFits(table, before, after)) continue;
        for (std::size_t record = 0; record < table.count; ++record) {
            const std::size_t recordStart = table.start + table.recordSize * record;
            for (const FieldLayout& field : table.fields) {
                if (!sameBytes(before, after, recordStart + field.offset, field.width)) {
                    changed.push_back({&table, record, &field});
                }
            }
        }
    }
    return changed;
}

std::vector<std::size_t> changedStrings(const ByteImage& before, const std::vector<std::size_t>& beforeStarts,
                                        const ByteImage& after, const std::vector<std::size_t>& afterStarts)
{
    std::vector<std::size_t> changed;
    const std::size_t common = std::min(beforeStarts.size(), afterStarts.size()) - 1;
    for (std::size_t index = 0; index < common; ++index) {
        const std::size_t length = beforeStarts[index + 1] - beforeStarts[index];
        const bool same =
            length == afterStarts[index + 1] - afterStarts[index] &&
            std::memcmp(before.data() + beforeStarts[index], after.data() + afterStarts[index], length) == 0;
        if (!same) changed.push_back(index);
    }
    for (std::size_t index = common; index + 1 < std::max(beforeStarts.size(), afterStarts.size()); ++index) {
        changed.push_back(index);
    }
    return changed;
}

const char* fileCaption(FileId file)
{
    switch (file) {
    case FileId::Exe: return "Executable";
    case FileId::English: return "ENGLISH.DAT";
    case FileId::English2: return "ENGLISH2.DAT";
    case FileId::Obdata: return "OBDATA.DAT";
    }
    return "";
}

std::vector<Change> listChanges(const GameFileSet& files)
{
    std::vector<Change> out;
    const auto tables = recordTables(files.edition);
    for (const FileId file : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) {
        const LoadedFile& loaded = files.file(file);
        if (!loaded.loaded || loaded.image == loaded.asRead) continue;
        if (file == FileId::English || file == FileId::English2) {
            listStrings(file, loaded.asRead, loaded.image, out);
            continue;
        }
        Coverage covered(std::max(loaded.image.size(), loaded.asRead.size()), false);
        for (const RecordTable& table : tables) {
            if (table.file == file && tableFits(table, loaded.asRead, loaded.image)) markCovered(table, covered);
        }
        for (const ChangedField& changed : changedFields(tables, file, loaded.asRead, loaded.image)) {
            const RecordTable& table = *changed.table;
            const std::size_t recordStart = table.start + table.recordSize * changed.record;
            out.push_back({table.page, table.list, table.firstRecord + changed.record, pageCaption(table.page),
                           table.recordName(loaded.image, table, changed.record), changed.field->label,
                           showField(loaded.asRead, recordStart, changed.record, *changed.field),
                           showField(loaded.image, recordStart, changed.record, *changed.field)});
        }
        listRawBytes(file, loaded.asRead, loaded.image, covered, out);
    }
    return out;
}

} // namespace orvane::changes
