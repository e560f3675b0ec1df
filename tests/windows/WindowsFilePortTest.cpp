// The Windows port's answers about files: the game's lock across processes, stamps and identities,
// folders and full paths, and the system's reason for a call that failed.
#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include <windows.h>

#include "ChildProgram.h"
#include "files/GameLock.h"
#include "files/GameTransaction.h"
#include "files/RealFileSystem.h"
#include "support/TempDir.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;

std::string text(const stdfs::path& path)
{
    const std::u8string bytes = path.u8string();
    return std::string(bytes.begin(), bytes.end());
}

void writeFile(const stdfs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool endsInSpace(const std::string& reason)
{
    return !reason.empty() && std::isspace(static_cast<unsigned char>(reason.back()));
}

TEST(WindowsFilePort, aLockKeepsOutEveryOtherTakerUntilItIsLetGo)
{
    TempDir dir;
    const std::string path = text(dir.path() / ".orvane-lock");
    RealFileSystem first;
    RealFileSystem second;
    auto held = first.tryLock(path);
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(GetFileAttributesW((dir.path() / ".orvane-lock").c_str()) & FILE_ATTRIBUTE_HIDDEN);

    EXPECT_EQ(second.tryLock(path), nullptr);
    EXPECT_NE(second.lastError(), "");
    EXPECT_FALSE(endsInSpace(second.lastError())) << second.lastError();
    // A writer of the game waits its time, then gives up.
    EXPECT_FALSE(GameLock::acquire(second, text(dir.path() / "QEV.EXE"), std::chrono::milliseconds(200)));

    held.reset();
    EXPECT_NE(second.tryLock(path), nullptr);
}

TEST(WindowsFilePort, aLockWhoseHolderIsKilledIsFreeForTheNextWriter)
{
    TempDir dir;
    const stdfs::path lockFile = dir.path() / ".orvane-lock";
    RealFileSystem fs;
    ChildProgram holder(besideTests("orvane_hold_file.exe"), {L"--lock", lockFile.wstring()}, dir.path());
    holder.start();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (fs.tryLock(text(lockFile)) != nullptr) {
        ASSERT_TRUE(holder.running()) << "the holder ended with " << holder.wait();
        ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "the holder never took the lock";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    holder.terminate();
    // The system lets go of a dead process's lock at once, well within the time a writer waits.
    EXPECT_TRUE(GameLock::acquire(fs, text(dir.path() / "QEV.EXE"), std::chrono::milliseconds(1000)));
}

TEST(WindowsFilePort, aLockFileAnotherProgramOpenedWithoutSharingIsWaitedForAsAWriter)
{
    TempDir dir;
    const stdfs::path lockFile = dir.path() / ".orvane-lock";
    const HANDLE scanner =
        CreateFileW(lockFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(scanner, INVALID_HANDLE_VALUE);
    RealFileSystem fs;
    EXPECT_EQ(fs.tryLock(text(lockFile)), nullptr);
    EXPECT_NE(fs.lastError(), "");
    CloseHandle(scanner);
    EXPECT_NE(fs.tryLock(text(lockFile)), nullptr);
}

TEST(WindowsFilePort, whereNoLockFileCanBeMadeThereIsNobodyToWaitFor)
{
    TempDir dir;
    const std::string path = text(dir.path() / "missing" / ".orvane-lock");
    RealFileSystem fs;
    const auto first = fs.tryLock(path);
    const auto second = fs.tryLock(path);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
    EXPECT_FALSE(stdfs::exists(dir.path() / "missing"));
}

TEST(WindowsFilePort, aStampStaysWhileTheFileDoesAndMovesWithEveryReplace)
{
    TempDir dir;
    const std::string path = text(dir.path() / "ENGLISH.DAT");
    RealFileSystem fs;
    const ByteImage first(1000, 7);
    ASSERT_TRUE(writeWholeFile(path, first, fs).ok);
    const auto before = fs.stamp(path);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->length, 1000U);
    EXPECT_NE(before->modified, 0);
    EXPECT_EQ(fs.stamp(path), before);
    EXPECT_EQ(fs.stamp(text(dir.path() / "english.dat")), before);

    // The same length and, within the clock's step, the same time: the file itself is another one.
    ASSERT_TRUE(writeWholeFile(path, ByteImage(1000, 8), fs).ok);
    const auto after = fs.stamp(path);
    ASSERT_TRUE(after);
    EXPECT_NE(after->identity, before->identity);
    EXPECT_GE(after->modified, before->modified);

    EXPECT_FALSE(fs.stamp(text(dir.path() / "missing.dat")));
    EXPECT_FALSE(fs.stamp(text(dir.path())));
}

TEST(WindowsFilePort, sameFileKnowsAFileHoweverItsPathIsSpelt)
{
    TempDir dir;
    stdfs::create_directory(dir.path() / "GEODATA");
    writeFile(dir.path() / "GEODATA" / "ENGLISH.DAT", "strings");
    writeFile(dir.path() / "GEODATA" / "ENGLISH2.DAT", "strings");
    const std::string base = text(dir.path());
    RealFileSystem fs;

    const std::string english = base + "\\GEODATA\\ENGLISH.DAT";
    EXPECT_TRUE(fs.sameFile(english, english));
    EXPECT_TRUE(fs.sameFile(english, base + "/geodata/english.dat"));
    EXPECT_TRUE(fs.sameFile(english, base + "\\GEODATA\\..\\GEODATA\\.\\ENGLISH.DAT"));
    EXPECT_TRUE(fs.sameFile(base + "\\GEODATA", base + "\\geodata\\"));
    EXPECT_FALSE(fs.sameFile(english, base + "\\GEODATA\\ENGLISH2.DAT"));
    EXPECT_FALSE(fs.sameFile(english, base + "\\GEODATA\\OBDATA.DAT"));
    EXPECT_FALSE(fs.sameFile(base + "\\GEODATA\\OBDATA.DAT", base + "\\GEODATA\\OBDATA.DAT"));
}

TEST(WindowsFilePort, absoluteGivesThePathFromTheDriveWithDotsTakenOut)
{
    TempDir dir;
    const std::wstring before = stdfs::current_path().wstring();
    ASSERT_TRUE(SetCurrentDirectoryW(dir.path().c_str()));
    RealFileSystem fs;
    const std::string full = fs.absolute("GEODATA/../QEV.EXE");
    const std::string inFolder = fs.absolute("GEODATA\\ENGLISH.DAT");
    SetCurrentDirectoryW(before.c_str());

    EXPECT_EQ(full, text(dir.path()) + "\\QEV.EXE");
    EXPECT_EQ(inFolder, text(dir.path()) + "\\GEODATA\\ENGLISH.DAT");
    EXPECT_EQ(fs.absolute("C:\\games\\x\\..\\QEV.EXE"), "C:\\games\\QEV.EXE");
}

TEST(WindowsFilePort, aFolderListsEveryNameInAnyScriptAndNoOther)
{
    TempDir dir;
    const stdfs::path folder = dir.path() / u8"Sauvegarde \u00e9t\u00e9";
    stdfs::create_directory(folder);
    stdfs::create_directory(folder / "GEODATA");
    writeFile(folder / "QEV.EXE", "x");
    writeFile(folder / u8"\u6e38\u620f.toml", "x");
    writeFile(folder / "QEV.EXE.orvane-tmp-123456", "x");
    RealFileSystem fs;
    const std::vector<std::string> expected{"GEODATA", "QEV.EXE", "QEV.EXE.orvane-tmp-123456",
                                            "\xe6\xb8\xb8\xe6\x88\x8f.toml"};

    for (const std::string& spelt : {text(folder), text(folder) + "\\", text(folder) + "/"}) {
        std::vector<std::string> names = fs.listFolder(spelt);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, expected) << spelt;
    }

    EXPECT_EQ(fs.listFolder(text(folder / "missing")), std::vector<std::string>{});
    EXPECT_NE(fs.lastError(), "");
}

TEST(WindowsFilePort, aNameAskedInAnyCaseFindsTheEntryAsItIsOnDisk)
{
    TempDir dir;
    stdfs::create_directory(dir.path() / "GEODATA");
    writeFile(dir.path() / "GEODATA" / "ENGLISH.DAT", "x");
    writeFile(dir.path() / "GEODATA" / "ENGLISH2.DAT", "x");
    const std::string geodata = text(dir.path()) + "\\GEODATA\\";
    RealFileSystem fs;

    EXPECT_EQ(fs.sameNameIgnoringCase(geodata + "english.dat"), std::vector<std::string>{geodata + "ENGLISH.DAT"});
    EXPECT_EQ(fs.sameNameIgnoringCase(text(dir.path()) + "\\geodata"),
              std::vector<std::string>{text(dir.path()) + "\\GEODATA"});
    EXPECT_EQ(fs.sameNameIgnoringCase(geodata + "OBDATA.DAT"), std::vector<std::string>{});
}

TEST(WindowsFilePort, aRefusedWriteCarriesTheSystemsReasonOnOneLine)
{
    TempDir dir;
    const stdfs::path readOnly = dir.path() / "QEV.EXE";
    writeFile(readOnly, "game");
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    RealFileSystem fs;

    const WriteResult refused = writeWholeFile(text(readOnly), ByteImage(4, 1), fs);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.reason.find("denied"), std::string::npos) << refused.reason;
    EXPECT_FALSE(endsInSpace(refused.reason)) << refused.reason;
    EXPECT_NE(describeWriteFailure(refused).find("(" + refused.reason + ")\n"), std::string::npos);

    const WriteResult noFolder = writeWholeFile(text(dir.path() / "missing" / "edits.qev"), ByteImage(4, 1), fs);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_NE(noFolder.reason, "");
    EXPECT_NE(noFolder.reason, refused.reason);
    EXPECT_EQ(noFolder.reason.find('\n'), std::string::npos) << noFolder.reason;
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
} // namespace orvane::test
