#include "units/UnitTable.h"

namespace orvane::units {

std::int64_t braveryOfCode(std::int64_t code) { return 110 - 10 * code; }

std::optional<std::int64_t> braveryCodeFor(double bravery) { return storeAsByte((110.0 - bravery) / 10.0); }

std::span<const FieldOption> flyingOptions(std::size_t)
{
    static constexpr FieldOption options[] = {{"Yes", 1}, {"No", 0}};
    return options;
}

const std::array<UnitListEntry, UnitCount>& unitList()
{
    // clang-format off
    static const std::array<UnitListEntry, UnitCount> list{{
        {0, "Floater Soldier"},      {1, "Floater Navigator"},     {2, "Floater Medic"},
        {3, "Floater Engineer"},     {4, "Floater Leader"},        {5, "Floater Commander"},
        {6, "Reaper Terrorist"},     {7, "Sectoid Soldier"},       {8, "Sectoid Navigator"},
        {9, "Sectoid Medic"},        {10, "Sectoid Engineer"},     {11, "Sectoid Leader"},
        {12, "Sectoid Commander"},   {13, "Snakeman Soldier"},     {14, "Snakeman Navigator"},
        {15, "Snakeman Engineer"},   {16, "Snakeman Leader"},      {17, "Snakeman Commander"},
        {18, "Ethereal Soldier"},    {19, "Ethereal Leader"},      {20, "Ethereal Commander"},
        {21, "Muton Soldier"},       {22, "Muton Navigator"},      {23, "Muton Engineer"},
        {24, "Tank"},                {25, "Civilian 1"},           {26, "Civilian 2"},
        {27, "Chryssalid Terrorist"}, {28, "Silacoid Terrorist"},  {29, "Celatid Terrorist"},
        {30, "Sectopod Terrorist"},  {31, "Cyberdisc Terrorist"},  {32, "Hover Tank"},
    }};
    // clang-format on
    return list;
}

std::string unitName(std::size_t record)
{
    for (const auto& unit : unitList()) {
        if (static_cast<std::size_t>(unit.record) == record) return unit.name;
    }
    return {};
}

std::optional<std::size_t> unitFieldOffset(GameEdition edition, std::size_t unitRecordOffset, std::size_t fieldOffset)
{
    const auto table = UnitTableOffsets.in(edition);
    if (!table) return std::nullopt;
    return std::size_t{*table} + unitRecordOffset + fieldOffset;
}

} // namespace orvane::units
