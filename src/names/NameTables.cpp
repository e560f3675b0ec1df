#include "names/NameTables.h"

#include "core/CodePage.h"

namespace orvane::names {

std::optional<std::size_t> slotOffset(const NameTable& table, GameEdition edition, std::size_t entry)
{
    const auto start = table.start.in(edition);
    if (!start) return std::nullopt;
    return std::size_t{*start} + table.slotWidth * entry;
}

bool tableFits(const NameTable& table, GameEdition edition, const ByteImage& exe)
{
    const auto start = table.start.in(edition);
    return start && fitsIn(exe, *start, table.slotWidth * NameCount);
}

std::vector<std::string> readNames(const NameTable& table, GameEdition edition, const ByteImage& exe)
{
    std::vector<std::string> names;
    if (!tableFits(table, edition, exe)) return names;
    names.reserve(NameCount);
    for (std::size_t n = 0; n < NameCount; ++n)
        names.push_back(decodeField(exe, *slotOffset(table, edition, n), table.slotWidth));
    return names;
}

} // namespace orvane::names
