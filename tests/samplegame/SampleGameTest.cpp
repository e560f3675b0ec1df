#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/ByteImage.h"
#include "core/CodePage.h"
#include "core/GameEdition.h"
#include "samplegame/SampleGame.h"
#include "support/ImageDiff.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using sample::makeSampleFiles;

// Offsets as the game lays out each edition, written down here independently of the maker.
struct EditionLayout {
    GameEdition edition;
    std::size_t exeLength;
    std::size_t startingBase;
    std::size_t facilityTable;
    std::size_t unitTable;
    std::size_t lastNames;
    std::size_t firstNames;
    const char* exeInFolder;
    const char* name;
};

constexpr std::array<EditionLayout, 3> Layouts = {{
    {GameEdition::Collectors, 495616, 455134, 460354, 480147, 452328, 453768, "QEV.EXE", "Collectors"},
    {GameEdition::Dos12, 415271, 391894, 374242, 397735, 389104, 390544, "QEVEXE/GEOSCAPE.EXE", "Dos12"},
    {GameEdition::Dos14, 382957, 373886, 356234, 379731, 371096, 372536, "QEVEXE/GEOSCAPE.EXE", "Dos14"},
}};

void PrintTo(const EditionLayout& layout, std::ostream* out)
{
    *out << layout.name;
}

bool isTextByte(std::uint8_t b)
{
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == ' ' || b == '-' ||
           b == '/' || b == 0x82;
}

// The length of the text in a fixed-width field that holds text bytes followed only by zeros;
// nothing when the field holds anything else.
std::optional<std::size_t> textLength(const ByteImage& image, std::size_t offset, std::size_t width)
{
    std::size_t length = 0;
    while (length < width && image.at(offset + length) != 0) {
        if (!isTextByte(image[offset + length])) return std::nullopt;
        ++length;
    }
    for (std::size_t i = length; i < width; ++i) {
        if (image.at(offset + i) != 0) return std::nullopt;
    }
    if (length == 0) return std::nullopt;
    return length;
}

bool containsByte(const ByteImage& image, std::size_t offset, std::size_t width, std::uint8_t value)
{
    const auto begin = image.begin() + static_cast<std::ptrdiff_t>(offset);
    return std::find(begin, begin + static_cast<std::ptrdiff_t>(width), value) != begin + static_cast<std::ptrdiff_t>(width);
}

class SampleGameTest : public ::testing::TestWithParam<EditionLayout> {};

TEST_P(SampleGameTest, FilesHaveTheGameLengthsAndRepeatExactly)
{
    const EditionLayout& layout = GetParam();
    const sample::SampleFiles files = makeSampleFiles(layout.edition);
    EXPECT_EQ(files.exe.size(), layout.exeLength);
    EXPECT_EQ(editionForExeLength(files.exe.size()), layout.edition);
    EXPECT_EQ(files.obdata.size(), 4320u);
    EXPECT_FALSE(files.english.empty());
    EXPECT_FALSE(files.english2.empty());

    const sample::SampleFiles again = makeSampleFiles(layout.edition);
    EXPECT_EQ(again.exe, files.exe);
    EXPECT_EQ(again.obdata, files.obdata);
    EXPECT_EQ(again.english, files.english);
    EXPECT_EQ(again.english2, files.english2);
}

TEST_P(SampleGameTest, WritesTheGameFolderLayout)
{
    const EditionLayout& layout = GetParam();
    const test::TempDir dir;
    const std::string exePath = sample::writeSampleGame(dir.str(), layout.edition);
    EXPECT_EQ(exePath, (dir.path() / layout.exeInFolder).string());
    EXPECT_EQ(std::filesystem::exists(dir.path() / "QEVEXE"), isDosEdition(layout.edition));

    const sample::SampleFiles files = makeSampleFiles(layout.edition);
    EXPECT_EQ(test::readFileBytes(exePath), files.exe);
    EXPECT_EQ(test::readFileBytes((dir.path() / "GEODATA/OBDATA.DAT").string()), files.obdata);
    EXPECT_EQ(test::readFileBytes((dir.path() / "GEODATA/ENGLISH.DAT").string()), files.english);
    EXPECT_EQ(test::readFileBytes((dir.path() / "GEODATA/ENGLISH2.DAT").string()), files.english2);
}

TEST_P(SampleGameTest, ExecutableTablesStandAtTheEditionOffsets)
{
    const EditionLayout& layout = GetParam();
    const ByteImage exe = makeSampleFiles(layout.edition).exe;

    // Base grid: known codes only, empty squares with 255 days, a lift and one whole 2x2 hangar.
    const std::size_t base = layout.startingBase;
    for (std::size_t k = 0; k < 36; ++k) {
        const std::uint8_t code = exe[base + k];
        EXPECT_TRUE(code <= 0x13 || code == 0xFF) << "square " << k;
        if (code == 0xFF) {
            EXPECT_EQ(exe[base + 36 + k], 255) << "square " << k;
        }
    }
    EXPECT_TRUE(containsByte(exe, base, 36, 0x00));
    const auto hangar = static_cast<std::size_t>(
        std::find(exe.begin() + static_cast<std::ptrdiff_t>(base), exe.begin() + static_cast<std::ptrdiff_t>(base + 36), 0x10) -
        exe.begin());
    ASSERT_LT(hangar, base + 29);
    EXPECT_EQ(exe[hangar + 1], 0x11);
    EXPECT_EQ(exe[hangar + 6], 0x12);
    EXPECT_EQ(exe[hangar + 7], 0x13);
    EXPECT_GT(exe[base + 72], 0);
    EXPECT_LE(exe[base + 72], 250);
    EXPECT_GT(exe[base + 73], 0);
    EXPECT_LE(exe[base + 73], 250);
    bool amountAboveOneByte = false;
    for (std::size_t slot = 0; slot < 96; ++slot) {
        const std::uint16_t amount = readU16(exe, base + 74 + 2 * slot);
        EXPECT_LE(amount, 28671) << "slot " << slot;
        amountAboveOneByte = amountAboveOneByte || amount > 255;
    }
    EXPECT_TRUE(amountAboveOneByte);

    // Facility types: each standard-to-build byte is that type's "Yes" or "No" value.
    constexpr std::array<std::uint8_t, 17> yesValues = {5, 4, 4, 4, 5, 4, 5, 4, 4, 14, 14, 14, 13, 13, 12, 13, 4};
    for (std::size_t k = 0; k < 17; ++k) {
        const std::size_t record = layout.facilityTable + 16 * k;
        EXPECT_GT(readS16(exe, record), 0) << "facility " << k;
        const std::uint8_t standard = exe[record + 10];
        EXPECT_TRUE(standard == yesValues[k] || standard == yesValues[k] - 4) << "facility " << k;
    }

    // Units: flags, percentages and bravery codes in range from the first record to the last.
    for (std::size_t k = 0; k < 33; ++k) {
        const std::size_t record = layout.unitTable + 39 * k;
        EXPECT_LE(exe[record + 0], 1) << "unit " << k;
        EXPECT_GT(exe[record + 1], 0) << "unit " << k;
        for (std::size_t field : {5u, 6u, 7u, 25u, 26u}) EXPECT_LE(exe[record + field], 100) << "unit " << k;
        EXPECT_LE(exe[record + 27], 11) << "unit " << k;
    }

    // Names: every slot holds a name then zeros; full-width names and an accented name occur.
    bool fullLastName = false;
    bool fullFirstName = false;
    bool accented = false;
    for (std::size_t n = 0; n < 120; ++n) {
        const auto last = textLength(exe, layout.lastNames + 12 * n, 12);
        const auto first = textLength(exe, layout.firstNames + 11 * n, 11);
        ASSERT_TRUE(last && first) << "name " << n;
        fullLastName = fullLastName || *last == 12;
        fullFirstName = fullFirstName || *first == 11;
        accented = accented || containsByte(exe, layout.lastNames + 12 * n, 12, 0x82) ||
                   containsByte(exe, layout.firstNames + 11 * n, 11, 0x82);
    }
    EXPECT_TRUE(fullLastName);
    EXPECT_TRUE(fullFirstName);
    EXPECT_TRUE(accented);
}

std::string layoutName(const ::testing::TestParamInfo<EditionLayout>& test)
{
    return test.param.name;
}

INSTANTIATE_TEST_SUITE_P(Editions, SampleGameTest, ::testing::ValuesIn(Layouts), layoutName);

TEST(SampleGame, EditionsHaveDifferentExecutables)
{
    const ByteImage ce = makeSampleFiles(GameEdition::Collectors).exe;
    const ByteImage dos12 = makeSampleFiles(GameEdition::Dos12).exe;
    const ByteImage dos14 = makeSampleFiles(GameEdition::Dos14).exe;
    const auto prefix = static_cast<std::ptrdiff_t>(dos14.size());
    EXPECT_FALSE(std::equal(ce.begin(), ce.begin() + prefix, dos12.begin()));
    EXPECT_FALSE(std::equal(ce.begin(), ce.begin() + prefix, dos14.begin()));
    EXPECT_FALSE(std::equal(dos12.begin(), dos12.begin() + prefix, dos14.begin()));
}

TEST(SampleGame, ItemRecordsAreConsistent)
{
    const ByteImage obdata = makeSampleFiles(GameEdition::Collectors).obdata;
    constexpr std::array<std::size_t, 18> untouched = {20, 21, 23, 24, 25, 29, 30, 39, 40, 42,
                                                       45, 46, 47, 48, 50, 51, 52, 53};
    bool fullName = false;
    bool accented = false;
    for (std::size_t n = 0; n < 80; ++n) {
        const std::size_t r = 54 * n;
        const auto name = textLength(obdata, r, 20);
        ASSERT_TRUE(name) << "item " << n;
        fullName = fullName || *name == 20;
        accented = accented || containsByte(obdata, r, 20, 0x82);
        for (std::size_t ammo = r + 26; ammo <= r + 28; ++ammo) {
            if (obdata[ammo] == 255) continue;
            ASSERT_LT(obdata[ammo], 80) << "item " << n;
            EXPECT_EQ(obdata[54u * obdata[ammo] + 49], 1) << "item " << n << " loads a record that is no clip";
        }
        EXPECT_TRUE(obdata[r + 31] <= 5 || obdata[r + 31] == 255) << "item " << n;
        for (std::size_t field : {35u, 36u, 37u, 38u, 41u, 43u}) EXPECT_LE(obdata[r + field], 100) << "item " << n;
        EXPECT_LE(obdata[r + 44], 3) << "item " << n;
        EXPECT_LE(obdata[r + 49], 1) << "item " << n;
        for (std::size_t field : untouched) EXPECT_NE(obdata[r + field], 0) << "item " << n << " byte " << field;
    }
    EXPECT_TRUE(fullName);
    EXPECT_TRUE(accented);

    // The last record ends the file: its weight at 4309, its clip flag at 4315.
    EXPECT_EQ(decodeField(obdata, 4266, 20), "Gauss Rifle");
    EXPECT_EQ(obdata[4266 + 26], 78);
    EXPECT_EQ(obdata[4309], 9);
    EXPECT_EQ(obdata[4315], 0);
}

TEST(SampleGame, StringFilesAreRunsOfTerminatedTexts)
{
    const sample::SampleFiles files = makeSampleFiles(GameEdition::Dos12);
    for (const ByteImage* file : {&files.english, &files.english2}) {
        ASSERT_FALSE(file->empty());
        EXPECT_EQ(file->back(), 0);
        EXPECT_NE(file->front(), 0);
        const auto strings = std::count(file->begin(), file->end(), std::uint8_t{0});
        EXPECT_GE(strings, 200);
        EXPECT_LE(strings, 400);
        EXPECT_EQ(std::adjacent_find(file->begin(), file->end(),
                                     [](std::uint8_t a, std::uint8_t b) { return a == 0 && b == 0; }),
                  file->end())
            << "an empty string";
    }
    const std::string english(files.english.begin(), files.english.end());
    EXPECT_EQ(english.rfind(std::string("Research complete") + '\0', 0), 0u);
}

} // namespace
} // namespace orvane
