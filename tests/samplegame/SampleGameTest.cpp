#include <filesystem>
#include <set>

#include "core/CodePage.h"
#include "facilities/FacilityTable.h"
#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"
#include "support/DiskTree.h"
#include "support/SampleSession.h"

namespace orvane::test {
namespace {

// Where each edition keeps its tables, written down here independently of the maker.
struct EditionLayout {
    GameEdition edition;
    std::size_t exeLength, startingBase, facilityTable, unitTable, lastNames;
    const char* exeInFolder;
};

class SampleGameTest : public ::testing::TestWithParam<EditionLayout> {};

TEST_P(SampleGameTest, writesTheGameFolderWithTheSameBytesEveryTimeAndTheTablesAtTheEditionOffsets)
{
    const EditionLayout& layout = GetParam();
    const sample::SampleFiles files = sample::makeSampleFiles(layout.edition);
    EXPECT_EQ(files.exe.size(), layout.exeLength);
    EXPECT_EQ(files.obdata.size(), 4320U);

    // A second run writes the very bytes of the first, in the game's folder layout.
    TempDir dir;
    const std::string exePath = sample::writeSampleGame(dir.str(), layout.edition);
    EXPECT_EQ(exePath, (dir.path() / layout.exeInFolder).make_preferred().string());
    EXPECT_EQ(filesUnder(dir.path()), (DiskTree{{layout.exeInFolder, files.exe},
                                                {"GEODATA/OBDATA.DAT", files.obdata},
                                                {"GEODATA/ENGLISH.DAT", files.english},
                                                {"GEODATA/ENGLISH2.DAT", files.english2}}));

    // The tables stand at the edition's offsets.
    const ByteImage& exe = files.exe;
    // Base grid: an empty square (255 days), the lift, a hangar's first quarter; staff and stores.
    EXPECT_EQ(exe.at(layout.startingBase), 0xFF);
    EXPECT_EQ(exe.at(layout.startingBase + 36), 255);
    EXPECT_EQ(exe.at(layout.startingBase + 8), 0x00);
    EXPECT_EQ(exe.at(layout.startingBase + 13), 0x10);
    EXPECT_EQ(exe.at(layout.startingBase + 72), 10);
    EXPECT_EQ(readU16(exe, layout.startingBase + 74 + 2 * 93), 300);
    // Facility types: the Access Lift costs 300 and is standard ("Yes" is 5); Missile Defense is not.
    EXPECT_EQ(readS16(exe, layout.facilityTable), 300);
    EXPECT_EQ(exe.at(layout.facilityTable + 10), 5);
    EXPECT_EQ(exe.at(layout.facilityTable + 16 * 6 + 10), 1);
    // Units: the first flies with 55 time units; the last has 100 psi strength.
    EXPECT_EQ(exe.at(layout.unitTable), 1);
    EXPECT_EQ(exe.at(layout.unitTable + 1), 55);
    EXPECT_EQ(exe.at(layout.unitTable + 39 * 32 + 26), 100);
    // Soldier names: 120 last names of 12 bytes, then the first names of 11.
    EXPECT_EQ(decodeField(exe, layout.lastNames, 12), "Abbott");
    EXPECT_EQ(decodeField(exe, layout.lastNames + 12 * 27, 12), "Featherstone");
    EXPECT_EQ(decodeField(exe, layout.lastNames + 12 * 120, 11), "Adam");
    // The last item record ends OBDATA.DAT; the string files are zero-terminated texts.
    EXPECT_EQ(decodeField(files.obdata, 4266, 20), "Gauss Rifle");
    EXPECT_EQ(files.obdata.at(4309), 9);
    EXPECT_EQ(std::string(files.english.begin(), files.english.begin() + 18), std::string("Research complete") + '\0');
    EXPECT_EQ(files.english2.back(), 0);
}

// Facility types write only the known fields; the base has squares building, empty ones and hidden slots.
TEST_P(SampleGameTest, tablesKeepToTheirOwnBytes)
{
    using namespace sample;
    const GameEdition edition = GetParam().edition;
    const std::size_t facilityTable = GetParam().facilityTable;
    // Written: whatever differs from a background of zeros or of 0xFF.
    std::set<std::size_t> written;
    for (const std::uint8_t background : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        ByteImage exe(static_cast<std::size_t>(exeLengthOf(edition)), background);
        fillFacilityTypes(exe, edition);
        for (std::size_t i = 0; i < exe.size(); ++i)
            if (exe[i] != background) written.insert(i);
    }
    const auto first = facilities::recordOffset(edition, static_cast<std::size_t>(exeLengthOf(edition)), 0);
    ASSERT_TRUE(first && !written.empty());
    EXPECT_EQ(*first, facilityTable);
    EXPECT_GE(*written.begin(), *first);
    EXPECT_LT(*written.rbegin(), facilityTable + FacilityTypes * FacilityRecordSize);
    for (const std::size_t at : written) {
        const std::size_t inRecord = (at - *first) % 16;
        EXPECT_TRUE(inRecord <= 3 || (inRecord >= 6 && inRecord <= 8) || inRecord == 10) << at;
    }
    const ByteImage exe = makeSampleFiles(edition).exe;
    ByteImage refilled = exe;
    fillFacilityTypes(refilled, edition);
    EXPECT_EQ(refilled, exe);

    const std::size_t base = GetParam().startingBase;
    int building = 0;
    for (std::size_t k = 0; k < BaseSquares; ++k) {
        const std::uint8_t days = exe.at(base + BaseSquares + k);
        if (exe.at(base + k) == 0xFF)
            EXPECT_EQ(days, 255) << k;
        else if (days > 0)
            ++building;
    }
    EXPECT_GE(building, 2);
    for (const std::size_t slot : {43u, 44u, 45u, 46u, 47u, 48u, 62u, 63u, 64u, 76u, 77u, 78u, 79u, 82u})
        EXPECT_NE(readU16(exe, base + StoresOffset + 2 * slot), 0) << slot;
}

INSTANTIATE_TEST_SUITE_P(
    Editions, SampleGameTest,
    ::testing::Values(EditionLayout{GameEdition::Collectors, 495616, 455134, 460354, 480147, 452328, "QEV.EXE"},
                      EditionLayout{GameEdition::Dos12, 415271, 391894, 374242, 397735, 389104, "QEVEXE/GEOSCAPE.EXE"},
                      EditionLayout{GameEdition::Dos14, 382957, 373886, 356234, 379731, 371096, "QEVEXE/GEOSCAPE.EXE"}),
    [](const auto& testCase) { return test::editionCaseName(testCase.param.edition); });

} // namespace
} // namespace orvane::test
