// The session with edits of its own while the test, as another program, renames a file over a game file.
#include <gtest/gtest.h>

#include "support/FieldPlace.h"
#include "support/SampleSession.h"

namespace orvane::test {
namespace {

using changes::PageId;

class DiskChanges : public ::testing::Test {
protected:
    void SetUp() override { game.load(); }

    FieldPlace unitField(const char* label) const { return placeOf(GameEdition::Collectors, PageId::Units, 7, label); }

    // An edit as a page makes it: a snapshot, then the byte.
    void edit(const FieldPlace& place, std::uint8_t value)
    {
        game.session.pushSnapshot(FileId::Exe);
        game.exe().at(place.at) = value;
    }

    // Another program's write of the executable as loaded with these bytes changed.
    ByteImage writeFromOutside(const std::map<std::size_t, std::uint8_t>& bytes)
    {
        ByteImage exe = readFileBytes(game.exePath);
        for (const auto& [at, value] : bytes) exe.at(at) = value;
        RealFileSystem disk;
        const auto temporary = disk.writeTemporary(game.exePath, exe);
        EXPECT_TRUE(temporary && disk.replace(*temporary, game.exePath));
        return exe;
    }

    SampleSession game{GameEdition::Collectors};
};

TEST_F(DiskChanges, keepBothSavesBothSidesNamesTheValueBothChangedAndUndoKeepsTheirs)
{
    const FieldPlace health = unitField("Health:");
    const FieldPlace timeUnits = unitField("Time Units:");
    const ByteImage asLoaded = game.exe();
    edit(health, 45);
    edit({5, 1}, static_cast<std::uint8_t>(asLoaded[5] ^ 0x55));
    const ByteImage theirs = writeFromOutside({{health.at, 50}, {timeUnits.at, 70}});
    EXPECT_EQ(game.session.newDiskChanges(), std::vector<FileId>{FileId::Exe});
    EXPECT_TRUE(game.session.newDiskChanges().empty()) << "a change is told once";

    game.prompts.answerChoice("Keep Both");
    ASSERT_TRUE(game.session.save());
    const auto shown = game.prompts.shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].title, "Files changed on disk");
    EXPECT_NE(shown[0].text.find(game.exePath), std::string::npos) << shown[0].text;
    EXPECT_NE(shown[1].text.find(", Health: 45 kept, 50 on disk"), std::string::npos) << shown[1].text;
    EXPECT_EQ(shown[2].text, "All files saved.");

    ByteImage both = theirs;
    both[health.at] = 45;
    both[5] = static_cast<std::uint8_t>(asLoaded[5] ^ 0x55);
    EXPECT_EQ(changedBytes(both, readFileBytes(game.exePath)), (std::map<std::size_t, std::uint8_t>{}));
    EXPECT_EQ(readFileBytes(game.exePath + ".bak"), theirs) << "the backup holds the file before this save";

    // Undo takes back our edits and leaves theirs.
    game.session.undo();
    game.session.undo();
    EXPECT_EQ(changedBytes(theirs, game.exe()), (std::map<std::size_t, std::uint8_t>{}));
}

TEST_F(DiskChanges, cancelKeepsTheEditsOverwriteWritesOursAndReloadAsksBeforeDroppingEdits)
{
    const FieldPlace health = unitField("Health:");
    edit(health, 45);
    const ByteImage ours = game.exe();
    const ByteImage theirs = writeFromOutside({{unitField("Energy:").at, 99}});

    game.prompts.answerChoice("Cancel");
    EXPECT_FALSE(game.session.save());
    EXPECT_EQ(readFileBytes(game.exePath), theirs);
    EXPECT_EQ(game.exe(), ours);
    EXPECT_TRUE(game.session.saveAvailable() && game.session.modified());
    EXPECT_TRUE(game.prompts.messages().empty());

    game.prompts.answerChoice("Overwrite");
    ASSERT_TRUE(game.session.save());
    EXPECT_EQ(readFileBytes(game.exePath), ours);
    // Our own write is no change from outside.
    EXPECT_TRUE(game.session.newDiskChanges().empty());

    // Reload asks before it drops edits; Keep Both without edits is a reload.
    edit(health, 46);
    const ByteImage reloaded = writeFromOutside({{unitField("Energy:").at, 98}});
    game.prompts.answerNo();
    EXPECT_FALSE(game.session.reloadFromDisk());
    EXPECT_EQ(game.exe().at(health.at), 46);
    game.prompts.answerYes();
    EXPECT_TRUE(game.session.reloadFromDisk());
    EXPECT_EQ(game.exe(), reloaded);
    EXPECT_FALSE(game.session.modified() || game.session.undoAvailable() || game.session.saveAvailable());

    const ByteImage later = writeFromOutside({{unitField("Energy:").at, 97}});
    EXPECT_TRUE(game.session.keepBothWithDisk());
    EXPECT_EQ(game.exe(), later);
    EXPECT_FALSE(game.session.modified());
}

} // namespace
} // namespace orvane::test
