// The list filter: containment without regard to case, in the game's code page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TextFilter.h"

namespace orvane {
namespace {

TEST(TextFilter, matchesContainedTextWithoutRegardToCaseInTheGameCodePage)
{
    const std::vector<std::string> entries{"Heavy Cannon", "HC-AP Ammo", "Laser Rifle",
                                           "Élan Übergun", "",           "cannonade"};
    EXPECT_EQ(TextFilter("cannon").matchingPositions(entries), (std::vector<std::size_t>{0, 5}));
    EXPECT_EQ(TextFilter("CANNON").matchingPositions(entries), (std::vector<std::size_t>{0, 5}));
    EXPECT_EQ(TextFilter("y c").matchingPositions(entries), (std::vector<std::size_t>{0}));
    // The capitals of code page 437 fold to their small letters, as the ASCII ones do.
    EXPECT_EQ(TextFilter("élan über").matchingPositions(entries), (std::vector<std::size_t>{3}));
    EXPECT_EQ(TextFilter("ÉLAN").matchingPositions(entries), (std::vector<std::size_t>{3}));
    // A character the code page does not hold matches nothing; the empty filter matches everything.
    EXPECT_TRUE(TextFilter("Cannon\u20AC").matchingPositions(entries).empty());
    EXPECT_TRUE(TextFilter("").empty());
    EXPECT_EQ(TextFilter("").matchingPositions(entries).size(), entries.size());
    EXPECT_TRUE(TextFilter("zzz").matchingPositions(entries).empty());
}

} // namespace
} // namespace orvane
