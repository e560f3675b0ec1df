#include "core/EntryRule.h"

#include <cmath>

#include "core/NumericEntry.h"

namespace orvane {

namespace {

std::optional<std::int64_t> storeWhole(double number, double largest)
{
    const double whole = roundHalfEven(number);
    if (!std::isfinite(whole) || whole < 0 || whole > largest) return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

} // namespace

std::optional<std::int64_t> storeAsByte(double number) { return storeWhole(number, 0xFF); }

std::optional<std::int64_t> storeAsWord(double number) { return storeWhole(number, 0xFFFF); }

const SpecialValue* specialValue(const EntryRule& rule, std::int64_t value)
{
    for (const SpecialValue& special : rule.specials) {
        if (special.value == value) return &special;
    }
    return nullptr;
}

std::optional<std::int64_t> acceptEntry(double entry, const EntryRule& rule)
{
    const double compared = rule.check == LimitCheck::OnEntry ? entry : roundHalfEven(entry);
    if (!(compared <= rule.limit) || rule.toStored == nullptr) return std::nullopt;
    return rule.toStored(entry);
}

std::int64_t shownNumber(std::int64_t stored, const EntryRule& rule)
{
    return rule.toShown != nullptr ? rule.toShown(stored) : stored;
}

const FieldOption* optionWithCode(const EntryRule& rule, std::size_t record, std::int64_t code)
{
    if (rule.options == nullptr) return nullptr;
    for (const FieldOption& option : rule.options(record)) {
        if (option.code == code) return &option;
    }
    return nullptr;
}

} // namespace orvane
