#pragma once
// The facility-type table of the executable: 17 records of 16 bytes at a start offset that
// depends on the edition. Only the fields below are read or written; the bytes at 4, 5, 9 and
// 11 to 15 of a record are left as they are.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/ByteImage.h"
#include "core/FieldLayout.h"
#include "core/GameEdition.h"

namespace orvane::facilities {

inline constexpr EditionOffsets FacilityTableOffsets{460'354, 374'242, 356'234};
inline constexpr std::size_t FacilityRecordSize = 16;
inline constexpr int FacilityTypeCount = 17;
inline constexpr std::size_t StandardOffset = 10;

// The five values shown on command buttons, in the page's order.
enum class FacilityValue { ConstructionCost, ConstructionTime, MonthlyCost, DefenseStrength, HitRatio };
inline constexpr std::size_t FacilityValueCount = 5;
inline constexpr std::array<FacilityValue, FacilityValueCount> AllFacilityValues{
    FacilityValue::ConstructionCost, FacilityValue::ConstructionTime, FacilityValue::MonthlyCost,
    FacilityValue::DefenseStrength, FacilityValue::HitRatio};

inline constexpr std::size_t indexOf(FacilityValue value) { return static_cast<std::size_t>(value); }

// A two-byte value as the page words it: grouped by thousands.
std::string groupedText(std::int64_t value);
// The "Yes" and "No" of "Standard to Build?:" for a record; each type has values of its own.
std::span<const FieldOption> standardOptions(std::size_t record);

// The five values in FacilityValue order, with the page's labels and the largest entry each box
// accepts. A two-byte value is signed, low byte first, and entered as an amount of at most 28,671.
// The Grav Shield's defense strength in the game as shipped: -1,500, which the page shows (signed) but
// its box, which takes amounts of 0 to 28,671, cannot give back.
inline constexpr SpecialValue ShippedDefense[] = {{-1500, "the Grav Shield's defense strength in the game as shipped"}};
inline constexpr std::array<FieldLayout, FacilityValueCount> ValueFields{{
    {"Construction Cost/$k:", 0, 2, FieldEncoding::Signed, WordEntry, &groupedText},
    {"Construction Time:", 2, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Monthly Cost/$k:", 3, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Defense Strength:", 6, 2, FieldEncoding::Signed, withSpecials(WordEntry, ShippedDefense), &groupedText},
    {"Hit Ratio (%):", 8, 1, FieldEncoding::Unsigned, byteEntry(100)},
}};
inline constexpr FieldLayout StandardField{"Standard to Build?:", StandardOffset, 1, FieldEncoding::Unsigned,
                                           optionEntry(&standardOptions)};

constexpr const FieldLayout& valueField(FacilityValue value) { return ValueFields.at(indexOf(value)); }
// Where a value lies in its record.
constexpr std::size_t valueOffset(FacilityValue value) { return valueField(value).offset; }
constexpr bool isTwoByte(FacilityValue value) { return valueField(value).width == 2; }

// The entry of cmbType for each record, in record order.
const std::array<std::string, FacilityTypeCount>& facilityTypeNames();

// The standard-to-build byte's two values for a record; "No" is "Yes" less 4.
std::uint8_t standardYesValue(int record);
std::uint8_t standardNoValue(int record);

// True exactly when `byte` is the "Yes" value of `record`; false for a record outside 0 to 16.
bool isStandard(int record, std::uint8_t byte);

// A record's file offset, when the edition is known, the record one of the 17 and the table inside the image.
std::optional<std::size_t> recordOffset(GameEdition edition, std::size_t imageSize, int record);

// A value as the page shows it: a signed two-byte number grouped ("-1,500"), a byte in plain decimal.
std::string valueCaption(const ByteImage& exe, std::size_t record, FacilityValue value);

// Decimal digits split into groups of three from the right, joined by ","; the sign stays in front.
std::string groupThousands(int number);

} // namespace orvane::facilities
