#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "GameFilesFixture.h"
#include "files/GameSaver.h"
#include "files/RealFileSystem.h"
#include "support/FakeFileSystem.h"
#include "support/ImageDiff.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;
using Tree = std::map<std::string, ByteImage>;

const std::vector<std::string> GameFiles{"GEODATA/ENGLISH.DAT", "GEODATA/ENGLISH2.DAT", "GEODATA/OBDATA.DAT",
                                         "QEV.EXE"};

std::vector<std::string> namesOf(const Tree& tree)
{
    std::vector<std::string> names;
    for (const auto& entry : tree) names.push_back(entry.first);
    return names;
}

// Changes one byte of every image, and shortens ENGLISH.DAT, so a save shows in every file.
void editEveryImage(GameFileSet& files)
{
    for (const FileId id : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) {
        files.image(id).at(10) = static_cast<std::uint8_t>(files.image(id).at(10) ^ 0xFF);
    }
    files.image(FileId::English).resize(files.image(FileId::English).size() - 25);
}

TEST(Save, writesTheFourFilesAndTheBackupsOfTheFilesAsLoaded)
{
    for (const bool makeBackups : {false, true}) {
        SCOPED_TRACE(makeBackups ? "with backups" : "without backups");
        SampleGameDir game(GameEdition::Collectors);
        RealFileSystem fs;
        const Tree asLoaded = filesUnder(game.dir.str());
        GameFileSet files = loadComplete(fs, game.exePath);
        // A stale english.bak longer than the file must not leave bytes at its end.
        writeFileBytes(game.path("GEODATA/english.bak"), ByteImage(asLoaded.at("GEODATA/ENGLISH.DAT").size() + 500, 1));

        // The files replaced keep their permissions.
        stdfs::permissions(game.exePath, stdfs::perms(0750));
        stdfs::permissions(game.path("GEODATA/OBDATA.DAT"), stdfs::perms(0640));

        // Two saves after one load: the backups still hold the files as loaded.
        for (int save = 0; save < 2; ++save) {
            editEveryImage(files);
            ASSERT_TRUE(saveGameFiles(files, fs, makeBackups).ok);
        }

        const Tree after = filesUnder(game.dir.str());
        std::vector<std::string> expectedNames = GameFiles;
        expectedNames.emplace_back("GEODATA/english.bak");
        if (makeBackups) {
            expectedNames.insert(expectedNames.end(), {"GEODATA/english2.bak", "GEODATA/obdata.bak", "QEV.EXE.bak"});
        }
        std::sort(expectedNames.begin(), expectedNames.end());
        EXPECT_EQ(namesOf(after), expectedNames);

        const std::map<std::string, FileId> imageOf{{"QEV.EXE", FileId::Exe},
                                                    {"GEODATA/ENGLISH.DAT", FileId::English},
                                                    {"GEODATA/ENGLISH2.DAT", FileId::English2},
                                                    {"GEODATA/OBDATA.DAT", FileId::Obdata}};
        for (const auto& [name, id] : imageOf) EXPECT_EQ(after.at(name), files.image(id)) << name;
        EXPECT_EQ(after.at("GEODATA/ENGLISH.DAT").size(), asLoaded.at("GEODATA/ENGLISH.DAT").size() - 50);
        EXPECT_EQ(stdfs::status(game.exePath).permissions(), stdfs::perms(0750));
        EXPECT_EQ(stdfs::status(game.path("GEODATA/OBDATA.DAT")).permissions(), stdfs::perms(0640));
        if (makeBackups) {
            EXPECT_EQ(after.at("QEV.EXE.bak"), asLoaded.at("QEV.EXE"));
            EXPECT_EQ(after.at("GEODATA/english.bak"), asLoaded.at("GEODATA/ENGLISH.DAT"));
            EXPECT_EQ(after.at("GEODATA/english2.bak"), asLoaded.at("GEODATA/ENGLISH2.DAT"));
            EXPECT_EQ(after.at("GEODATA/obdata.bak"), asLoaded.at("GEODATA/OBDATA.DAT"));
        }
    }
}

TEST(MasterBackup, eachFileHoldsItsOwnFileAsLoaded)
{
    SampleGameDir game(GameEdition::Dos12);
    RealFileSystem fs;
    const std::string root = game.dir.str();
    const Tree asLoaded = filesUnder(root);
    GameFileSet files = loadComplete(fs, game.exePath);
    editEveryImage(files);
    writeFileBytes(game.path("GEODATA/OBDATA(MASTER).bak"), ByteImage(9000, 3)); // an earlier master set

    ASSERT_TRUE(writeMasterBackup(files, fs).ok);
    const Tree after = filesUnder(root);
    EXPECT_EQ(after.size(), asLoaded.size() + 4);
    EXPECT_EQ(after.at("QEVEXE/GEOSCAPE.EXE(MASTER).bak"), asLoaded.at("QEVEXE/GEOSCAPE.EXE"));
    EXPECT_EQ(after.at("GEODATA/ENGLISH(MASTER).bak"), asLoaded.at("GEODATA/ENGLISH.DAT"));
    EXPECT_EQ(after.at("GEODATA/ENGLISH2(MASTER).bak"), asLoaded.at("GEODATA/ENGLISH2.DAT"));
    EXPECT_EQ(after.at("GEODATA/OBDATA(MASTER).bak"), asLoaded.at("GEODATA/OBDATA.DAT"));
    for (const auto& [name, bytes] : asLoaded) EXPECT_EQ(after.at(name), bytes) << name << " was not to change";
}

struct FaultRow {
    const char* name;
    std::function<void(FakeFileSystem&)> inject;
    std::string failedFile;                 // relative to the game folder
    std::vector<std::string> replacedFiles; // relative to the game folder, in order
};

TEST(SaveFaults, everyGameFileIsEitherTheOldOrTheNewOneAndTheUserIsTold)
{
    const std::vector<FaultRow> rows{
        {"third temporary file fails", [](FakeFileSystem& fs) { fs.failWriteTemporaryFor("english2.bak"); },
         "GEODATA/english2.bak", {}},
        {"short write", [](FakeFileSystem& fs) { fs.failAfterBytes(4096); }, "QEV.EXE.bak", {}},
        {"rename of ENGLISH.DAT fails", [](FakeFileSystem& fs) { fs.failReplaceFor("ENGLISH.DAT"); },
         "GEODATA/ENGLISH.DAT",
         {"QEV.EXE.bak", "GEODATA/english.bak", "GEODATA/english2.bak", "GEODATA/obdata.bak", "QEV.EXE"}},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.name);
        SampleGameDir game(GameEdition::Collectors);
        FakeFileSystem fs;
        GameFileSet files = loadComplete(fs, game.exePath);
        const Tree before = filesUnder(game.dir.str());
        editEveryImage(files);
        row.inject(fs);

        const WriteResult result = saveGameFiles(files, fs, true);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failedFile, game.path(row.failedFile));
        std::vector<std::string> replaced;
        for (const auto& name : row.replacedFiles) replaced.push_back(game.path(name));
        EXPECT_EQ(result.replacedFiles, replaced);

        const std::string message = describeWriteFailure(result);
        EXPECT_NE(message.find(game.path(row.failedFile)), std::string::npos) << message;
        for (const auto& name : replaced) EXPECT_NE(message.find(name), std::string::npos) << message;
        if (replaced.empty()) {
            EXPECT_NE(message.find("No file was changed."), std::string::npos) << message;
        }

        // No temporary file is left, and each file is wholly old or wholly new.
        const Tree after = filesUnder(game.dir.str());
        for (const auto& [name, bytes] : after) {
            EXPECT_EQ(name.find(".orvane-tmp-"), std::string::npos) << name;
            const bool replacedFile = std::find(row.replacedFiles.begin(), row.replacedFiles.end(), name) !=
                                      row.replacedFiles.end();
            if (!replacedFile) {
                EXPECT_EQ(bytes, before.at(name)) << name << " changed";
            }
        }
        EXPECT_EQ(after.size(), before.size() + (replaced.empty() ? 0 : 4)) << "only the four backups are new";
        if (!replaced.empty()) {
            EXPECT_EQ(after.at("QEV.EXE"), files.image(FileId::Exe));
        }
    }
}

TEST(SaveFaults, aReadOnlyGameFolderOnDiskStopsTheSaveBeforeAnyFileChanges)
{
#ifdef _WIN32
    GTEST_SKIP() << "folder permissions are not POSIX modes here";
#else
    SampleGameDir game(GameEdition::Collectors);
    RealFileSystem fs;
    GameFileSet files = loadComplete(fs, game.exePath);
    editEveryImage(files);
    const Tree before = filesUnder(game.dir.str());

    // The game belongs to an ordinary user whose GEODATA folder is read-only; root would write
    // into it anyway, so the save runs in a child that gives up root.
    const passwd* nobodyUser = getpwnam("nobody");
    const group* nobodyGroup = getgrnam("nogroup");
    if (nobodyUser == nullptr || nobodyGroup == nullptr) GTEST_SKIP() << "no user nobody or group nogroup here";
    const uid_t nobody = nobodyUser->pw_uid;
    const gid_t nogroup = nobodyGroup->gr_gid;
    if (geteuid() == 0) {
        for (const auto& entry : stdfs::recursive_directory_iterator(game.dir.path())) {
            ASSERT_EQ(lchown(entry.path().c_str(), nobody, nogroup), 0);
        }
        ASSERT_EQ(chown(game.dir.path().c_str(), nobody, nogroup), 0);
    }
    stdfs::permissions(game.path("GEODATA"), stdfs::perms(0555));

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(nogroup) != 0 || setuid(nobody) != 0)) _exit(3);
        if (geteuid() == 0) _exit(3);
        const WriteResult result = saveGameFiles(files, fs, true);
        if (result.ok) _exit(1);
        _exit(result.failedFile == game.path("GEODATA/english.bak") && result.replacedFiles.empty() ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    stdfs::permissions(game.path("GEODATA"), stdfs::perms(0755));
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "could not give up root in the child process";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save succeeded; 2: it named the wrong file";
    EXPECT_EQ(filesUnder(game.dir.str()), before) << "a file changed or a temporary file was left";
#endif
}

} // namespace
} // namespace orvane::test
