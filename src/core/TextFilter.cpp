#include "core/TextFilter.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/CodePage.h"

namespace orvane {

namespace {

// Each game byte folded to lower case: the ASCII letters and the capitals of code page 437
// that have a small letter beside them.
constexpr std::array<std::uint8_t, 256> LowerCase = [] {
    std::array<std::uint8_t, 256> lower{};
    for (std::size_t code = 0; code < lower.size(); ++code) lower[code] = static_cast<std::uint8_t>(code);
    for (std::size_t code = 'A'; code <= 'Z'; ++code) lower[code] = static_cast<std::uint8_t>(code + ('a' - 'A'));
    constexpr std::uint8_t pairs[][2] = {{0x80, 0x87}, {0x9A, 0x81}, {0x90, 0x82}, {0x8E, 0x84},
                                         {0x8F, 0x86}, {0x92, 0x91}, {0x99, 0x94}, {0xA5, 0xA4}};
    for (const auto& pair : pairs) lower[pair[0]] = pair[1];
    return lower;
}();

std::string folded(std::string_view text)
{
    std::string bytes;
    for (const std::uint8_t code : encodeGameText(text)) bytes.push_back(static_cast<char>(LowerCase[code]));
    return bytes;
}

} // namespace

TextFilter::TextFilter(std::string_view typed) : needle_(folded(typed)) {}

bool TextFilter::matches(std::string_view entry) const
{
    if (needle_.empty()) return true;
    // An entry in ASCII, as nearly all are, is the same in the game's bytes: it is searched where it
    // lies, folded byte by byte, with no copy.
    if (std::all_of(entry.begin(), entry.end(), [](char c) { return static_cast<std::uint8_t>(c) < 0x80; })) {
        const auto same = [](char entryByte, char needleByte) {
            return LowerCase[static_cast<std::uint8_t>(entryByte)] == static_cast<std::uint8_t>(needleByte);
        };
        return std::search(entry.begin(), entry.end(), needle_.begin(), needle_.end(), same) != entry.end();
    }
    return folded(entry).find(needle_) != std::string::npos;
}

std::vector<std::size_t> TextFilter::matchingPositions(const std::vector<std::string>& entries) const
{
    std::vector<std::size_t> positions;
    positions.reserve(needle_.empty() ? entries.size() : 0);
    for (std::size_t position = 0; position < entries.size(); ++position) {
        if (matches(entries[position])) positions.push_back(position);
    }
    return positions;
}

} // namespace orvane
