#pragma once
// The fixed tables of the game files as the pages show them: which page, where the table starts,
// its records and their fields. Built from the codecs' own field descriptions.
#include <cstddef>
#include <string>
#include <vector>

#include "core/ByteImage.h"
#include "core/FieldLayout.h"
#include "core/GameEdition.h"

namespace orvane::changes {

// The pages in the order of the page strip.
enum class PageId { Base = 0, Facility = 1, Names = 2, Units = 3, Items = 4, Strings = 5 };

// "Base Editor", "Facility Editor", ...: the page's caption on the page strip.
const char* pageCaption(PageId page);

struct RecordTable {
    PageId page;
    int list; // which list of its page shows the table (the second name list is 1)
    FileId file;
    std::size_t start;
    std::size_t recordSize;
    std::size_t count;
    std::vector<FieldLayout> fields;
    std::size_t firstRecord; // the list position of record 0
    std::size_t firstNumber; // the page's number of record 0: 1 for squares and names, 0 for the others
    // How the page names record n ("Sectoid Soldier", an item's name, "First name 3", "Square 4"),
    // read from the image as it stands.
    std::string (*recordName)(const ByteImage& image, const RecordTable& table, std::size_t record);
};

// Every table of fixed layout for this edition; the executable's tables are left out for None.
std::vector<RecordTable> recordTables(GameEdition edition);

} // namespace orvane::changes
