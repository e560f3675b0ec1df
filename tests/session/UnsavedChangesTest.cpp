// The "unsaved changes" state of a session on a sample game: it follows edits, Save, Undo back to the
// saved state, Close files and a new load, and a failed Save leaves it set.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/PageTest.h"

namespace orvane {
namespace {

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

TEST_F(UnsavedChangesTest, FollowsEditsSavesAndUndos)
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
    EXPECT_TRUE(session.undoAvailable());
    session.undo();
    EXPECT_FALSE(session.undoAvailable());
    EXPECT_TRUE(session.modified()) << "back at the loaded images, which are not what was saved";
}

TEST_F(UnsavedChangesTest, SixEditsAndFiveUndosStayModifiedUntilCloseOrLoad)
{
    for (std::size_t offset = 20; offset < 26; ++offset) edit(offset);
    for (int undo = 0; undo < 6; ++undo) session.undo();
    EXPECT_FALSE(session.undoAvailable());
    EXPECT_TRUE(session.modified()) << "the first edit has dropped out of the history";

    sample.prompts.answerYesNo(false);
    session.closeFiles({});
    EXPECT_FALSE(session.modified());
    edit(30); // the page controls that stay usable still edit the images in memory
    EXPECT_TRUE(session.modified());

    sample.load();
    EXPECT_FALSE(session.modified());
    session.undo();
    EXPECT_FALSE(session.modified()) << "a load empties the history";
}

TEST_F(UnsavedChangesTest, AFailedSaveKeepsTheChanges)
{
    edit(40);
    std::filesystem::remove_all(std::filesystem::path(sample.exePath).parent_path());
    session.save();
    test::expectOneMessage(sample.prompts, "Files not saved", sample.dir.str());
    EXPECT_TRUE(session.modified());
}

} // namespace
} // namespace orvane
