#pragma once
// The unit table of the executable: 33 records of combat statistics, 39 bytes each,
// at a start offset that depends on the edition.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
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
    UnitStat::TimeUnits,  UnitStat::Health,         UnitStat::Energy,           UnitStat::Reaction,
    UnitStat::Strength,   UnitStat::FiringAccuracy, UnitStat::ThrowingAccuracy, UnitStat::FrontArmour,
    UnitStat::LeftArmour, UnitStat::RightArmour,    UnitStat::RearArmour,       UnitStat::UnderArmour,
    UnitStat::PsiSkill,   UnitStat::PsiStrength,    UnitStat::Bravery};

inline constexpr std::size_t indexOf(UnitStat stat) { return static_cast<std::size_t>(stat); }

// Bravery is stored as a code b: bravery = 110 - 10 * b.
std::int64_t braveryOfCode(std::int64_t code);

// The code stored for an entered bravery, rounded half to even; nothing when it does not fit a byte.
std::optional<std::int64_t> braveryCodeFor(double bravery);

// The "Yes" and "No" of "Flying Ability?:": the flag is 1 or 0.
std::span<const FieldOption> flyingOptions(std::size_t record);

// The fifteen statistics in UnitStat order, with the page's labels and the largest entry each box accepts.
inline constexpr EntryRule BraveryEntry{110, LimitCheck::OnEntry, &braveryCodeFor, &braveryOfCode};
inline constexpr std::array<FieldLayout, UnitStatCount> StatFields{{
    {"Time Units:", 1, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Health:", 2, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Energy:", 3, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Reaction:", 4, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Strength:", 5, 1, FieldEncoding::Unsigned, byteEntry(100)},
    {"Firing Accuracy:", 6, 1, FieldEncoding::Unsigned, byteEntry(100)},
    {"Throwing Accuracy:", 7, 1, FieldEncoding::Unsigned, byteEntry(100)},
    {"Front Armour:", 9, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Left Armour:", 10, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Right Armour:", 11, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Rear Armour:", 12, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Under Armour:", 13, 1, FieldEncoding::Unsigned, byteEntry(255)},
    {"Psi Skill:", 25, 1, FieldEncoding::Unsigned, byteEntry(100)},
    {"Psi Strength:", 26, 1, FieldEncoding::Unsigned, byteEntry(100)},
    {"Bravery:", 27, 1, FieldEncoding::Unsigned, BraveryEntry},
}};
inline constexpr FieldLayout FlyingField{"Flying Ability?:", FlyingOffset, 1, FieldEncoding::Unsigned,
                                         optionEntry(&flyingOptions)};

constexpr const FieldLayout& statField(UnitStat stat) { return StatFields.at(indexOf(stat)); }
// Where a statistic's byte lies inside a record.
constexpr std::size_t statOffset(UnitStat stat) { return statField(stat).offset; }

// One entry of the unit list, in the order the page lists them.
struct UnitListEntry {
    int record;
    std::string name;
};
const std::array<UnitListEntry, UnitCount>& unitList();
// The name of the unit with this record number; empty for no such record.
std::string unitName(std::size_t record);

// The file offset of a unit's field, or nothing for no edition.
std::optional<std::size_t> unitFieldOffset(GameEdition edition, std::size_t unitRecordOffset, std::size_t fieldOffset);

} // namespace orvane::units
