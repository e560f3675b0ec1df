#include "mods/ModDocument.h"

#include <algorithm>

namespace orvane::mods {

std::string ModRefusal::describe() const
{
    std::string where;
    const auto add = [&where](const std::string& part) {
        if (part.empty()) return;
        if (!where.empty()) where += ", ";
        where += part;
    };
    if (line > 0) add("line " + std::to_string(line));
    add(record);
    add(field);
    return where.empty() ? reason : where + ": " + reason;
}

std::string decimalNumberReason(std::string_view written)
{
    return std::string(written) +
           " is not written as a whole number; a mod's numbers are digits alone, with no decimal point or exponent";
}

std::string describeRefusals(const std::vector<ModRefusal>& refusals, std::size_t most, const std::string& prefix,
                             const std::string& lead)
{
    std::string text;
    for (std::size_t i = 0; i < refusals.size() && i < most; ++i) {
        if (i > 0) text += '\n' + lead;
        text += prefix + refusals[i].describe();
    }
    if (refusals.size() > most) text += '\n' + lead + "and " + std::to_string(refusals.size() - most) + " more";
    return text;
}

void sortByLine(std::vector<ModRefusal>& refusals)
{
    const auto byLine = [](const ModRefusal& a, const ModRefusal& b) { return a.line < b.line; };
    if (!std::is_sorted(refusals.begin(), refusals.end(), byLine)) {
        std::stable_sort(refusals.begin(), refusals.end(), byLine);
    }
}

namespace {

// The edits (a character added, left out, changed, or two neighbours swapped) from one key to another.
std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            row[j] = std::min({previous[j] + 1, row[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                row[j] = std::min(row[j], before[j - 2] + 1);
            }
        }
        before.swap(previous);
        previous.swap(row);
    }
    return previous[b.size()];
}

} // namespace

std::string nearestKey(std::string_view wanted, const std::vector<std::string_view>& known)
{
    std::string_view nearest;
    std::size_t best = 0;
    for (const std::string_view key : known) {
        const std::size_t distance = editDistance(wanted, key);
        if (nearest.empty() || distance < best) {
            nearest = key;
            best = distance;
        }
    }
    // Near enough: one edit in a key of three characters or fewer, two in a longer one.
    const std::size_t shorter = std::min(wanted.size(), nearest.size());
    const std::size_t allowed = shorter <= 3 ? 1 : 2;
    if (nearest.empty() || best > allowed || best >= shorter) return {};
    return std::string(nearest);
}

} // namespace orvane::mods
