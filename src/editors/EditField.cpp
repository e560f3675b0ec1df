#include "editors/EditField.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/NumericEntry.h"
#include "session/EditorSession.h"

namespace orvane::editors {
namespace {

constexpr const char* WordPrompt = "Enter the amount you would like to have.\n(Remember, this cannot exceed 28,671).";

// Commas are thousands separators here ("28,671"). What is left must be one number as a whole;
// "12abc" or a lone blank brings the box back rather than being read as 12 or 0.
std::optional<double> readGroupedAmount(const std::string& answer)
{
    std::string digits = answer;
    digits.erase(std::remove(digits.begin(), digits.end(), ','), digits.end());
    return readWholeNumber(digits);
}

bool fieldIsLoaded(EditorSession& session, FileId id, std::size_t at, const FieldLayout& field)
{
    return session.isLoaded(id) && fitsIn(session.image(id), at, field.width);
}

} // namespace

bool editField(EditorSession& session, FileId id, std::size_t at, const FieldLayout& field, const ValueBox& box,
               const EntryReader& read)
{
    if (!fieldIsLoaded(session, id, at, field)) return false;
    const auto stored = askValue(session.prompts(), box, field.entry, read);
    return stored && session.write(id, at, storedBytes(field, *stored), SnapshotRule::Always);
}

bool editWord(EditorSession& session, std::size_t at, const FieldLayout& field)
{
    if (!fieldIsLoaded(session, FileId::Exe, at, field)) return false;
    const ValueBox box{ChangeAmountTitle, WordPrompt, std::to_string(readU16(session.image(FileId::Exe), at))};
    return editField(session, FileId::Exe, at, field, box, readGroupedAmount);
}

} // namespace orvane::editors
