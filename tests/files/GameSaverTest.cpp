#include <filesystem>

#include "files/GameSaver.h"
#include "support/DiskTree.h"
#include "support/SampleSession.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;
using Tree = DiskTree;

// The files of a Collector's Edition sample game, and the backup each one gets.
const std::map<std::string, FileId> GameFiles{
    {"QEV.EXE", FileId::Exe}, {"GEODATA/ENGLISH.DAT", FileId::English},
    {"GEODATA/ENGLISH2.DAT", FileId::English2}, {"GEODATA/OBDATA.DAT", FileId::Obdata}};
const std::map<std::string, std::string> BackupOf{
    {"QEV.EXE.bak", "QEV.EXE"}, {"GEODATA/english.bak", "GEODATA/ENGLISH.DAT"},
    {"GEODATA/english2.bak", "GEODATA/ENGLISH2.DAT"}, {"GEODATA/obdata.bak", "GEODATA/OBDATA.DAT"}};

// Changes one byte of every image, and shortens ENGLISH.DAT, so a save shows in every file.
GameFileSet& editEveryImage(SampleSession& game)
{
    GameFileSet& files = game.session.files();
    for (LoadedFile& file : files.files) ++file.image.at(10);
    files.image(FileId::English).resize(files.image(FileId::English).size() - 25);
    return files;
}

// Two saves after one load: the backups still hold the files as loaded, a stale backup longer than its file
// is replaced whole, and the files replaced keep their permissions. (A save without backups writes only the
// game files: see the disk faults.)
TEST(Save, writesTheFourFilesAndTheBackupsOfTheFilesAsLoaded)
{
    SampleSession game(GameEdition::Collectors);
    const Tree asLoaded = filesUnder(game.dir.path());
    game.load();
    const ByteImage staleBackup(asLoaded.at("GEODATA/ENGLISH.DAT").size() + 500, 1);
    writeFileBytes(game.dir.str() + "/GEODATA/english.bak", staleBackup);
    const std::string obdata = game.dir.str() + "/GEODATA/OBDATA.DAT";
    stdfs::permissions(game.exePath, stdfs::perms(0750));
    stdfs::permissions(obdata, stdfs::perms(0640));
    const stdfs::perms exePermissions = stdfs::status(game.exePath).permissions();
    const stdfs::perms obdataPermissions = stdfs::status(obdata).permissions();

    ASSERT_TRUE(saveGameFiles(editEveryImage(game), game.fs, true).ok);
    const GameFileSet& files = editEveryImage(game);
    ASSERT_TRUE(saveGameFiles(files, game.fs, true).ok);

    Tree expected;
    for (const auto& [name, id] : GameFiles) expected[name] = files.image(id);
    for (const auto& [backup, name] : BackupOf) expected[backup] = asLoaded.at(name);
    EXPECT_EQ(filesUnder(game.dir.path()), expected);
    EXPECT_EQ(stdfs::status(game.exePath).permissions(), exePermissions);
    EXPECT_EQ(stdfs::status(obdata).permissions(), obdataPermissions);
}

TEST(MasterBackup, eachFileHoldsItsOwnFileAsLoaded)
{
    SampleSession game(GameEdition::Dos12);
    writeFileBytes(game.dir.str() + "/GEODATA/OBDATA(MASTER).bak", ByteImage(9000, 3)); // an earlier master set
    Tree expected = filesUnder(game.dir.path());
    game.load();
    ASSERT_TRUE(writeMasterBackup(editEveryImage(game), game.fs).ok);

    expected["QEVEXE/GEOSCAPE.EXE(MASTER).bak"] = expected.at("QEVEXE/GEOSCAPE.EXE");
    expected["GEODATA/ENGLISH(MASTER).bak"] = expected.at("GEODATA/ENGLISH.DAT");
    expected["GEODATA/ENGLISH2(MASTER).bak"] = expected.at("GEODATA/ENGLISH2.DAT");
    expected["GEODATA/OBDATA(MASTER).bak"] = expected.at("GEODATA/OBDATA.DAT");
    EXPECT_EQ(filesUnder(game.dir.path()), expected);
}

// The write of failedFile is cut short, or else its rename fails; paths relative to the game folder.
struct FaultRow { bool shortWrite; std::string failedFile; std::vector<std::string> replacedFiles; };

TEST(SaveFaults, everyGameFileIsEitherTheOldOrTheNewOneAndTheUserIsTold)
{
    const std::vector<FaultRow> rows{
        {true, "GEODATA/english2.bak", {}},
        {false, "GEODATA/ENGLISH.DAT",
         {"QEV.EXE.bak", "GEODATA/english.bak", "GEODATA/english2.bak", "GEODATA/obdata.bak", "QEV.EXE"}},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.failedFile);
        SampleSession game(GameEdition::Collectors);
        const auto inGame = [&](const std::string& name) { return (game.dir.path() / name).make_preferred().string(); };
        const Tree before = filesUnder(game.dir.path());
        game.load();
        FakeFileSystem fs;
        (row.shortWrite ? fs.shortWriteFor : fs.failReplaceFor) = stdfs::path(row.failedFile).filename().string();
        const WriteResult result = saveGameFiles(editEveryImage(game), fs, true);

        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failedFile, inGame(row.failedFile));
        const std::string message = describeWriteFailure(result);
        EXPECT_NE(message.find(result.failedFile), std::string::npos) << message;
        std::vector<std::string> replaced;
        for (const auto& name : row.replacedFiles) replaced.push_back(inGame(name));
        EXPECT_EQ(result.replacedFiles, replaced);
        for (const auto& name : replaced) EXPECT_NE(message.find(name + "\n"), std::string::npos) << message;
        EXPECT_EQ(message.find("No file was changed.") != std::string::npos, replaced.empty()) << message;

        // No temporary file is left, and each file is wholly old or wholly new.
        Tree expected = before;
        for (const auto& name : row.replacedFiles) {
            expected[name] =
                BackupOf.count(name) ? before.at(BackupOf.at(name)) : game.session.image(GameFiles.at(name));
        }
        EXPECT_EQ(filesUnder(game.dir.path()), expected);
    }
}

} // namespace
} // namespace orvane::test
