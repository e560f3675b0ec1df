// The five-step undo history, and the "unsaved changes" state of a session on a sample game.
#include <filesystem>

#include "editors/PatchApply.h"
#include "files/FileSystem.h"
#include "support/PageTest.h"

namespace orvane {
namespace {

// Undo never touches the disk; a file system that refuses everything proves it.
class NoDisk : public FileSystem {
public:
    std::optional<std::uint64_t> fileLength(const std::string&) override { return std::nullopt; }
    std::optional<ByteImage> readWhole(const std::string&) override { return std::nullopt; }
    bool canReplace(const std::string&) override { return false; }
    std::optional<std::string> writeTemporary(const std::string&, const ByteImage&) override { return std::nullopt; }
    bool replace(const std::string&, const std::string&) override { return false; }
    bool remove(const std::string&) override { return false; }
    std::string resolve(const std::string& path) override { return path; }
};

// At most five snapshots, each back into its own image and page; Undo leaves Save alone, stops when empty.
TEST(UndoTest, theLastFiveSnapshotsGoBackEachIntoItsOwnImage)
{
    NoDisk disk;
    test::ScriptedPrompts prompts;
    EditorSession session(disk, prompts);
    std::vector<std::string> redrawn;
    for (const auto& [id, page] : {std::pair{FileId::Exe, "exe"},
                                   {FileId::English, "strings"},
                                   {FileId::English2, "strings"},
                                   {FileId::Obdata, "obdata"}}) {
        auto& file = session.files().file(id);
        file.image = ByteImage(16, static_cast<std::uint8_t>(id));
        file.asRead = file.image;
        file.loaded = true;
        session.onRestored(id, [&redrawn, page = page] { redrawn.emplace_back(page); });
    }
    // One edit as every page makes it: snapshot, then write.
    const auto edit = [&session](FileId id, std::size_t offset, std::uint8_t value) {
        session.pushSnapshot(id);
        session.image(id).at(offset) = value;
    };

    EXPECT_FALSE(session.undoAvailable() || session.saveAvailable());
    edit(FileId::Obdata, 0, 0xA0); // both pushed out by the five after them
    edit(FileId::Exe, 0, 0xB0);
    edit(FileId::Obdata, 1, 0xA1);
    edit(FileId::Exe, 1, 0xB1);
    edit(FileId::Obdata, 2, 0xA2);
    edit(FileId::English, 3, 0xC3);
    edit(FileId::Exe, 2, 0xB2);
    EXPECT_EQ(session.undoCount(), 5u);
    EXPECT_TRUE(session.undoAvailable() && session.saveAvailable());

    for (int n = 0; n < 6; ++n) session.undo(); // the sixth finds nothing left
    EXPECT_EQ(redrawn, (std::vector<std::string>{"exe", "strings", "obdata", "exe", "obdata"}));
    ByteImage exeFirstEdit(16, 1);
    exeFirstEdit[0] = 0xB0;
    EXPECT_EQ(session.image(FileId::Exe), exeFirstEdit);
    EXPECT_EQ(session.image(FileId::English), ByteImage(16, 2));
    ByteImage obdataFirstEdit(16, 4);
    obdataFirstEdit[0] = 0xA0;
    EXPECT_EQ(session.image(FileId::Obdata), obdataFirstEdit);
    EXPECT_EQ(session.image(FileId::English2), ByteImage(16, 3));
    EXPECT_FALSE(session.undoAvailable());
    EXPECT_TRUE(session.saveAvailable());
}

struct UnsavedChangesTest : ::testing::Test {
    UnsavedChangesTest() { sample.load(); }

    void edit(std::size_t offset)
    {
        sample.session.pushSnapshot(FileId::Exe);
        sample.exe().at(offset) ^= 0xFF;
    }

    test::SampleSession sample{GameEdition::Dos12};
    EditorSession& session = sample.session;
};

TEST_F(UnsavedChangesTest, followsEditsSavesUndosCloseFilesAndLoads)
{
    EXPECT_FALSE(session.modified());
    edit(10);
    EXPECT_TRUE(session.modified());
    session.undo();
    EXPECT_FALSE(session.modified()) << "undo back to the loaded images";

    edit(10);
    edit(11);
    session.save();
    EXPECT_FALSE(session.modified());
    edit(12);
    EXPECT_TRUE(session.modified());
    session.undo();
    EXPECT_FALSE(session.modified()) << "undo back to the saved images";
    session.undo();
    EXPECT_TRUE(session.modified()) << "the images now differ from the saved files";
    session.undo();
    EXPECT_FALSE(session.undoAvailable());
    EXPECT_TRUE(session.modified()) << "back at the loaded images, which are not what was saved";

    session.save();
    for (std::size_t offset = 20; offset < 26; ++offset) edit(offset);
    for (int undo = 0; undo < 6; ++undo) session.undo();
    EXPECT_TRUE(session.modified()) << "the first edit has dropped out of the history";

    sample.prompts.answerNo();
    session.closeFiles({});
    EXPECT_FALSE(session.modified());
    edit(30); // the page controls that stay usable still edit the images in memory
    EXPECT_TRUE(session.modified());
    sample.load();
    EXPECT_FALSE(session.modified());
    session.undo();
    EXPECT_FALSE(session.modified()) << "a load empties the history";
}

// A failed Save stops Close files; a load that stopped at a data file is refused by every writing command.
TEST_F(UnsavedChangesTest, aFailedOrRefusedSaveKeepsTheChangesAndStopsCloseFiles)
{
    edit(40);
    const auto expectStillOpen = [this](const std::string& title, const std::string& part) {
        bool disabled = false;
        sample.prompts.clearShown();
        sample.prompts.answerYes();
        session.closeFiles([&disabled] { disabled = true; });
        test::expectOneMessage(sample.prompts, title, part);
        EXPECT_FALSE(disabled);
        EXPECT_TRUE(session.modified() && session.filesOpen() && session.saveAvailable());
        EXPECT_EQ(session.undoCount(), 1u);
    };
    const auto exeFolder = std::filesystem::path(sample.exePath).parent_path();
    std::filesystem::rename(exeFolder, sample.dir.path() / "moved");
    sample.prompts.answerChoice("Overwrite"); // the files are gone from where they were loaded
    expectStillOpen("Files not saved", sample.dir.str());

    std::filesystem::rename(sample.dir.path() / "moved", exeFolder);
    std::filesystem::remove(sample.dir.path() / "GEODATA" / "ENGLISH2.DAT");
    ASSERT_EQ(sample.tryLoad(), LoadResult::Failed);
    edit(41);
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Master backup not made",
         [this] {
             sample.prompts.answerYes();
             session.makeMasterBackup();
         }},
        {"Patch file not made", [this] { session.makePatchFile(); }},
        {"Patch not applied", [this] { applyPatchFile(session); }},
    };
    for (const auto& [title, command] : commands) {
        sample.prompts.clearShown();
        command();
        test::expectOneMessage(sample.prompts, title, "Load the files again");
        EXPECT_TRUE(sample.prompts.scriptUsed());
    }
    expectStillOpen("Files not saved", "Load the files again");
}

} // namespace
} // namespace orvane
