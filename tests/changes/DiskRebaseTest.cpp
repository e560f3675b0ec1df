// Keep Both in the model: our changes on top of another program's file; a clash keeps ours and is named.
#include <gtest/gtest.h>

#include "changes/DiskRebase.h"
#include "samplegame/SampleGame.h"
#include "strings/StringTable.h"
#include "support/FieldPlace.h"
#include "support/ImageDiff.h"

namespace orvane::test {
namespace {

using changes::PageId;

TEST(DiskRebase, theExecutableTakesOurValuesWholeTheirOthersAndOurBytesNoPageShows)
{
    const ByteImage asRead = sample::makeSampleFiles(GameEdition::Dos12).exe;
    ByteImage ours = asRead;
    ByteImage theirs = asRead;
    const FieldPlace health = placeOf(GameEdition::Dos12, PageId::Units, 7, "Health:");
    const FieldPlace timeUnits = placeOf(GameEdition::Dos12, PageId::Units, 7, "Time Units:");
    const FieldPlace store = placeOf(GameEdition::Dos12, PageId::Base, 40, "");
    ours[health.at] = 45;
    theirs[health.at] = 50;
    theirs[timeUnits.at] = 70;
    // A two-byte amount: ours changed its low byte, theirs its high byte; the value is ours whole.
    ours[store.at] = static_cast<std::uint8_t>(asRead[store.at] + 1);
    theirs[store.at + 1] = static_cast<std::uint8_t>(asRead[store.at + 1] + 1);
    ours[3] = static_cast<std::uint8_t>(asRead[3] ^ 0xFF); // no page shows the header

    const changes::Rebased rebased = changes::rebaseOnDisk(FileId::Exe, GameEdition::Dos12, asRead, ours, theirs);
    ByteImage expected = theirs;
    expected[health.at] = 45;
    expected[store.at] = ours[store.at];
    expected[store.at + 1] = ours[store.at + 1];
    expected[3] = ours[3];
    EXPECT_EQ(changedBytes(expected, rebased.image), (std::map<std::size_t, std::uint8_t>{}));
    ASSERT_EQ(rebased.bothChanged.size(), 2u);
    EXPECT_NE(rebased.bothChanged[1].find(", Health: 45 kept, 50 on disk"), std::string::npos)
        << rebased.bothChanged[1];
    EXPECT_TRUE(rebased.notPlaced.empty());

    const ByteImage longer(asRead.size() + 1, 0);
    const changes::Rebased refused = changes::rebaseOnDisk(FileId::Exe, GameEdition::Dos12, asRead, ours, longer);
    EXPECT_EQ(refused.image, longer);
    EXPECT_EQ(refused.notPlaced.size(), 1u);
}

ByteImage stringFile(const std::vector<std::string>& texts, const std::string& tail = {})
{
    ByteImage bytes;
    for (const std::string& text : texts) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

TEST(DiskRebase, aStringFileTakesOurStringsByNumberAndNamesThoseItLacks)
{
    const ByteImage asRead = stringFile({"one", "two", "three", "four"}, "xy");
    const ByteImage ours = stringFile({"one", "TWO!", "three", "FOUR"}, "xy");
    const ByteImage theirs = stringFile({"uno", "dos", "three"}, "z");
    const changes::Rebased rebased =
        changes::rebaseOnDisk(FileId::English2, GameEdition::Collectors, asRead, ours, theirs);
    EXPECT_EQ(rebased.image, stringFile({"uno", "TWO!", "three"}, "z"));
    EXPECT_EQ(rebased.bothChanged, std::vector<std::string>{"ENGLISH2.DAT, String 2"});
    EXPECT_EQ(rebased.notPlaced,
              std::vector<std::string>{"ENGLISH2.DAT, String 4: the file on disk has no such string"});

    // With nothing of ours to add, the file on disk comes back as it is.
    EXPECT_EQ(changes::rebaseOnDisk(FileId::English, GameEdition::Collectors, asRead, asRead, theirs).image, theirs);
}

} // namespace
} // namespace orvane::test
