#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "facilities/FacilityTable.h"
#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"
#include "support/SampleSession.h"

namespace orvane::sample {
namespace {

// The sample's facility types stand where the editor reads them, only in the fields it knows (the
// other bytes of a record keep the filler), clear of every other table, and no later table
// writes over them.
TEST(SampleFacilityTable, StandsInsideItsOwnFieldsInEveryEdition)
{
    for (const GameEdition edition : {GameEdition::Collectors, GameEdition::Dos12, GameEdition::Dos14}) {
        SCOPED_TRACE(test::editionName(edition));
        // Written: whatever differs from a background of zeros or of 0xFF.
        std::set<std::size_t> written;
        for (const std::uint8_t background : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
            ByteImage exe(exeLengthOf(edition), background);
            fillFacilityTypes(exe, edition);
            for (std::size_t i = 0; i < exe.size(); ++i) {
                if (exe[i] != background) written.insert(i);
            }
        }
        const auto first = facilities::recordOffset(edition, exeLengthOf(edition), 0);
        ASSERT_TRUE(first && !written.empty());
        EXPECT_GE(*written.begin(), *first);
        EXPECT_LT(*written.rbegin(), *first + 16 * 17);
        for (const std::size_t at : written) {
            const std::size_t inRecord = (at - *first) % 16;
            EXPECT_TRUE(inRecord <= 3 || (inRecord >= 6 && inRecord <= 8) || inRecord == 10) << at;
        }

        const std::vector<std::pair<std::size_t, std::size_t>> others{
            {tableStart(LastNameTableStart, edition), SoldierNames * LastNameWidth},
            {tableStart(FirstNameTableStart, edition), SoldierNames * FirstNameWidth},
            {tableStart(StartingBaseStart, edition), 266},
            {tableStart(UnitTableStart, edition), UnitRecords * UnitRecordSize}};
        for (const auto& [start, length] : others) {
            const auto inside = written.lower_bound(start);
            EXPECT_TRUE(inside == written.end() || *inside >= start + length) << start;
        }

        const ByteImage sample = makeSampleFiles(edition).exe;
        ByteImage refilled = sample;
        fillFacilityTypes(refilled, edition);
        EXPECT_EQ(refilled, sample);
    }
}

} // namespace
} // namespace orvane::sample
