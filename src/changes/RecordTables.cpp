#include "changes/RecordTables.h"

#include "base/StartingBase.h"
#include "facilities/FacilityTable.h"
#include "items/ItemRecord.h"
#include "names/NameTables.h"
#include "units/UnitTable.h"

namespace orvane::changes {

namespace {

std::string unitRecordName(const ByteImage&, const RecordTable&, std::size_t record) { return units::unitName(record); }

std::string squareName(const ByteImage&, const RecordTable& table, std::size_t square)
{
    return "Square " + std::to_string(table.firstNumber + square) + " (row " + std::to_string(square / 6 + 1) +
           ", column " + std::to_string(square % 6 + 1) + ")";
}

std::string storesName(const ByteImage&, const RecordTable&, std::size_t) { return "Stores"; }

void addStartingBase(std::vector<RecordTable>& tables, GameEdition edition)
{
    const auto start = base::StartingBaseOffsets.in(edition);
    if (!start) return;
    tables.push_back({PageId::Base,
                      0,
                      FileId::Exe,
                      *start,
                      1,
                      base::SquareCount,
                      {base::SquareFields.begin(), base::SquareFields.end()},
                      0,
                      1,
                      &squareName});
    // One table per stores entry, so that each row leads to its own list position.
    for (std::size_t position = 0; position < base::StoresEntryCount; ++position) {
        FieldLayout field = base::storesField(position);
        const std::size_t at = *start + field.offset;
        field.offset = 0;
        tables.push_back({PageId::Base, 1, FileId::Exe, at, field.width, 1, {field}, position, 0, &storesName});
    }
}

std::string facilityRecordName(const ByteImage&, const RecordTable&, std::size_t record)
{
    return facilities::facilityTypeNames().at(record);
}

std::string itemRecordName(const ByteImage& obdata, const RecordTable&, std::size_t record)
{
    const std::size_t position = items::recordOffset(record);
    if (!fitsIn(obdata, position, items::NameWidth)) return {};
    return items::readName(obdata, position);
}

std::string nameRecordName(const ByteImage&, const RecordTable& table, std::size_t record)
{
    const char* which = table.list == 0 ? "First name " : "Last name ";
    return which + std::to_string(table.firstNumber + record);
}

void addNameTable(std::vector<RecordTable>& tables, const names::NameTable& names, int list, GameEdition edition)
{
    const auto start = names.start.in(edition);
    if (!start) return;
    const FieldLayout name{names.title, 0, names.slotWidth, FieldEncoding::Text,
                           textEntry(names::MaxNameCharacters, names.writableWidth)};
    tables.push_back(
        {PageId::Names, list, FileId::Exe, *start, names.slotWidth, names::NameCount, {name}, 0, 1, &nameRecordName});
}

} // namespace

const char* pageCaption(PageId page)
{
    switch (page) {
    case PageId::Base: return "Base Editor";
    case PageId::Facility: return "Facility Editor";
    case PageId::Names: return "Soldier Names";
    case PageId::Units: return "Unit Editor";
    case PageId::Items: return "Item Editor";
    case PageId::Strings: return "String Editor";
    }
    return "";
}

std::vector<RecordTable> recordTables(GameEdition edition)
{
    std::vector<RecordTable> tables;
    addStartingBase(tables, edition);
    tables.push_back({PageId::Items, 0, FileId::Obdata, 0, items::ItemRecordSize, items::ItemCount,
                      items::recordFields(), 0, 0, &itemRecordName});
    if (const auto unitStart = units::UnitTableOffsets.in(edition)) {
        std::vector<FieldLayout> fields(units::StatFields.begin(), units::StatFields.end());
        fields.push_back(units::FlyingField);
        tables.push_back({PageId::Units, 0, FileId::Exe, *unitStart, units::UnitRecordSize,
                          static_cast<std::size_t>(units::UnitCount), std::move(fields), 0, 0, &unitRecordName});
    }
    if (const auto facilityStart = facilities::FacilityTableOffsets.in(edition)) {
        std::vector<FieldLayout> fields(facilities::ValueFields.begin(), facilities::ValueFields.end());
        fields.push_back(facilities::StandardField);
        tables.push_back({PageId::Facility, 0, FileId::Exe, *facilityStart, facilities::FacilityRecordSize,
                          static_cast<std::size_t>(facilities::FacilityTypeCount), std::move(fields), 0, 0,
                          &facilityRecordName});
    }
    addNameTable(tables, names::FirstNames, 0, edition);
    addNameTable(tables, names::LastNames, 1, edition);
    return tables;
}

} // namespace orvane::changes
