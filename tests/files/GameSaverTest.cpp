#include <filesystem>

#include "files/GameSaver.h"
#include "support/FaultGame.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;

// Changes one byte of every image, and shortens ENGLISH.DAT, so a save shows in every file.
GameFileSet& editEveryImage(SampleSession& game)
{
    GameFileSet& files = game.session.files();
    for (LoadedFile& file : files.files) ++file.image.at(10);
    files.image(FileId::English).resize(files.image(FileId::English).size() - 25);
    return files;
}

// Two saves after one load: backups hold the loaded files, a longer stale backup is replaced, modes kept.
TEST(Save, writesTheFourFilesAndTheBackupsOfTheFilesAsLoaded)
{
    SampleSession game(GameEdition::Collectors);
    const DiskTree asLoaded = filesUnder(game.dir.path());
    game.load();
    const ByteImage staleBackup(asLoaded.at("GEODATA/ENGLISH.DAT").size() + 500, 1);
    writeFileBytes(game.dir.str() + "/GEODATA/english.bak", staleBackup);
    const std::string obdata = game.dir.str() + "/GEODATA/OBDATA.DAT";
    stdfs::permissions(game.exePath, stdfs::perms(0750));
    stdfs::permissions(obdata, stdfs::perms(0640));
    const stdfs::perms exePermissions = stdfs::status(game.exePath).permissions();
    const stdfs::perms obdataPermissions = stdfs::status(obdata).permissions();

    const auto lock = GameLock::acquire(game.fs, game.exePath);
    ASSERT_TRUE(lock);
    ASSERT_TRUE(saveGameFiles(editEveryImage(game), game.fs, *lock, {}).ok);
    GameFileSet& files = editEveryImage(game);
    ASSERT_TRUE(saveGameFiles(files, game.fs, *lock, {}).ok);

    DiskTree expected;
    for (const auto& [name, id] : GameFiles) expected[name] = files.image(id);
    for (std::size_t i = 0; i < 4; ++i) expected[BackupNames[i]] = asLoaded.at(GameFiles[i].first);
    EXPECT_EQ(filesUnder(game.dir.path()), expected);
    EXPECT_EQ(stdfs::status(game.exePath).permissions(), exePermissions);
    EXPECT_EQ(stdfs::status(obdata).permissions(), obdataPermissions);
}

// On the fake disk, a short write or a failed rename: every file old or new, nothing left, files named.
TEST(SaveFaults, everyGameFileIsEitherTheOldOrTheNewOneAndTheUserIsTold)
{
    for (const std::size_t step : {2u, 5u}) {
        FaultGame game(Commands[0]);
        const bool shortWrite = step == 2;
        const std::string name = stdfs::path(game.step(step).name).filename().string();
        SCOPED_TRACE(std::string(shortWrite ? "cut short: " : "not renamed: ") + name);
        (shortWrite ? game.disk().shortWriteFor : game.disk().failReplaceFor) = name;
        // A rename that keeps failing is undone: the files replaced before it get their old bytes back.
        EXPECT_EQ(game.runThroughFault(step, 0,
                                       [&game] {
                                           game.disk().shortWriteFor = game.disk().failReplaceFor = "";
                                           return std::string();
                                       }),
                  "");
    }
}

} // namespace
} // namespace orvane::test
