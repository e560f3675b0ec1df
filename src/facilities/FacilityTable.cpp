#include "facilities/FacilityTable.h"

namespace orvane::facilities {

std::size_t valueOffset(FacilityValue value)
{
    switch (value) {
    case FacilityValue::ConstructionCost: return 0;
    case FacilityValue::ConstructionTime: return 2;
    case FacilityValue::MonthlyCost: return 3;
    case FacilityValue::DefenseStrength: return 6;
    case FacilityValue::HitRatio: return 8;
    }
    return 0;
}

bool isTwoByte(FacilityValue value)
{
    return value == FacilityValue::ConstructionCost || value == FacilityValue::DefenseStrength;
}

const std::array<std::string, FacilityTypeCount>& facilityTypeNames()
{
    static const std::array<std::string, FacilityTypeCount> names{
        "Access Lift",       "Living Quarters",    "Laboratory",         "Workshop",
        "Small Radar System", "Large Radar System", "Missile Defense",    "General Stores",
        "Alien Containment", "Laser Defense",      "Plasma Defense",     "Fusion Ball Defense",
        "Grav Shield",       "Mind Shield",        "Psionic Laboratory", "Hyper-wave Decoder",
        "Hangar"};
    return names;
}

std::uint8_t standardYesValue(int record)
{
    static constexpr std::array<std::uint8_t, FacilityTypeCount> yes{5, 4, 4, 4, 5, 4, 5, 4, 4,
                                                                      14, 14, 14, 13, 13, 12, 13, 4};
    return yes.at(static_cast<std::size_t>(record));
}

std::uint8_t standardNoValue(int record)
{
    return static_cast<std::uint8_t>(standardYesValue(record) - 4);
}

bool isStandard(int record, std::uint8_t byte)
{
    if (record < 0 || record >= FacilityTypeCount) return false;
    return byte == standardYesValue(record);
}

std::optional<std::size_t> recordOffset(GameEdition edition, std::size_t imageSize, int record)
{
    const auto table = FacilityTableOffsets.in(edition);
    if (!table || record < 0 || record >= FacilityTypeCount) return std::nullopt;
    if (std::size_t{*table} + FacilityRecordSize * FacilityTypeCount > imageSize) return std::nullopt;
    return std::size_t{*table} + FacilityRecordSize * static_cast<std::size_t>(record);
}

std::string valueCaption(const ByteImage& exe, std::size_t record, FacilityValue value)
{
    const std::size_t at = record + valueOffset(value);
    if (isTwoByte(value)) return groupThousands(readS16(exe, at));
    return std::to_string(exe.at(at));
}

std::string groupThousands(int number)
{
    const std::string digits = std::to_string(number < 0 ? -number : number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return number < 0 ? "-" + grouped : grouped;
}

} // namespace orvane::facilities
