#include <filesystem>

#include <gtest/gtest.h>

#include "files/GamePaths.h"
#include "files/RealFileSystem.h"
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

} // namespace
} // namespace orvane::test
