#include "core/AskValue.h"

#include "core/CodePage.h"
#include "core/NumericEntry.h"

namespace orvane {

std::string amountPrompt(const std::string& limitText, const std::vector<std::string>& moreLines)
{
    std::string prompt =
        "Enter the amount you would like to have.\n(Remember, the number cannot exceed " + limitText + ").";
    for (const auto& line : moreLines) prompt += "\n" + line;
    return prompt;
}

std::optional<std::int64_t> askValue(Prompts& prompts, const ValueBox& box, const EntryRule& rule,
                                     const EntryReader& read)
{
    for (;;) {
        const auto answer = prompts.askText(box.title, box.prompt, box.defaultText);
        if (!answer || answer->empty()) return std::nullopt;
        const std::optional<double> entry = read ? read(*answer) : readNumber(*answer);
        if (!entry) continue;
        if (auto stored = acceptEntry(*entry, rule)) return stored;
    }
}

std::optional<std::uint8_t> askByte(Prompts& prompts, const ValueBox& box, double limit, LimitCheck check)
{
    const auto stored = askValue(prompts, box, byteEntry(limit, check));
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
