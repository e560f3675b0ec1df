#pragma once
// The unit table of the executable: 33 records of combat statistics, 39 bytes each,
// at a start offset that depends on the edition.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/ByteImage.h"
#include "core/FieldLayout.h"
#include "core/GameEdition.h"

namespace orvane::units {

inline constexpr EditionOffsets UnitTableOffsets{480'147, 397'735, 379'731};
inline constexpr std::size_t UnitRecordSize = 39;
inline constexpr int UnitCount = 33;
inline constexpr std::size_t FlyingOffset = 0;

// The fifteen statistics shown on value buttons, in the page's order.
enum class UnitStat {
    TimeUnits,
    Health,
    Energy,
    Reaction,
    Strength,
    FiringAccuracy,
    ThrowingAccuracy,
    FrontArmour,
    LeftArmour,
    RightArmour,
    RearArmour,
    UnderArmour,
    PsiSkill,
    PsiStrength,
    Bravery,
};
inline constexpr std::size_t UnitStatCount = 15;

inline constexpr std::array<UnitStat, UnitStatCount> AllUnitStats{
    UnitStat::TimeUnits,   UnitStat::Health,      UnitStat::Energy,           UnitStat::Reaction,
    UnitStat::Strength,    UnitStat::FiringAccuracy, UnitStat::ThrowingAccuracy, UnitStat::FrontArmour,
    UnitStat::LeftArmour,  UnitStat::RightArmour, UnitStat::RearArmour,       UnitStat::UnderArmour,
    UnitStat::PsiSkill,    UnitStat::PsiStrength, UnitStat::Bravery};

inline constexpr std::size_t indexOf(UnitStat stat) { return static_cast<std::size_t>(stat); }

// Bravery as the page shows it (the stored code b stands for 110 - 10 * b); "Yes" or "No" for the flying flag.
std::string braveryText(std::int64_t code, std::size_t record);
std::string flyingText(std::int64_t flag, std::size_t record);

// The fifteen statistics in UnitStat order, with the page's labels.
inline constexpr std::array<FieldLayout, UnitStatCount> StatFields{{
    {"Time Units:", 1, 1},         {"Health:", 2, 1},          {"Energy:", 3, 1},
    {"Reaction:", 4, 1},           {"Strength:", 5, 1},        {"Firing Accuracy:", 6, 1},
    {"Throwing Accuracy:", 7, 1},  {"Front Armour:", 9, 1},    {"Left Armour:", 10, 1},
    {"Right Armour:", 11, 1},      {"Rear Armour:", 12, 1},    {"Under Armour:", 13, 1},
    {"Psi Skill:", 25, 1},         {"Psi Strength:", 26, 1},
    {"Bravery:", 27, 1, FieldEncoding::Unsigned, &braveryText},
}};
inline constexpr FieldLayout FlyingField{"Flying Ability?:", FlyingOffset, 1, FieldEncoding::Unsigned, &flyingText};

// Where a statistic's byte lies inside a record.
constexpr std::size_t statOffset(UnitStat stat) { return StatFields.at(indexOf(stat)).offset; }

// The largest entry a statistic's box accepts: 255, 100, or 110 for bravery.
int statLimit(UnitStat stat);

// Bravery is stored as a code b: bravery = 110 - 10 * b.
int braveryOfCode(std::uint8_t code);

// The code stored for an entered bravery, rounded half to even; nothing when it does not fit a byte.
std::optional<std::int64_t> braveryCodeFor(double bravery);

// One entry of the unit list, in the order the page lists them.
struct UnitListEntry {
    int record;
    std::string name;
};
const std::array<UnitListEntry, UnitCount>& unitList();
// The name of the unit with this record number; empty for no such record.
std::string unitName(std::size_t record);

// The file offset of a unit's field, or nothing for no edition.
std::optional<std::size_t> unitFieldOffset(GameEdition edition, std::size_t unitPosition, std::size_t fieldOffset);

} // namespace orvane::units
