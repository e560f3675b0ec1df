#include "core/AskValue.h"

#include <cmath>

#include "core/CodePage.h"
#include "core/NumericEntry.h"

namespace orvane {

std::string amountPrompt(const std::string& limitText, const std::vector<std::string>& moreLines)
{
    std::string prompt = "Enter the amount you would like to have.\n(Remember, the number cannot exceed " + limitText + ").";
    for (const auto& line : moreLines) prompt += "\n" + line;
    return prompt;
}

std::optional<std::int64_t> askValue(Prompts& prompts, const ValueBox& box, double limit,
                                     const StoreConversion& toStored, LimitCheck check, const EntryReader& read)
{
    for (;;) {
        const auto answer = prompts.askText(box.title, box.prompt, box.defaultText);
        if (!answer || answer->empty()) return std::nullopt;
        const std::optional<double> entry = read ? read(*answer) : readNumber(*answer);
        if (!entry) continue;
        const double number = *entry;
        const double compared = check == LimitCheck::OnEntry ? number : roundHalfEven(number);
        if (compared > limit) continue;
        if (auto stored = toStored(number)) return stored;
    }
}

std::optional<std::int64_t> storeAsByte(double number)
{
    const double whole = roundHalfEven(number);
    if (!std::isfinite(whole) || whole < 0 || whole > 255) return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

std::optional<std::uint8_t> askByte(Prompts& prompts, const ValueBox& box, double limit, LimitCheck check)
{
    const auto stored = askValue(prompts, box, limit, storeAsByte, check);
    if (!stored) return std::nullopt;
    return static_cast<std::uint8_t>(*stored);
}

std::optional<std::string> askShortText(Prompts& prompts, const ValueBox& box, std::size_t maxCharacters)
{
    for (;;) {
        const auto answer = prompts.askText(box.title, box.prompt, box.defaultText);
        if (!answer || answer->empty()) return std::nullopt;
        if (characterCount(*answer) <= maxCharacters) return answer;
    }
}

} // namespace orvane
