#include "mods/ModSummary.h"

namespace orvane::mods {

namespace {

std::string counted(std::size_t count, const char* one, const char* many)
{
    return groupedNumber(count) + " " + (count == 1 ? one : many);
}

} // namespace

std::string describeChanges(std::size_t values, std::size_t files, bool wouldChange, std::size_t hiddenPlaces)
{
    if (files == 0) return "nothing to change";
    std::string what = values > 0 || hiddenPlaces == 0 ? counted(values, "value", "values") : "";
    if (hiddenPlaces > 0) {
        what += (what.empty() ? "" : " and ") + std::string("bytes that no page shows at ") +
                counted(hiddenPlaces, "place", "places");
    }
    return what + (wouldChange ? " would change in " : " changed in ") + counted(files, "file", "files");
}

std::string groupedNumber(std::size_t number)
{
    const std::string digits = std::to_string(number);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace orvane::mods
