#include <filesystem>

#include <gtest/gtest.h>

#include "files/GamePaths.h"
#include "files/RealFileSystem.h"
#include "support/FakeFileSystem.h"
#include "support/ImageDiff.h"
#include "support/TempDir.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;

TEST(GamePaths, joinsBackslashPathsAsTheyStand)
{
    EXPECT_EQ(joinGamePath("/games/qev", "\\geodata\\obdata.dat"), "/games/qev/geodata/obdata.dat");
    EXPECT_EQ(joinGamePath("/games/qev/QEVEXE", "\\..\\geodata"), "/games/qev/QEVEXE/../geodata");
    EXPECT_EQ(folderOf("/games/qev/QEV.EXE"), "/games/qev");
    EXPECT_EQ(joinGamePath(folderOf("/QEV.EXE"), "\\geodata"), "/geodata");
    EXPECT_EQ(folderOf("QEV.EXE"), ".");
}

TEST(RealFileSystemResolve, matchesEachComponentWithoutRegardToCase)
{
    TempDir dir;
    stdfs::create_directories(dir.path() / "Game" / "GEODATA");
    stdfs::create_directories(dir.path() / "Game" / "QEVEXE");
    writeFileBytes((dir.path() / "Game" / "GEODATA" / "OBDATA.DAT").string(), {1});
    const std::string root = dir.str();
    RealFileSystem fs;

    const std::vector<std::pair<std::string, std::string>> rows{
        {"/Game/GEODATA/OBDATA.DAT", "/Game/GEODATA/OBDATA.DAT"},           // exact
        {"/game/geodata/obdata.dat", "/Game/GEODATA/OBDATA.DAT"},           // every component differs
        {"/game/qevexe/../geodata/obdata.dat", "/Game/QEVEXE/../GEODATA/OBDATA.DAT"}, // ".." kept
        {"/game/./geodata/english.bak", "/Game/./GEODATA/english.bak"},     // a new file keeps its name
        {"/game/nothing/obdata.dat", "/Game/nothing/obdata.dat"},           // nothing below a missing folder
    };
    for (const auto& [asked, onDisk] : rows) {
        EXPECT_EQ(fs.resolve(root + asked), root + onDisk) << asked;
    }
}

TEST(RealFileSystemFiles, lengthReadAndExistence)
{
    TempDir dir;
    const std::string file = (dir.path() / "file").string();
    const std::string folder = (dir.path() / "folder").string();
    writeFileBytes(file, {1, 2, 3});
    stdfs::create_directory(folder);
    RealFileSystem fs;

    EXPECT_EQ(fs.fileLength(file), 3U);
    EXPECT_EQ(fs.readWhole(file), (ByteImage{1, 2, 3}));
    EXPECT_EQ(fs.fileLength(folder), std::nullopt);
    EXPECT_EQ(fs.readWhole(folder), std::nullopt);
    EXPECT_TRUE(fs.exists(folder));
    EXPECT_EQ(fs.fileLength(file + "x"), std::nullopt);
    EXPECT_FALSE(fs.exists(file + "x"));
    EXPECT_TRUE(fs.remove(file));
    EXPECT_FALSE(fs.exists(file));
    EXPECT_TRUE(fs.remove(file)) << "a file that is already gone counts as removed";
}

TEST(RealFileSystemWrite, aShortWriteFailsAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string target = (dir.path() / "target").string();
    writeFileBytes(target, {9, 9});
    FakeFileSystem fs;
    fs.failAfterBytes(100);

    EXPECT_EQ(fs.writeTemporary(target, ByteImage(1000, 7)), std::nullopt);
    EXPECT_NE(fs.writeTemporary(target, ByteImage(100, 7)), std::nullopt) << "a write within the budget succeeds";
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : stdfs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2U) << "the target and the one complete temporary file";
    EXPECT_EQ(readFileBytes(target), (ByteImage{9, 9}));
}

} // namespace
} // namespace orvane::test
