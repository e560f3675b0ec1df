#pragma once
// The filter of the long lists: an entry is shown when it contains the typed text, letters
// compared without regard to case in the game's code page.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class TextFilter {
public:
    explicit TextFilter(std::string_view typed);

    // The empty filter matches every entry.
    bool empty() const { return needle_.empty(); }
    bool matches(std::string_view entry) const;

    // The list positions of the entries that match, in list order.
    std::vector<std::size_t> matchingPositions(const std::vector<std::string>& entries) const;

private:
    std::string needle_; // the typed text as game bytes, folded to lower case
};

} // namespace orvane
