// A game written as one unit: killed at any step, cut off in its journal, or beside another writer.
#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "files/DiskState.h"
#include "files/GameLoader.h"
#include "files/GameSaver.h"
#include "files/WriteJournal.h"
#include "support/DiskTree.h"
#include "support/SampleSession.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;

GameFileSet loaded(const std::string& exePath, FileSystem& fs, std::string* notice = nullptr)
{
    ScriptedPrompts prompts;
    prompts.answerFile(exePath);
    SilentProgress progress;
    LoadCalls calls;
    calls.notice = [notice](const std::string& line) {
        if (notice != nullptr) *notice = line;
    };
    GameFileSet files;
    EXPECT_EQ(loadGameFiles(files, fs, prompts, progress, calls), LoadResult::Complete);
    return files;
}

// A writer that comes while a reader is half-way: it takes the lock (making the lock file) and
// writes a new executable, once the reader has read the executable and goes on to OBDATA.DAT.
class WriterComesMeanwhile : public RealFileSystem {
public:
    explicit WriterComesMeanwhile(std::string exe) : exe_(std::move(exe)) {}

    std::optional<ByteImage> readWhole(const std::string& path) override
    {
        if (!came_ && stdfs::path(path).filename() == "OBDATA.DAT") {
            came_ = true;
            const auto lock = GameLock::acquire(*this, exe_);
            EXPECT_TRUE(lock);
            ByteImage exe = *RealFileSystem::readWhole(exe_);
            exe.at(100) ^= 0xFF;
            writeFileBytes(exe_, exe);
        }
        return RealFileSystem::readWhole(path);
    }

private:
    std::string exe_;
    bool came_ = false;
};

TEST(GameRead, aReaderMakesNoLockFileAndReadsAgainUnderTheLockWhenAWriterCameMeanwhile)
{
    const TempDir dir;
    const std::string exe = sample::writeSampleGame(dir.str(), GameEdition::Collectors);
    const stdfs::path lockFile = stdfs::path(exe).parent_path() / ".orvane-lock";
    SilentProgress progress;
    GameFileSet files;
    RealFileSystem disk;
    ASSERT_EQ(readGameFilesAt(exe, files, disk, progress, {}), LoadResult::Complete);
    EXPECT_FALSE(stdfs::exists(lockFile));

    WriterComesMeanwhile meanwhile(exe);
    GameFileSet again;
    ASSERT_EQ(readGameFilesAt(exe, again, meanwhile, progress, {}), LoadResult::Complete);
    EXPECT_TRUE(stdfs::exists(lockFile));
    EXPECT_EQ(again.image(FileId::Exe), readFileBytes(exe)) << "the executable as it was before the writer came";
    EXPECT_NE(again.image(FileId::Exe), files.image(FileId::Exe));
}

TEST(GameWrite, aJournalIsTakenOnlyWholeAndTheLoadSaysWhatItFinished)
{
    const std::vector<JournalEntry> entries{{"/g/QEV.EXE.orvane-tmp-1", "/g/QEV.EXE", 10, 0xabc},
                                            {{}, "/g/GEODATA/odd\tname%", 0, 0}};
    const std::string text = formatJournal(entries);
    EXPECT_EQ(parseJournal(text), entries);
    for (std::size_t cut = 0; cut < text.size(); ++cut)
        EXPECT_FALSE(parseJournal(text.substr(0, cut))) << "a journal cut at " << cut << " was taken whole";
    std::string flipped = text;
    flipped[30] ^= 1;
    EXPECT_FALSE(parseJournal(flipped));

    // A journal cut off before its end: its temporary files go, the game stays as it was.
    const TempDir dir;
    const std::string exe = sample::writeSampleGame(dir.str(), GameEdition::Dos14);
    const DiskTree before = filesUnder(dir.path());
    const std::string temporary = (dir.path() / "GEODATA" / "OBDATA.DAT.orvane-tmp-x").string();
    writeFileBytes(temporary, ByteImage(4320, 9));
    const std::string journal = formatJournal({{temporary, (dir.path() / "GEODATA" / "OBDATA.DAT").string(), 4320, 1}});
    writeFileBytes((dir.path() / "QEVEXE" / ".orvane-journal").string(),
                   ByteImage(journal.begin(), journal.begin() + static_cast<std::ptrdiff_t>(journal.size() - 3)));
    RealFileSystem disk;
    std::string notice;
    loaded(exe, disk, &notice);
    EXPECT_EQ(notice, "An interrupted save was undone: it had not begun to replace the game's files.");
    EXPECT_EQ(treeDifferences(before, filesUnder(dir.path())), "");
}

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
// Forked children stand for other processes (none in WebAssembly; Windows runs its own under Wine);
// every image changed, ENGLISH.DAT shortened.
void editAll(GameFileSet& files)
{
    for (LoadedFile& file : files.files) ++file.image.at(20);
    files.image(FileId::English).resize(files.image(FileId::English).size() - 30);
}

// The real disk, the process ending at its `killAt`-th change, a temporary file half-written.
class KilledDisk : public RealFileSystem {
public:
    explicit KilledDisk(int killAt) : killAt_(killAt) {}

    std::optional<std::string> writeTemporary(const std::string& target, const ByteImage& bytes) override
    {
        if (++steps_ == killAt_) {
            RealFileSystem::writeTemporary(
                target, ByteImage(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2)));
            _exit(0);
        }
        return RealFileSystem::writeTemporary(target, bytes);
    }
    bool replace(const std::string& temporary, const std::string& target) override
    {
        if (++steps_ == killAt_) _exit(0);
        return RealFileSystem::replace(temporary, target);
    }
    bool remove(const std::string& path) override
    {
        if (++steps_ == killAt_) _exit(0);
        return RealFileSystem::remove(path);
    }

private:
    int killAt_;
    int steps_ = 0;
};

TEST(GameWrite, aWriteKilledAtEveryStepLeavesTheOldGameOrTheNewOneAndNothingBeside)
{
    int killAt = 1;
    for (bool finished = false; !finished; ++killAt) {
        ASSERT_LT(killAt, 100) << "the write never ran to its end";
        SCOPED_TRACE("killed at change " + std::to_string(killAt));
        const TempDir dir;
        const std::string exe = sample::writeSampleGame(dir.str(), GameEdition::Collectors);
        const DiskTree oldGame = filesUnder(dir.path());
        RealFileSystem disk;
        GameFileSet files = loaded(exe, disk);
        editAll(files);
        DiskTree newGame = oldGame;
        for (const auto& [name, id] : GameFiles) newGame[name] = files.image(id);

        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            KilledDisk dying(killAt);
            const auto lock = GameLock::acquire(dying, exe);
            const WriteResult result = saveGameFiles(files, dying, *lock, {true, true, {}});
            _exit(result.ok ? 42 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        finished = WEXITSTATUS(status) == 42;
        ASSERT_NE(WEXITSTATUS(status), 1) << "the write failed rather than being killed";

        std::string notice;
        const GameFileSet after = loaded(exe, disk, &notice);
        const bool isNew = after.image(FileId::Exe) == files.image(FileId::Exe);
        DiskTree onDisk = filesUnder(dir.path());
        const DiskTree& expected = isNew ? newGame : oldGame;
        for (const auto& [name, id] : GameFiles) {
            EXPECT_EQ(onDisk.at(name), expected.at(name))
                << name << " does not belong to the " << (isNew ? "new" : "old") << " game";
        }
        EXPECT_EQ(leftOfAWrite(dir.path()), std::vector<std::string>{})
            << "a temporary file or the journal is still there";
        EXPECT_TRUE(!isNew || finished || notice.starts_with("An interrupted save was finished: ")) << notice;
        // Whatever came of the game files, no backup written is empty.
        for (const auto& [name, bytes] : onDisk) EXPECT_TRUE(!name.ends_with(".bak") || !bytes.empty()) << name;
    }
    RecordProperty("steps", killAt - 1);
    EXPECT_GE(killAt - 1, 20) << "fewer steps than files to write: the kill missed some";
}

TEST(GameWrite, aSecondWriterWaitsForTheLockAndGivesUpAfterItsTime)
{
    const TempDir dir;
    const std::string exe = sample::writeSampleGame(dir.str(), GameEdition::Collectors);
    RealFileSystem disk;
    int ready[2], done[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(done), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const auto lock = GameLock::acquire(disk, exe);
        char c = 'x';
        [[maybe_unused]] const auto told = write(ready[1], &c, 1);
        [[maybe_unused]] const auto waited = read(done[0], &c, 1);
        _exit(lock ? 0 : 1);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    EXPECT_FALSE(GameLock::acquire(disk, exe, std::chrono::milliseconds(300))) << "two writers held the lock";
    ASSERT_EQ(write(done[1], &c, 1), 1);
    int status = 0;
    waitpid(holder, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // The system let go of the lock with its holder: the next writer takes it at once.
    EXPECT_TRUE(GameLock::acquire(disk, exe, std::chrono::milliseconds(0)));
    for (int fd : {ready[0], ready[1], done[0], done[1]}) close(fd);
}

#endif

} // namespace
} // namespace orvane::test
