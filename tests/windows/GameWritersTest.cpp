// Writers of one game under Windows: two orvane.exe processes applying mods at once, and a write
// ended by TerminateProcess at every one of its steps and at moments spread over a real orvane.exe
// run. Every time the game afterwards holds both mods or refuses one with a message, and a load
// after a kill finds the four files wholly as they were or wholly new, with nothing of the write left.
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>

#include <gtest/gtest.h>

#include <windows.h>

#include "ChildProgram.h"
#include "files/GameLoader.h"
#include "files/GameLock.h"
#include "files/RealFileSystem.h"
#include "samplegame/SampleGame.h"
#include "support/DiskTree.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* FileNames[] = {"QEV.EXE", "GEODATA/ENGLISH.DAT", "GEODATA/ENGLISH2.DAT", "GEODATA/OBDATA.DAT"};
constexpr const char* MasterNames[] = {"QEV.EXE(MASTER).bak", "GEODATA/ENGLISH(MASTER).bak",
                                       "GEODATA/ENGLISH2(MASTER).bak", "GEODATA/OBDATA(MASTER).bak"};
constexpr const char* ModA = "[mod]\nformat = 1\n\n[[unit]]\nnumber = 7\nhealth = 45\n";
constexpr const char* ModB = "[mod]\nformat = 1\n\n[[item]]\nnumber = 3\ndamage_type = \"Plasma\"\n";

using GameFiles = std::array<ByteImage, 4>;

std::string text(const stdfs::path& path)
{
    const std::u8string bytes = path.u8string();
    return std::string(bytes.begin(), bytes.end());
}

ByteImage bytesOf(const stdfs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return ByteImage(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

GameFiles gameFilesIn(const stdfs::path& folder)
{
    GameFiles files;
    for (std::size_t i = 0; i < 4; ++i) files[i] = bytesOf(folder / FileNames[i]);
    return files;
}

// Master copies hold the game as it was before its first write, whenever there are any.
std::string mastersDifferingFrom(const stdfs::path& folder, const GameFiles& original)
{
    std::string differing;
    for (std::size_t i = 0; i < 4; ++i) {
        const stdfs::path master = folder / MasterNames[i];
        if (stdfs::exists(master) && bytesOf(master) != original[i]) differing += std::string(MasterNames[i]) + " ";
    }
    return differing;
}

// Loads the game as the editor and the tool load it, finishing any write that was cut off.
// The line the load told the user, if any.
std::string loadGame(const stdfs::path& folder)
{
    RealFileSystem fs;
    ScriptedPrompts prompts;
    prompts.answerFile(text(folder / "QEV.EXE"));
    SilentProgress progress;
    LoadCalls calls;
    std::string told;
    calls.notice = [&told](const std::string& line) { told = line; };
    GameFileSet game;
    EXPECT_EQ(loadGameFiles(game, fs, prompts, progress, calls), LoadResult::Complete);
    return told;
}

// One Collector's Edition game to copy for each round, two mods, and the games each makes.
class GameWriters : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        shared = new TempDir;
        sample::writeSampleGame(text(shared->path() / "template"), GameEdition::Collectors);
        std::ofstream(shared->path() / "a.toml", std::ios::binary) << ModA;
        std::ofstream(shared->path() / "b.toml", std::ios::binary) << ModB;
    }
    static void TearDownTestSuite()
    {
        delete shared;
        shared = nullptr;
    }

    static stdfs::path mod(const char* name) { return shared->path() / name; }
    static GameFiles original() { return gameFilesIn(shared->path() / "template"); }

    // A fresh copy of the game, in this test's folder.
    stdfs::path copyOfGame(const std::string& name)
    {
        const stdfs::path folder = dir.path() / name;
        stdfs::copy(shared->path() / "template", folder, stdfs::copy_options::recursive);
        return folder;
    }

    // orvane.exe with these arguments, run to its end: its status and its standard error.
    std::pair<int, std::string> runTool(const std::vector<std::wstring>& arguments)
    {
        ChildProgram tool(toolProgram(), arguments, dir.path());
        tool.start();
        return {tool.wait(), tool.errors()};
    }

    // The game after orvane.exe applied these mods one after another.
    GameFiles appliedInTurn(const std::vector<const char*>& mods, const std::string& name)
    {
        const stdfs::path game = copyOfGame(name);
        for (const char* modName : mods) {
            const auto [status, errors] =
                runTool({L"apply", L"-q", (game / "QEV.EXE").wstring(), mod(modName).wstring()});
            EXPECT_EQ(status, 0) << errors;
        }
        return gameFilesIn(game);
    }

    static TempDir* shared;
    TempDir dir;
};

TempDir* GameWriters::shared = nullptr;

TEST_F(GameWriters, twoToolsApplyingModsAtOnceKeepBothModsOrRefuseOneWithTheMessage)
{
    const GameFiles onlyA = appliedInTurn({"a.toml"}, "only-a");
    const GameFiles onlyB = appliedInTurn({"b.toml"}, "only-b");
    const GameFiles both = appliedInTurn({"a.toml", "b.toml"}, "both");
    ASSERT_NE(onlyA, original());
    ASSERT_NE(onlyB, original());
    ASSERT_NE(both, onlyA);
    ASSERT_NE(both, onlyB);
    const std::string busy = std::string("orvane: ") + GameBusyText + "\n";

    constexpr int Rounds = 10;
    int bothKept = 0;
    int oneRefused = 0;
    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const stdfs::path game = copyOfGame("round-" + std::to_string(round));
        const std::wstring exe = (game / "QEV.EXE").wstring();
        ChildProgram first(toolProgram(), {L"apply", L"-q", exe, mod("a.toml").wstring()}, dir.path());
        ChildProgram second(toolProgram(), {L"apply", L"-q", exe, mod("b.toml").wstring()}, dir.path());
        first.start();
        second.start();
        const int firstStatus = first.wait();
        const int secondStatus = second.wait();
        const GameFiles after = gameFilesIn(game);
        if (firstStatus == 0 && secondStatus == 0) {
            ++bothKept;
            EXPECT_TRUE(after == both) << "both tools said they were done, and a mod is missing";
            EXPECT_EQ(first.errors() + second.errors(), "");
        } else {
            ++oneRefused;
            const bool firstRefused = firstStatus == 1 && secondStatus == 0 && first.errors() == busy;
            const bool secondRefused = secondStatus == 1 && firstStatus == 0 && second.errors() == busy;
            EXPECT_TRUE(firstRefused || secondRefused)
                << firstStatus << ": " << first.errors() << secondStatus << ": " << second.errors();
            EXPECT_TRUE(after == (firstRefused ? onlyB : onlyA));
        }
        EXPECT_EQ(leftOfAWrite(game), std::vector<std::string>{});
        EXPECT_EQ(mastersDifferingFrom(game, original()), "");
    }
    std::printf("[ two writers ] %d rounds of two orvane.exe at once: %d kept both mods, %d refused one\n", Rounds,
                bothKept, oneRefused);
}

// What a load found after a write was ended, for the figures.
struct KillTally {
    int old = 0;
    int finished = 0; // a journal was there, and the load finished the renames
    int whole = 0;    // the write had ended by itself
    int temporariesFound = 0;

    // Loads the game killed during a write and checks what it holds.
    void loadAndCheck(const stdfs::path& game, const GameFiles& before, const GameFiles& written)
    {
        const bool journal = stdfs::exists(game / ".orvane-journal");
        if (!leftOfAWrite(game).empty()) ++temporariesFound;
        const std::string told = loadGame(game);
        EXPECT_EQ(told.empty(), !journal) << told;
        const GameFiles after = gameFilesIn(game);
        EXPECT_TRUE(after == before || after == written) << "a mixed game";
        EXPECT_EQ(leftOfAWrite(game), std::vector<std::string>{});
        EXPECT_EQ(mastersDifferingFrom(game, before), "");
        if (after == before)
            ++old;
        else if (journal)
            ++finished;
        else
            ++whole;
    }
    std::string describe() const
    {
        return std::to_string(old) + " old, " + std::to_string(finished) + " finished by the load, " +
               std::to_string(whole) + " new; " + std::to_string(temporariesFound) +
               " had left temporary files or a journal";
    }
};

TEST_F(GameWriters, aWriteEndedAtEachOfItsStepsLeavesTheOldGameOrOneTheNextLoadFinishes)
{
    const stdfs::path writer = besideTests("orvane_write_until.exe");
    const GameFiles written = appliedInTurn({"a.toml"}, "by-the-tool");

    KillTally tally;
    long steps = 0;
    for (long step = 1; step < 200; ++step) {
        SCOPED_TRACE("ended before step " + std::to_string(step));
        const stdfs::path game = copyOfGame("step-" + std::to_string(step));
        ChildProgram write(writer, {std::to_wstring(step), (game / "QEV.EXE").wstring(), mod("a.toml").wstring()},
                           dir.path());
        write.start();
        const int status = write.wait();
        if (status == 0) {
            steps = std::stol(write.output());
            EXPECT_EQ(gameFilesIn(game), written) << "the write of the mod differs from orvane.exe's";
            break;
        }
        ASSERT_EQ(status, 137) << write.errors();
        tally.loadAndCheck(game, original(), written);
    }
    // Four game files, four .bak copies and four master copies, each made, filled and renamed; the
    // journal made, filled, renamed and removed.
    EXPECT_GE(steps, 40);
    EXPECT_EQ(tally.old + tally.finished + tally.whole, steps);
    std::printf("[ killed at each step ] %ld steps: %s\n", steps, tally.describe().c_str());
}

// True once a temporary file of a write is in the game's folders.
bool writeBegun(const stdfs::path& game)
{
    for (const stdfs::path& folder : {game, game / "GEODATA"}) {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((folder / L"*.orvane-tmp-*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
            return true;
        }
    }
    return false;
}

// The two parts of a write as another process sees them: the temporary files being written, from
// the first one to the journal, then the renames, from the journal to its removal.
struct WriteTimes {
    Clock::duration temporaries{};
    Clock::duration renames{};
};

TEST_F(GameWriters, orvaneEndedAtMomentsSpreadOverItsWriteLeavesTheOldGameOrOneTheNextLoadFinishes)
{
    const GameFiles written = appliedInTurn({"a.toml"}, "by-the-tool");
    const auto journalThere = [](const stdfs::path& game) { return stdfs::exists(game / ".orvane-journal"); };
    // Runs orvane.exe on the game, waits for its first temporary file (and its journal, when
    // `fromJournal`) and ends it `after` that moment.
    const auto killed = [&](const stdfs::path& game, bool fromJournal, Clock::duration after) {
        ChildProgram tool(toolProgram(), {L"apply", (game / "QEV.EXE").wstring(), mod("a.toml").wstring()}, dir.path());
        tool.start();
        while (tool.running() && !writeBegun(game)) std::this_thread::yield();
        while (fromJournal && tool.running() && !journalThere(game)) std::this_thread::yield();
        const auto from = Clock::now();
        while (tool.running() && Clock::now() - from < after) std::this_thread::yield();
        tool.terminate();
    };
    // A whole run, watched.
    const WriteTimes times = [&] {
        const stdfs::path game = copyOfGame("timed");
        ChildProgram tool(toolProgram(), {L"apply", (game / "QEV.EXE").wstring(), mod("a.toml").wstring()}, dir.path());
        tool.start();
        while (tool.running() && !writeBegun(game)) std::this_thread::yield();
        const auto begun = Clock::now();
        while (tool.running() && !journalThere(game)) std::this_thread::yield();
        const auto journal = Clock::now();
        while (tool.running() && journalThere(game)) std::this_thread::yield();
        const auto done = Clock::now();
        EXPECT_EQ(tool.wait(), 0) << tool.errors();
        return WriteTimes{journal - begun, done - journal};
    }();

    constexpr int KillsEach = 10;
    KillTally tally;
    for (int kill = 0; kill < 2 * KillsEach; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const bool inRenames = kill >= KillsEach;
        const Clock::duration part = inRenames ? times.renames : times.temporaries;
        const stdfs::path game = copyOfGame("kill-" + std::to_string(kill));
        killed(game, inRenames, part * (kill % KillsEach) / (KillsEach - 1));
        tally.loadAndCheck(game, original(), written);
    }
    const auto ms = [](Clock::duration time) {
        return static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(time).count() / 1000);
    };
    std::printf("[ orvane.exe killed ] %d kills spread over %lld ms of temporary files and %lld ms of renames: %s\n",
                2 * KillsEach, ms(times.temporaries), ms(times.renames), tally.describe().c_str());
}

} // namespace
} // namespace orvane::test
