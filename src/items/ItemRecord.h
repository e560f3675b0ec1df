#pragma once
// The 54-byte item records of OBDATA.DAT: where each field lies and how it reads and writes.
// Only the fields named here are ever written; every other byte of a record is left as it is.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ByteImage.h"
#include "core/FieldLayout.h"

namespace orvane::items {

inline constexpr std::size_t ItemRecordSize = 54;
inline constexpr std::size_t ItemCount = 80;
inline constexpr std::size_t NameWidth = 20;

// The record offset of item `index` (0 to 79) in OBDATA.DAT.
constexpr std::size_t recordOffset(std::size_t index) { return index * ItemRecordSize; }

// The thirteen one-byte numbers of a record, each edited through a value button.
// clang-format off
enum class ItemValue {
    Damage, AmmoType1, AmmoType2, AmmoType3,
    AutoAccuracy, SnapAccuracy, AimedAccuracy,
    AutoTu, SnapTu, AimedTu, Amount, MeleeTu, Weight
};
// clang-format on

struct ValueField {
    ItemValue value;
    std::size_t offset; // within the record
    int limit;          // largest accepted entry
    bool ammunition;    // an index of an ammunition item: its box explains the index numbers
    const char* label;  // the page's label beside the field's button
};

inline constexpr std::array<ValueField, 13> ValueFields{{
    {ItemValue::Damage, 22, 255, false, "Damage:"},
    {ItemValue::AmmoType1, 26, 79, true, "Ammo Type 1:"},
    {ItemValue::AmmoType2, 27, 79, true, "Ammo Type 2:"},
    {ItemValue::AmmoType3, 28, 79, true, "Ammo Type 3:"},
    {ItemValue::AutoAccuracy, 32, 255, false, "Autoshot Accuracy:"},
    {ItemValue::SnapAccuracy, 33, 255, false, "Snap Shot Accuracy:"},
    {ItemValue::AimedAccuracy, 34, 255, false, "Aimed Shot Accuracy:"},
    {ItemValue::AutoTu, 35, 100, false, "Autoshot TU%:"},
    {ItemValue::SnapTu, 36, 100, false, "Snap Shot TU%:"},
    {ItemValue::AimedTu, 37, 100, false, "Aimed Shot TU%:"},
    {ItemValue::Amount, 38, 100, false, "Ammo Amount/ Melee Damage:"},
    {ItemValue::MeleeTu, 41, 100, false, "Melee  TU%:"},
    {ItemValue::Weight, 43, 100, false, "Weight:"},
}};

// ValueFields lists the values in the order of ItemValue, so a value's field is found by its number.
static_assert([] {
    for (std::size_t i = 0; i < ValueFields.size(); ++i) {
        if (static_cast<std::size_t>(ValueFields[i].value) != i) return false;
    }
    return true;
}());

const ValueField& fieldOf(ItemValue value);
// What a value's box accepts: at most its limit, held against the whole number the entry becomes.
// An ammunition type of 255: the weapon takes no (more) ammunition, as the box's prompt says.
inline constexpr SpecialValue NoAmmo[] = {{255, "no ammo: the weapon has no ammunition of this type"}};

constexpr EntryRule entryOf(const ValueField& field) { return byteEntry(field.limit, LimitCheck::OnWholeNumber); }

// The rule a mod holds the field to: the page's, with the game's own special values.
constexpr EntryRule modEntryOf(const ValueField& field)
{
    return field.ammunition ? withSpecials(entryOf(field), NoAmmo) : entryOf(field);
}

// The three option groups: damage type, grenade kind, clip flag.
enum class OptionGroup { DamageType, GrenadeKind, ClipFlag };

inline constexpr std::array<OptionGroup, 3> OptionGroups{OptionGroup::DamageType, OptionGroup::GrenadeKind,
                                                         OptionGroup::ClipFlag};

std::size_t offsetOf(OptionGroup group);
// The caption of the group's frame: "Damage Type", "Grenade?", "Is it a clip?".
const char* titleOf(OptionGroup group);

// One option button: the code it stands for in its group's byte.
enum class ItemOption {
    AP,
    Incendiary,
    HE,
    Laser,
    Plasma,
    Stun,
    NoDamageType,
    NotGrenade,
    Grenade,
    ProximityMine,
    SmokeGrenade,
    NotClip,
    Clip
};

struct OptionCode {
    ItemOption option;
    OptionGroup group;
    std::uint8_t code;
    const char* caption; // the option button's caption
};

inline constexpr std::array<OptionCode, 13> OptionCodes{{
    {ItemOption::AP, OptionGroup::DamageType, 0, "AP"},
    {ItemOption::Incendiary, OptionGroup::DamageType, 1, "Incendiary"},
    {ItemOption::HE, OptionGroup::DamageType, 2, "HE"},
    {ItemOption::Laser, OptionGroup::DamageType, 3, "Laser"},
    {ItemOption::Plasma, OptionGroup::DamageType, 4, "Plasma"},
    {ItemOption::Stun, OptionGroup::DamageType, 5, "Stun"},
    {ItemOption::NoDamageType, OptionGroup::DamageType, 255, "None"},
    {ItemOption::NotGrenade, OptionGroup::GrenadeKind, 0, "Not a Grenade"},
    {ItemOption::Grenade, OptionGroup::GrenadeKind, 1, "Grenade"},
    {ItemOption::ProximityMine, OptionGroup::GrenadeKind, 2, "Proximity Mine"},
    {ItemOption::SmokeGrenade, OptionGroup::GrenadeKind, 3, "Smoke Grenade"},
    {ItemOption::NotClip, OptionGroup::ClipFlag, 0, "Not a Clip"},
    {ItemOption::Clip, OptionGroup::ClipFlag, 1, "Clip"},
}};

const OptionCode& codeOf(ItemOption option);

// The option of `group` that stands for `code`; nothing for a code no option stands for.
std::optional<ItemOption> optionFor(OptionGroup group, std::uint8_t code);

// Readers and writers of the record at `position` (a record offset, 54 x index).
std::string readName(const ByteImage& obdata, std::size_t position);
// Rewrites the whole name field: one byte per character, zeros after the name. At most 20 characters fit.

std::uint8_t readValue(const ByteImage& obdata, std::size_t position, ItemValue value);

std::uint8_t readGroupByte(const ByteImage& obdata, std::size_t position, OptionGroup group);

// The 80 item names, record 0 first.
std::vector<std::string> readItemNames(const ByteImage& obdata);

// Every field the page shows, as data: the name (at most 20 characters), the thirteen values and the
// three option groups (shown by the caption of the option that stands for the stored code).
const std::vector<FieldLayout>& recordFields();

// True when the image holds all 80 records.
bool holdsAllItems(const ByteImage& obdata);

} // namespace orvane::items
