#include "editors/EditWord.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "core/AskValue.h"
#include "core/NumericEntry.h"
#include "session/EditorSession.h"

namespace orvane::base {
namespace {

constexpr const char* WordPrompt =
    "Enter the amount you would like to have.\n(Remember, this cannot exceed 28,671).";

// Commas are thousands separators here ("28,671"). What is left must be one number as a whole;
// "12abc" or a lone blank brings the box back rather than being read as 12 or 0.
std::optional<double> readGroupedAmount(const std::string& answer)
{
    std::string digits = answer;
    digits.erase(std::remove(digits.begin(), digits.end(), ','), digits.end());
    return readWholeNumber(digits);
}

} // namespace

bool editWord(EditorSession& session, std::size_t high, std::size_t low)
{
    if (!session.isLoaded(FileId::Exe)) return false;
    const std::size_t size = session.image(FileId::Exe).size();
    if (high >= size || low >= size) return false;

    const ByteImage& exe = session.image(FileId::Exe);
    const int current = exe[low] + 256 * exe[high];
    const ValueBox box{ChangeAmountTitle, WordPrompt, std::to_string(current)};
    const auto amount = askValue(session.prompts(), box, WordEntry, readGroupedAmount);
    if (!amount) return false;

    session.pushSnapshot(FileId::Exe);
    ByteImage& target = session.image(FileId::Exe);
    target[high] = static_cast<std::uint8_t>(*amount >> 8);
    target[low] = static_cast<std::uint8_t>(*amount & 0xFF);
    return true;
}

} // namespace orvane::base
