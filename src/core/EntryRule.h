#pragma once
// What a page lets a user enter for one field, and how an accepted entry becomes the stored number.
// The prompts and the mod files both hold entries to these rules, so a field's limit is written once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orvane {

// Which number the limit is held against. Most fields compare the number as typed, so 255.4 is
// refused for a 255 field; the item fields compare the whole number it becomes, so 79.4 is taken
// for a limit of 79 while 79.5, which becomes 80, is refused.
enum class LimitCheck { OnEntry, OnWholeNumber };

// The number rounded half to even, when it fits an unsigned byte.
std::optional<std::int64_t> storeAsByte(double number);
// The number rounded half to even, when it fits two bytes; a negative amount has no place there.
std::optional<std::int64_t> storeAsWord(double number);

// One choice of an option field: the caption of its option button and the code it stores.
struct FieldOption {
    const char* caption;
    std::uint8_t code;
};

// A value the game itself holds outside a page's limit, with a meaning in the game's design: an
// ammunition type of 255 is "no ammo". The page's box does not take it; a mod may give it back, so that
// a diff of a modded game against the game as shipped can undo the mod.
struct SpecialValue {
    std::int64_t value; // as the page shows it, and as it is stored
    const char* meaning;
};

struct EntryRule {
    // The largest entry the page accepts; for a text, the most characters it accepts.
    double limit = 255;
    LimitCheck check = LimitCheck::OnEntry;
    // The stored number of an entry within the limit; nothing when the field cannot hold it.
    std::optional<std::int64_t> (*toStored)(double entry) = &storeAsByte;
    // The number the page shows for a stored one (bravery shows 110 - 10 x its code); nullptr: the
    // stored number itself.
    std::int64_t (*toShown)(std::int64_t stored) = nullptr;
    // The option buttons of record `record`, for a field set by options rather than typed.
    std::span<const FieldOption> (*options)(std::size_t record) = nullptr;
    // For a text: how many bytes of its field a new text is written over; the rest stay as they are.
    std::size_t writableWidth = 0;
    // The values outside the limit that the game itself holds, with their meanings (see SpecialValue).
    std::span<const SpecialValue> specials = {};
};

// The rule with the game's own values outside its limit.
constexpr EntryRule withSpecials(EntryRule rule, std::span<const SpecialValue> specials)
{
    rule.specials = specials;
    return rule;
}

// The special value `value` of the rule, if it is one.
const SpecialValue* specialValue(const EntryRule& rule, std::int64_t value);

// A one-byte number typed under a limit.
constexpr EntryRule byteEntry(double limit, LimitCheck check = LimitCheck::OnEntry)
{
    return {limit, check, &storeAsByte};
}

// A two-byte amount: at most 28,671, never negative.
inline constexpr EntryRule WordEntry{28'671, LimitCheck::OnEntry, &storeAsWord};

// A field set by option buttons only.
constexpr EntryRule optionEntry(std::span<const FieldOption> (*options)(std::size_t))
{
    return {255, LimitCheck::OnEntry, &storeAsByte, nullptr, options};
}

// A name typed into a fixed-width slot: at most `characters` characters over `writableWidth` bytes.
constexpr EntryRule textEntry(std::size_t characters, std::size_t writableWidth)
{
    return {static_cast<double>(characters), LimitCheck::OnEntry, nullptr, nullptr, nullptr, writableWidth};
}

// The stored number of an entry the page would take: within the limit, held against the entry or its
// whole number, and storable. Nothing when the page would ask again.
std::optional<std::int64_t> acceptEntry(double entry, const EntryRule& rule);

// The number the page shows for a stored number.
std::int64_t shownNumber(std::int64_t stored, const EntryRule& rule);

// The option of record `record` that stores `code`; nothing when no option stores it.
const FieldOption* optionWithCode(const EntryRule& rule, std::size_t record, std::int64_t code);

} // namespace orvane
