#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/ByteImage.h"
#include "facilities/FacilityTable.h"
#include "samplegame/SampleGame.h"
#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"
#include "support/SampleSession.h"

namespace orvane::sample {
namespace {

// The offsets the facility types are written to: whatever differs from a background of zeros or of 0xFF.
std::set<std::size_t> facilityBytes(GameEdition edition)
{
    std::set<std::size_t> written;
    for (const std::uint8_t background : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        ByteImage exe(exeLengthOf(edition), background);
        fillFacilityTypes(exe, edition);
        for (std::size_t i = 0; i < exe.size(); ++i) {
            if (exe[i] != background) written.insert(i);
        }
    }
    return written;
}

struct Range {
    std::size_t start, length;
};

// The sample's facility types stand where the editor reads them, inside the 17 records, clear of
// every other table the maker writes, and no later table writes over them.
TEST(SampleFacilityTable, StandsInsideItsOwnRecordsInEveryEdition)
{
    for (const GameEdition edition : {GameEdition::Collectors, GameEdition::Dos12, GameEdition::Dos14}) {
        SCOPED_TRACE(test::editionName(edition));
        const std::set<std::size_t> written = facilityBytes(edition);
        const std::size_t exeLength = exeLengthOf(edition);
        const auto first = facilities::recordOffset(edition, exeLength, 0);
        ASSERT_TRUE(first);
        ASSERT_FALSE(written.empty());
        EXPECT_GE(*written.begin(), *first);
        EXPECT_LT(*written.rbegin(), *first + 16 * 17);
        // Only the fields the editor knows: offsets 0-3, 6-8 and 10 of each record.
        for (const std::size_t at : written) {
            const std::size_t inRecord = (at - *first) % 16;
            EXPECT_TRUE(inRecord <= 3 || (inRecord >= 6 && inRecord <= 8) || inRecord == 10) << at;
        }

        const std::vector<Range> others{
            {tableStart(LastNameTableStart, edition), SoldierNames * LastNameWidth},
            {tableStart(FirstNameTableStart, edition), SoldierNames * FirstNameWidth},
            {tableStart(StartingBaseStart, edition), 266},
            {tableStart(UnitTableStart, edition), UnitRecords * UnitRecordSize}};
        for (const Range& other : others) {
            const auto inside = written.lower_bound(other.start);
            EXPECT_TRUE(inside == written.end() || *inside >= other.start + other.length) << other.start;
        }

        const ByteImage sample = makeSampleFiles(edition).exe;
        ByteImage refilled = sample;
        fillFacilityTypes(refilled, edition);
        EXPECT_EQ(refilled, sample);
    }
}

} // namespace
} // namespace orvane::sample
