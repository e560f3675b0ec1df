// orvane and the game as a whole: master copies, restore, the game's own files, writers, owners and names.
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/CliTool.h"
#include "files/GameLock.h"
#include "files/RealFileSystem.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;

TEST(CliGame, theFirstApplyKeepsTheOriginalAsMasterCopiesAndRestorePutsItBack)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Collectors);
    const DiskTree original = gameFilesOf(tool.files("game"));
    tool.write("a.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 60\n");
    tool.write("b.toml", Header + "[[item]]\nnumber = 0\nweight = 9\n");
    expectRun(tool.run({"restore", game}), 1,
              "orvane: game/QEV.EXE(MASTER).bak: there is no such copy; the first apply that changes the game makes "
              "the master copies\n");
    expectRun(tool.run({"apply", "-q", game, "a.toml"}), 0);
    const DiskTree afterA = gameFilesOf(tool.files("game"));
    expectRun(tool.run({"apply", "-q", game, "b.toml"}), 0);

    DiskTree after = tool.files("game");
    const std::pair<const char*, const char*> masters[] = {{"QEV.EXE(MASTER).bak", "QEV.EXE"},
                                                           {"GEODATA/ENGLISH(MASTER).bak", "GEODATA/ENGLISH.DAT"},
                                                           {"GEODATA/ENGLISH2(MASTER).bak", "GEODATA/ENGLISH2.DAT"},
                                                           {"GEODATA/OBDATA(MASTER).bak", "GEODATA/OBDATA.DAT"}};
    for (const auto& [master, file] : masters) EXPECT_EQ(after.at(master), original.at(file)) << master;

    const ProgramRun dry = tool.run({"restore", "--dry-run", game});
    expectRun(dry, 0, "orvane: 2 files would be put back from the master copies; nothing written (--dry-run)\n");
    EXPECT_NE(dry.out.find("QEV.EXE <- game/QEV.EXE(MASTER).bak"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("ENGLISH.DAT: already as the backup"), std::string::npos) << dry.out;
    EXPECT_EQ(treeDifferences(after, tool.files("game")), "");

    expectRun(tool.run({"restore", "--from", "bak", game}), 0, "orvane: 1 file put back from the .bak copies\n");
    EXPECT_EQ(treeDifferences(afterA, gameFilesOf(tool.files("game"))), "");
    expectRun(tool.run({"restore", "-q", game}), 0);
    EXPECT_EQ(treeDifferences(original, gameFilesOf(tool.files("game"))), "");
    expectRun(tool.run({"restore", game}), 0,
              "orvane: nothing to put back: the game's files are as its master copies\n");
    // The masters stay as they were made, however often the game is written after.
    after = tool.files("game");
    for (const auto& [master, file] : masters) EXPECT_EQ(after.at(master), original.at(file)) << master;

    // Every copy that is missing or does not fit is told, and nothing is written.
    stdfs::resize_file(tool.dir.path() / "game/GEODATA/OBDATA(MASTER).bak", 100);
    stdfs::remove(tool.dir.path() / "game/GEODATA/ENGLISH(MASTER).bak");
    const DiskTree before = tool.files();
    expectRun(tool.run({"restore", game}), 1,
              "orvane: game/GEODATA/ENGLISH(MASTER).bak: there is no such copy; the first apply that changes the game "
              "makes the master copies\norvane: game/GEODATA/OBDATA(MASTER).bak: not a copy of OBDATA.DAT of this "
              "game (its length does not fit)\norvane: no file was changed\n");
    expectRun(tool.run({"restore", "--from", "elsewhere", game}), 2,
              "orvane: --from: elsewhere is not master or bak\n");
    EXPECT_EQ(treeDifferences(before, tool.files()), "");
}

// A folder holding two files of one name is refused, naming both.
TEST(CliGame, noOutputIsWrittenOverAFileOfEitherGameHoweverItsNameIsSpelt)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Dos12);
    const std::string other = tool.game("other", GameEdition::Collectors);
    stdfs::copy_file(tool.dir.path() / "game/GEODATA/OBDATA.DAT", tool.dir.path() / "game/GEODATA/obdata.bak");
    const DiskTree before = tool.files();
    const std::vector<std::vector<std::string>> runs{
        {"export", game, "-o", game},
        {"export", game, "-o", "game/QEVEXE/../QEVEXE/GEOSCAPE.EXE"},
        {"export", game, "-o", "game/GEODATA/obdata.bak"},
        {"export", game, "-o", "game/GEODATA/ENGLISH(MASTER).bak"},
        {"make-patch", game, "game/GEODATA/ENGLISH.DAT"},
        {"diff", game, other, "-o", "other/GEODATA/ENGLISH2.DAT"},
    };
    for (const auto& arguments : runs) {
        const ProgramRun run = tool.run(arguments);
        expectRun(run, 1, " is one of the game's files; choose another name.\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(treeDifferences(before, tool.files()), "");

    stdfs::copy_file(tool.dir.path() / "other/GEODATA/ENGLISH.DAT", tool.dir.path() / "other/GEODATA/english.dat");
    tool.write("a.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 60\n");
    const DiskTree twoNames = tool.files();
    for (const auto& arguments : {std::vector<std::string>{"info", other}, {"apply", other, "a.toml"}})
        expectRun(tool.run(arguments), 1, "The folder holds both ENGLISH.DAT and english.dat");
    EXPECT_EQ(treeDifferences(twoNames, tool.files()), "");
}

TEST(CliGame, twoAppliesAtOnceKeepBothModsEveryTime)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Collectors);
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        tool.write("a.toml", Header + "[[unit]]\nnumber = 3\ntime_units = " + std::to_string(60 + round) + "\n");
        tool.write("b.toml", Header + "[[item]]\nnumber = 0\nweight = " + std::to_string(10 + round) + "\n");
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        pid_t writers[2];
        for (int k = 0; k < 2; ++k) {
            writers[k] = fork();
            ASSERT_GE(writers[k], 0);
            if (writers[k] != 0) continue;
            close(go[1]);
            char c = 0;
            [[maybe_unused]] const auto started = read(go[0], &c, 1); // both start together
            const ProgramRun run = tool.run({"apply", game, k == 0 ? "a.toml" : "b.toml"});
            const bool refusedAsBusy = run.status == 1 && run.err.find(GameBusyText) != std::string::npos;
            _exit(run.status == 0 ? 0 : refusedAsBusy ? 3 : 4);
        }
        close(go[0]);
        close(go[1]);
        int outcomes[2] = {};
        for (int k = 0; k < 2; ++k) {
            int status = 0;
            waitpid(writers[k], &status, 0);
            outcomes[k] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            EXPECT_TRUE(outcomes[k] == 0 || outcomes[k] == 3) << "writer " << k << " ended with " << outcomes[k];
        }
        const std::string exported = tool.run({"export", game}).out;
        const std::string timeUnits = "time_units = " + std::to_string(60 + round) + "\n";
        const std::string weight = "weight = " + std::to_string(10 + round) + "\n";
        EXPECT_TRUE(outcomes[0] != 0 || exported.find(timeUnits) != std::string::npos) << "the first mod is lost";
        EXPECT_TRUE(outcomes[1] != 0 || exported.find(weight) != std::string::npos) << "the second mod is lost";
    }
}

TEST(CliGame, aRootWriteKeepsOwnersAndARefusedWriteNamesTheSystemsReason)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Dos14);
    tool.write("a.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 60\n");
    const stdfs::path exe = tool.dir.path() / game;
    if (geteuid() == 0) {
        // A modder's game, written by `sudo orvane apply`: the files stay the modder's.
        const uid_t modder = 65534;
        for (const auto& entry : stdfs::recursive_directory_iterator(tool.dir.path() / "game"))
            ASSERT_EQ(lchown(entry.path().c_str(), modder, modder), 0);
        ASSERT_EQ(chown((tool.dir.path() / "game").c_str(), modder, modder), 0);
        expectRun(tool.run({"apply", "-q", game, "a.toml"}), 0);
        for (const auto& entry : stdfs::recursive_directory_iterator(tool.dir.path() / "game")) {
            if (entry.path().filename() == ".orvane-lock") continue;
            struct stat status {};
            ASSERT_EQ(stat(entry.path().c_str(), &status), 0);
            EXPECT_EQ(status.st_uid, modder) << entry.path();
        }
    }
    tool.write("b.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 61\n");
    stdfs::permissions(exe, stdfs::perms(0444));
    const std::string report = runInChild([&] {
        if (std::string reason = giveUpRoot(tool.dir.path()); !reason.empty()) return reason;
        const ProgramRun run = tool.run({"apply", "--no-backups", game, "b.toml"});
        return run.err.find("(Permission denied); no file was changed") != std::string::npos ? std::string() : run.err;
    });
    if (report.rfind(SkipPrefix, 0) == 0) GTEST_SKIP() << report;
    EXPECT_EQ(report, "");
}

TEST(CliGame, anInterruptEndsTheCommandWith130Or143AndLeavesAWholeGameAndNothingBeside)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Collectors);
    tool.write("a.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 60\n");
    const DiskTree before = tool.files("game");

    // Waiting for another writer's lock is no write: a termination ends it at once.
    RealFileSystem disk;
    {
        const auto held = GameLock::acquire(disk, (tool.dir.path() / game).string());
        ASSERT_TRUE(held);
        const StartedProgram waiting = startProgram({ORVANE_CLI, "apply", game, "a.toml"}, tool.dir.path());
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        kill(waiting.pid, SIGTERM);
        EXPECT_EQ(waitForProgram(waiting).status, 143);
        EXPECT_EQ(treeDifferences(before, tool.files("game")), "");
    }
    // At random moments of a write: the write is finished or undone before the program ends.
    std::mt19937 random(7);
    for (int run = 0; run < 12; ++run) {
        stdfs::remove_all(tool.dir.path() / "game");
        tool.game("game", GameEdition::Collectors);
        const StartedProgram applying = startProgram({ORVANE_CLI, "apply", game, "a.toml"}, tool.dir.path());
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 60'000));
        kill(applying.pid, SIGINT);
        const ProgramRun ended = waitForProgram(applying);
        // A signal that comes before the program set its handler ends it by the system's default, before
        // it has read anything.
        EXPECT_TRUE(ended.status == 0 || ended.status == 130 || ended.signal == SIGINT) << ended.status << ended.err;
        EXPECT_EQ(leftOfAWrite(tool.dir.path() / "game"), std::vector<std::string>{})
            << "a run that ended with " << ended.status;
        const DiskTree after = gameFilesOf(tool.files("game"));
        const bool old = treeDifferences(gameFilesOf(before), after).empty();
        const bool changedExeOnly = after.at("GEODATA/ENGLISH.DAT") == before.at("GEODATA/ENGLISH.DAT") &&
                                    after.at("QEV.EXE") != before.at("QEV.EXE");
        EXPECT_TRUE(old || changedExeOnly) << "neither the old game nor the new one";
        // A mod manager can tell the two apart: 130 with the game as it was, or with a line saying it is new.
        const bool saidNew = ended.err.find("the write was finished first") != std::string::npos;
        EXPECT_TRUE((ended.status != 0 && (ended.status != 130 || old)) ||
                    (changedExeOnly && (ended.status == 0 || saidNew)))
            << ended.status << ended.err;
    }
}

} // namespace
} // namespace orvane::test
