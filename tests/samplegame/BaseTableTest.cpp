#include <gtest/gtest.h>

#include <vector>

#include "samplegame/SampleGame.h"
#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"
#include "support/SampleSession.h"

namespace orvane::sample {
namespace {

struct Range {
    std::size_t begin;
    std::size_t end;
};

bool overlap(const Range& a, const Range& b)
{
    return a.begin < b.end && b.begin < a.end;
}

// The sample's starting base shares no byte with another table and has what the base tests lean on: squares being built, empty squares with 255 days, and an amount
// in every slot the editor never lists.
TEST(SampleBaseTable, StandsAloneAndHoldsWhatTheBaseTestsNeed)
{
    constexpr std::size_t BlockSize = 266;
    for (const GameEdition edition : {GameEdition::Collectors, GameEdition::Dos12, GameEdition::Dos14}) {
        SCOPED_TRACE(test::editionName(edition));
        const std::size_t start = tableStart(StartingBaseStart, edition);
        const Range base{start, start + BlockSize};
        const std::vector<Range> others = {
            {tableStart(LastNameTableStart, edition), tableStart(LastNameTableStart, edition) + SoldierNames * LastNameWidth},
            {tableStart(FirstNameTableStart, edition),
             tableStart(FirstNameTableStart, edition) + SoldierNames * FirstNameWidth},
            {tableStart(FacilityTableStart, edition),
             tableStart(FacilityTableStart, edition) + FacilityTypes * FacilityRecordSize},
            {tableStart(UnitTableStart, edition), tableStart(UnitTableStart, edition) + UnitRecords * UnitRecordSize},
        };
        for (const Range& other : others) EXPECT_FALSE(overlap(base, other)) << other.begin;

        const ByteImage exe = makeSampleFiles(edition).exe;
        int building = 0;
        for (std::size_t k = 0; k < BaseSquares; ++k) {
            const std::uint8_t days = exe.at(start + BaseSquares + k);
            if (exe.at(start + k) == 0xFF) EXPECT_EQ(days, 255) << k;
            else if (days > 0) ++building;
        }
        EXPECT_GE(building, 2);
        for (const std::size_t slot : {43u, 44u, 45u, 46u, 47u, 48u, 62u, 63u, 64u, 76u, 77u, 78u, 79u, 82u}) {
            EXPECT_NE(readU16(exe, start + StoresOffset + 2 * slot), 0) << slot;
        }
    }
}

} // namespace
} // namespace orvane::sample
