// The file system in memory, as the web edition uses it: a game put in loads and saves as on disk,
// and the steps of its save, carried out on a real folder in their order, leave that folder as a
// save on disk does.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "files/MemoryFileSystem.h"
#include "support/DiskTree.h"
#include "support/SampleSession.h"

namespace orvane::test {
namespace {

// Every image changed in the same way, then saved.
void editAndSave(EditorSession& session)
{
    for (LoadedFile& file : session.files().files) file.image.at(10) ^= 0x5a;
    session.save();
}

void carryOut(const std::vector<MemoryFileSystem::Step>& steps, const std::filesystem::path& root)
{
    for (const MemoryFileSystem::Step& step : steps) {
        const std::filesystem::path path = root / step.path.substr(1);
        switch (step.kind) {
        case MemoryFileSystem::Step::Kind::Write:
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(step.bytes.data()),
                       static_cast<std::streamsize>(step.bytes.size()));
            break;
        case MemoryFileSystem::Step::Kind::Replace: std::filesystem::rename(path, root / step.target.substr(1)); break;
        case MemoryFileSystem::Step::Kind::Remove: std::filesystem::remove(path); break;
        }
    }
}

TEST(MemoryFileSystem, aGameSavedInMemoryLeavesARealFolderAsASaveOnDiskDoes)
{
    SampleSession onDisk(GameEdition::Collectors);
    const DiskTree asMade = filesUnder(onDisk.dir.path());

    MemoryFileSystem memory;
    for (const auto& [name, bytes] : asMade) memory.put("/game/" + name, bytes);
    ScriptedPrompts prompts;
    EditorSession inMemory(memory, prompts);
    prompts.answerFile("/game/QEV.EXE");
    SilentProgress progress;
    ASSERT_EQ(inMemory.loadFiles(progress, LoadCalls{}), LoadResult::Complete);
    EXPECT_EQ(inMemory.files().file(FileId::English).diskPath, "/game/GEODATA/ENGLISH.DAT");
    memory.takeSteps();
    editAndSave(inMemory);
    EXPECT_EQ(prompts.messages().back().text, "All files saved.");

    onDisk.load();
    editAndSave(onDisk.session);
    const DiskTree saved = filesUnder(onDisk.dir.path());

    TempDir replayed;
    writeTree(replayed.path() / "game", asMade);
    carryOut(memory.takeSteps(), replayed.path());
    EXPECT_EQ(treeDifferences(saved, filesUnder(replayed.path() / "game")), "");
    for (const auto& [name, bytes] : saved) {
        ASSERT_NE(memory.find("/game/" + name), nullptr) << name;
        EXPECT_EQ(*memory.find("/game/" + name), bytes) << name;
    }
    EXPECT_EQ(memory.listFolder("/game/GEODATA").size(), saved.size() - 2); // all but QEV.EXE and its .bak
}

TEST(MemoryFileSystem, namesAreFoundWithoutRegardToCaseAndAReplaceGivesTheFileANewStamp)
{
    MemoryFileSystem memory;
    memory.put("/g/Data/a.dat", ByteImage{1, 2});
    memory.put("/g/Data/A.DAT", ByteImage{3});
    EXPECT_EQ(memory.resolve("/g/data/a.dat"), "/g/Data/a.dat");
    EXPECT_EQ(memory.resolve("/g/DATA/new.dat"), "/g/Data/new.dat");
    EXPECT_EQ(memory.sameNameIgnoringCase("/g/Data/a.Dat").size(), 2U);
    EXPECT_FALSE(memory.fileLength("/g/Data/b.dat"));
    EXPECT_EQ(memory.readWhole("/g/Other/../Data/./a.dat"), (ByteImage{1, 2})); // as a DOS edition finds GEODATA

    const auto before = memory.stamp("/g/Data/a.dat");
    const auto temporary = memory.writeTemporary("/g/Data/a.dat", ByteImage{9, 9, 9});
    ASSERT_TRUE(temporary);
    EXPECT_EQ(memory.stamp("/g/Data/a.dat"), before);
    ASSERT_TRUE(memory.replace(*temporary, "/g/Data/a.dat"));
    EXPECT_NE(memory.stamp("/g/Data/a.dat"), before);
    EXPECT_EQ(memory.readWhole("/g/Data/a.dat"), (ByteImage{9, 9, 9}));
    EXPECT_FALSE(memory.exists(*temporary));
    EXPECT_FALSE(memory.replace(*temporary, "/g/Data/a.dat"));
    EXPECT_TRUE(memory.remove("/g/Data/A.DAT"));
    EXPECT_EQ(memory.takeSteps().size(), 3U);
    EXPECT_TRUE(memory.takeSteps().empty());
}

} // namespace
} // namespace orvane::test
