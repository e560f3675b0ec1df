#include <filesystem>

#include "editors/UnitEditor.h"
#include "files/PatchFile.h"
#include "samplegame/SampleLayout.h"
#include "support/DiskTree.h"
#include "support/PageTest.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;

constexpr std::size_t EnglishLength = 1'000;
constexpr std::size_t English2Length = 2'000;
constexpr int HoverTank = 32;
// Hover Tank time units in a patch: unit region at 3,299, 3 bytes before the table; record 32 of 39 bytes.
constexpr std::size_t HoverTankTimeUnitsInPatch = 3'299 + 3 + 32 * 39 + 1;

// A sample game whose string files are 1,000 and 2,000 bytes long, the same in every edition.
struct PatchGame {
    explicit PatchGame(GameEdition edition) : game(edition)
    {
        ByteImage english(EnglishLength), english2(English2Length);
        for (std::size_t i = 0; i < english.size(); ++i) english[i] = static_cast<std::uint8_t>(i % 200 + 1);
        for (std::size_t i = 0; i < english2.size(); ++i) english2[i] = static_cast<std::uint8_t>(i % 190 + 3);
        writeFileBytes(game.dir.str() + "/GEODATA/ENGLISH.DAT", english);
        writeFileBytes(game.dir.str() + "/GEODATA/ENGLISH2.DAT", english2);
        game.load();
    }

    // Make Patch Files, answering the save dialog with `name` in the game folder; the file's bytes.
    ByteImage makePatch(const std::string& name = "edited.qev")
    {
        game.prompts.answerFile(path(name));
        game.session.makePatchFile();
        EXPECT_TRUE(game.prompts.scriptUsed());
        return readFileBytes(path(name));
    }

    std::string path(const std::string& name) const { return game.dir.str() + "/" + name; }

    SampleSession game;
};

void appendSlice(ByteImage& out, const ByteImage& from, std::size_t start, std::size_t length)
{
    out.insert(out.end(), from.begin() + static_cast<std::ptrdiff_t>(start),
               from.begin() + static_cast<std::ptrdiff_t>(start + length));
}

// Each edition's patch holds an unsaved edit, replaces a longer file whole; Cancel writes nothing.
TEST(PatchFile, gathersTheRegionsOfEachEditionWithTheirEditsAndTheDataFilesWhole)
{
    for (const GameEdition edition : AllEditions) {
        SCOPED_TRACE(editionName(edition));
        PatchGame patch(edition);
        const DiskTree unwritten = filesUnder(patch.game.dir.path());
        patch.game.prompts.answerFile(std::nullopt);
        patch.game.session.makePatchFile();
        EXPECT_EQ(filesUnder(patch.game.dir.path()), unwritten);

        units::UnitEditor units(patch.game.session);
        units.choose(HoverTank);
        patch.game.prompts.answer("201");
        units.editStat(units::UnitStat::TimeUnits);
        const GameFileSet& files = patch.game.session.files();
        const ByteImage exe = files.image(FileId::Exe);

        ByteImage expected{0x01};
        appendSlice(expected, exe, *sample::StartingBaseStart.in(edition), 266);
        appendSlice(expected, exe, *sample::FacilityTableStart.in(edition)-2, 272);
        appendSlice(expected, exe, *sample::LastNameTableStart.in(edition), 2'760);
        appendSlice(expected, exe, *sample::UnitTableStart.in(edition)-3, 1'287);
        appendSlice(expected, files.image(FileId::Obdata), 0, ObdataLength);
        appendSlice(expected, files.image(FileId::English), 0, EnglishLength);
        expected.insert(expected.end(), {0xFF, 0xFF, 0xFF});
        appendSlice(expected, files.image(FileId::English2), 0, English2Length);

        // A name typed without ".qev" is used as typed.
        writeFileBytes(patch.path("no-extension"), ByteImage(20'000, 0xAA));
        const ByteImage written = patch.makePatch("no-extension");
        EXPECT_FALSE(stdfs::exists(patch.path("no-extension.qev")));
        ASSERT_EQ(written.size(), 11'909u);
        EXPECT_EQ(written, expected);
        EXPECT_EQ(written.at(HoverTankTimeUnitsInPatch), 201);
        EXPECT_EQ(ByteImage(written.begin() + 9'905, written.begin() + 9'910), (ByteImage{200, 0xFF, 0xFF, 0xFF, 3}));
        EXPECT_EQ(buildPatchFile(files), written);

        EXPECT_EQ(patch.game.prompts.lastFilter.description, "Patch File (*.qev)");
        EXPECT_EQ(patch.game.prompts.lastFilter.pattern, "*.qev");
        EXPECT_TRUE(patch.game.prompts.messages().empty());
        EXPECT_EQ(patch.game.exe(), exe);
        EXPECT_TRUE(patch.game.session.saveAvailable());
        EXPECT_EQ(patch.game.session.undoCount(), 1u);
    }
}

} // namespace
} // namespace orvane::test
