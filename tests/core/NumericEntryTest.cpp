#include <gtest/gtest.h>

#include "core/NumericEntry.h"

namespace orvane {
namespace {

TEST(NumericEntry, readsTheNumberAtTheStartAsAModderTypesItAndRoundsHalvesToEven)
{
    const struct {
        const char* entry;
        double number;
    } cases[] = {
        {"255", 255},   {"  12 ", 12}, {"1 2 3", 123}, {"\t4\n2", 42},   {"-3", -3}, {"+7", 7},
        {"12.5", 12.5}, {".5", 0.5},   {"1e2", 100},   {"2.5E-1", 0.25}, {"1e", 1},  {"3e+", 3},
        {"&HFF", 255},  {"&h1f", 31},  {"&H", 0},      {"&HZZ", 0},      {"abc", 0}, {"12abc", 12},
        {"1,000", 1},   {"- 5", -5},   {"", 0},        {"-", 0},         {".", 0},   {"79.4", 79.4},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(readNumber(c.entry), c.number) << '"' << c.entry << '"';
    // Very long input reads without failing.
    EXPECT_GT(readNumber(std::string(5000, '9')), 255.0);
    EXPECT_LT(readNumber("-" + std::string(5000, '9')), -255.0);
    EXPECT_DOUBLE_EQ(readNumber(std::string(5000, ' ') + "8"), 8.0);

    // Halves round to the even neighbour.
    const std::pair<double, int> halves[] = {{12.5, 12},  {13.5, 14}, {0.5, 0},   {254.5, 254},
                                             {99.5, 100}, {-0.5, 0},  {-1.5, -2}, {2.4999, 2}};
    for (const auto& [number, rounded] : halves) EXPECT_EQ(roundHalfEven(number), rounded) << number;
}

} // namespace
} // namespace orvane
