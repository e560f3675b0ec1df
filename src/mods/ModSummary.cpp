#include "mods/ModSummary.h"

namespace orvane::mods {

namespace {

std::string counted(std::size_t count, const char* one, const char* many)
{
    return groupedNumber(count) + " " + (count == 1 ? one : many);
}

} // namespace

std::string describeChanges(std::size_t values, std::size_t files, bool wouldChange)
{
    if (values == 0 && files == 0) return "nothing to change";
    return counted(values, "value", "values") + (wouldChange ? " would change in " : " changed in ") +
           counted(files, "file", "files");
}

std::string groupedNumber(std::size_t number)
{
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

} // namespace orvane::mods
