#pragma once
// Where a field of a page's record lies in its file, found through the pages' own tables.
#include <gtest/gtest.h>

#include <string>

#include "changes/RecordTables.h"

namespace orvane::test {

struct FieldPlace {
    std::size_t at = 0;
    std::size_t width = 0;
};

// An empty label takes the record's first field (a store slot is labelled with its item's name).
inline FieldPlace placeOf(GameEdition edition, changes::PageId page, std::size_t record, const std::string& label)
{
    for (const changes::RecordTable& table : changes::recordTables(edition)) {
        if (table.page != page || record < table.firstRecord || record - table.firstRecord >= table.count) continue;
        for (const FieldLayout& field : table.fields) {
            if (label.empty() || field.label == label)
                return {table.start + table.recordSize * (record - table.firstRecord) + field.offset, field.width};
        }
    }
    ADD_FAILURE() << "no field " << label << " in record " << record;
    return {};
}

} // namespace orvane::test
