#include "facilities/FacilityTable.h"

namespace orvane::facilities {

namespace {

constexpr std::array<std::uint8_t, FacilityTypeCount> YesValues{5,  4,  4,  4,  5,  4,  5,  4, 4,
                                                                14, 14, 14, 13, 13, 12, 13, 4};

} // namespace

std::string groupedText(std::int64_t value) { return groupThousands(static_cast<int>(value)); }

std::span<const FieldOption> standardOptions(std::size_t record)
{
    static constexpr auto options = [] {
        std::array<std::array<FieldOption, 2>, FacilityTypeCount> all{};
        for (std::size_t type = 0; type < all.size(); ++type) {
            all[type] = {{{"Yes", YesValues[type]}, {"No", static_cast<std::uint8_t>(YesValues[type] - 4)}}};
        }
        return all;
    }();
    if (record >= options.size()) return {};
    return options[record];
}

const std::array<std::string, FacilityTypeCount>& facilityTypeNames()
{
    // clang-format off
    static const std::array<std::string, FacilityTypeCount> names{
        "Access Lift", "Living Quarters", "Laboratory", "Workshop", "Small Radar System", "Large Radar System",
        "Missile Defense", "General Stores", "Alien Containment", "Laser Defense", "Plasma Defense",
        "Fusion Ball Defense", "Grav Shield", "Mind Shield", "Psionic Laboratory", "Hyper-wave Decoder", "Hangar"};
    // clang-format on
    return names;
}

std::uint8_t standardYesValue(int record) { return YesValues.at(static_cast<std::size_t>(record)); }

std::uint8_t standardNoValue(int record) { return static_cast<std::uint8_t>(standardYesValue(record) - 4); }

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
    return showField(exe, record, 0, valueField(value));
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
