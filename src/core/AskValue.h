#pragma once
// The one loop that asks for a value under a limit, shared by every page.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Prompts.h"

namespace orvane {

inline constexpr const char* ChangeAmountTitle = "Change Amount";

// "Enter the amount you would like to have." and "(Remember, the number cannot exceed 255)."
// followed by any further lines, joined by line feeds.
std::string amountPrompt(const std::string& limitText, const std::vector<std::string>& moreLines = {});

struct ValueBox {
    std::string title;
    std::string prompt;
    std::string defaultText;
};

// Turns an accepted number into what is stored, or nothing when it cannot be stored.
using StoreConversion = std::function<std::optional<std::int64_t>(double)>;

// Which number the limit is held against. Most fields compare the number as typed, so 255.4 is
// refused for a 255 field; the item fields compare the whole number it becomes, so 79.4 is taken
// for a limit of 79 while 79.5, which becomes 80, is refused.
enum class LimitCheck { OnEntry, OnWholeNumber };

// Turns an answer into the number it stands for, or nothing when the box should come again.
// Without one, the answer is read by readNumber.
using EntryReader = std::function<std::optional<double>(const std::string&)>;

// Asks until the answer is empty (nothing is returned) or reads as a number within `limit`
// that `toStored` can store (its stored form is returned). Above the limit, or not storable,
// the same box comes again.
std::optional<std::int64_t> askValue(Prompts& prompts, const ValueBox& box, double limit,
                                     const StoreConversion& toStored, LimitCheck check = LimitCheck::OnEntry,
                                     const EntryReader& read = {});

// The number rounded half to even, when it fits an unsigned byte.
std::optional<std::int64_t> storeAsByte(double number);

// askValue for a one-byte field.
std::optional<std::uint8_t> askByte(Prompts& prompts, const ValueBox& box, double limit,
                                    LimitCheck check = LimitCheck::OnEntry);

// Asks for a text of at most `maxCharacters` characters; a longer one brings the same box back.
// Cancel or an empty answer returns nothing.
std::optional<std::string> askShortText(Prompts& prompts, const ValueBox& box, std::size_t maxCharacters);

} // namespace orvane
