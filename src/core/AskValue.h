#pragma once
// The one loop that asks for a value under a limit, shared by every page.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/EntryRule.h"
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

// Turns an answer into the number it stands for, or nothing when the box should come again.
// Without one, the answer is read by readNumber.
using EntryReader = std::function<std::optional<double>(const std::string&)>;

// Asks until the answer is empty (nothing is returned) or reads as a number the field's rule accepts
// (its stored form is returned). Above the limit, or not storable, the same box comes again.
std::optional<std::int64_t> askValue(Prompts& prompts, const ValueBox& box, const EntryRule& rule,
                                     const EntryReader& read = {});

// askValue for a one-byte field.
std::optional<std::uint8_t> askByte(Prompts& prompts, const ValueBox& box, double limit,
                                    LimitCheck check = LimitCheck::OnEntry);

// Asks for a text of at most `maxCharacters` characters; a longer one brings the same box back.
// Cancel or an empty answer returns nothing.
std::optional<std::string> askShortText(Prompts& prompts, const ValueBox& box, std::size_t maxCharacters);

} // namespace orvane
