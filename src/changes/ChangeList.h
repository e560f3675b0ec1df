#pragma once
// Every value that differs from the files as loaded, in the pages' words (page, record, field, old, new);
// bytes that no page shows are listed by their offset, so no change is ever hidden.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "changes/RecordTables.h"
#include "files/GameFileSet.h"

namespace orvane::changes {

struct Change {
    // Where the change is shown; nothing for bytes that no page shows.
    std::optional<PageId> page;
    int list = 0;
    std::size_t record = 0;

    std::string pageText;   // the page's caption, or the file's name for raw bytes
    std::string recordText; // the record as the page names it, or "Offset 1234 (0x4D2)"
    std::string field;
    std::string oldValue;
    std::string newValue;
};

// The changes of every loaded image, file by file (executable, ENGLISH.DAT, ENGLISH2.DAT,
// OBDATA.DAT): each file's tables record by record, then its raw bytes in file order.
std::vector<Change> listChanges(const GameFileSet& files);

// A field of a fixed table whose bytes differ between two images of the same file.
struct ChangedField {
    const RecordTable* table;
    std::size_t record;
    const FieldLayout* field;
};

// The changed fields of the tables of `file`, table by table and record by record, as the change list
// shows them. Tables that do not lie inside both images are left out.
std::vector<ChangedField> changedFields(const std::vector<RecordTable>& tables, FileId file, const ByteImage& before,
                                        const ByteImage& after);

// The strings (0-based) whose bytes differ between two string files split at `beforeStarts` and
// `afterStarts` (see strings/StringTable), in order; strings that only one of the files holds count too.
std::vector<std::size_t> changedStrings(const ByteImage& before, const std::vector<std::size_t>& beforeStarts,
                                        const ByteImage& after, const std::vector<std::size_t>& afterStarts);

// "GEOSCAPE.EXE"-like name of an image for rows of raw bytes.
const char* fileCaption(FileId file);

} // namespace orvane::changes
