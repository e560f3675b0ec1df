#pragma once
// Every value that differs between the images being edited and the files as loaded, in the pages'
// own words: page, record, field label, old value, new value. Bytes that no page shows are listed
// by their offset, so no change is ever hidden.
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

// "GEOSCAPE.EXE"-like name of an image for rows of raw bytes.
const char* fileCaption(FileId file);

} // namespace orvane::changes
