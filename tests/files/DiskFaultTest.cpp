// Real-disk faults at every step of every writing command: files whole, nothing left, the file named.
#include <filesystem>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/mount.h>
#include <unistd.h>

#include "support/ChildProcess.h"
#endif
#include "support/FaultGame.h"

namespace orvane::test {
namespace {

// The report of a child that set up its fault, or the test is skipped with the child's reason.
#define EXPECT_CHILD_RAN_CLEAN(report)                                                                                 \
    do {                                                                                                               \
        const std::string childReport = (report);                                                                      \
        if (childReport.rfind(SkipPrefix, 0) == 0) GTEST_SKIP() << childReport;                                        \
        EXPECT_EQ(childReport, "");                                                                                    \
    } while (false)

enum class TargetFault { Folder, Deleted, ReadOnly };

TEST(DiskFaults, aTargetThatCannotBeWrittenOverStopsTheCommandBeforeAnythingChanges)
{
    for (const auto& [fault, name] : {std::pair{TargetFault::Folder, "a folder"},
                                      {TargetFault::Deleted, "deleted"},
                                      {TargetFault::ReadOnly, "read-only"}}) {
        forEveryStep(name, [fault = fault](FaultGame& game, std::size_t step) {
            const PlannedFile& target = game.step(step);
            // A backup that is gone is simply written anew: only a game file may not vanish.
            if (fault == TargetFault::Deleted && !target.gameFile) return;
            const stdfs::path path = game.pathOf(target.name);
            game.ensureTargetExists(step);
            const ByteImage original = readFileBytes(path.string());
            if (fault == TargetFault::ReadOnly)
                stdfs::permissions(path, stdfs::perms(0444));
            else
                stdfs::remove(path);
            if (fault == TargetFault::Folder) stdfs::create_directory(path);
            // A game file gone or made a folder changed on disk since the load: the user chooses Overwrite.
            const bool askedFirst = target.gameFile && fault != TargetFault::ReadOnly;
            if (askedFirst) game.prompts().answerChoice("Overwrite");

            const auto mend = [&] {
                std::error_code ignored;
                stdfs::permissions(path, stdfs::perms(0644), ignored);
                stdfs::remove(path);
                writeFileBytes(path.string(), original);
                if (askedFirst) game.prompts().answerChoice("Overwrite");
                return std::string();
            };
            EXPECT_EQ(game.runThroughFault(step, 0, mend), "");
        });
    }
}

TEST(DiskFaults, aTargetThatIsASymbolicLinkStaysOneAndTheFileItLeadsToGetsTheBytes)
{
    {
        const TempDir probe;
        std::error_code linkError;
        stdfs::create_symlink(probe.path() / "target", probe.path() / "link", linkError);
        if (linkError) GTEST_SKIP() << "cannot make a symbolic link here: " << linkError.message();
    }
    forEveryStep("a link", [](FaultGame& game, std::size_t step) {
        game.ensureTargetExists(step);
        const TempDir elsewhere;
        const stdfs::path path = game.pathOf(game.step(step).name);
        const stdfs::path linked = elsewhere.path() / "kept";
        stdfs::copy_file(path, linked);
        stdfs::remove(path);
        stdfs::create_symlink(linked, path);

        EXPECT_EQ(game.runThroughFault(std::nullopt, game.plan().size(), [] { return std::string(); }), "");
        EXPECT_TRUE(stdfs::is_symlink(path));
        EXPECT_EQ(filesUnder(elsewhere.path()), (DiskTree{{"kept", game.step(step).bytes}}))
            << "a temporary file was left";
    });
}

TEST(DiskFaults, aReadOnlyFolderStopsTheCommandBeforeAnythingChanges)
{
#ifndef __linux__
    GTEST_SKIP() << "needs a forked child that gives up root, made with Linux calls (and Windows ignores a folder's "
                    "read-only mark)";
#else
    for (const Command& command : Commands) {
        for (const std::string folder : {"", "GEODATA"}) {
            SCOPED_TRACE(std::string(command.name) + ", read-only folder \"" + folder + "\"");
            FaultGame game(command);
            std::size_t firstInFolder = 0;
            while (firstInFolder < game.plan().size() &&
                   stdfs::path(game.step(firstInFolder).name).parent_path() != folder)
                ++firstInFolder;
            if (firstInFolder == game.plan().size()) continue; // the command writes nothing there
            const stdfs::path path = game.dir() / folder;

            // Root writes into a read-only folder anyway, so the child gives up root first.
            EXPECT_CHILD_RAN_CLEAN(runInChild([&] {
                if (std::string reason = giveUpRoot(game.dir()); !reason.empty()) return reason;
                stdfs::permissions(path, stdfs::perms(0555));
                return game.runThroughFault(firstInFolder, 0, [&] {
                    stdfs::permissions(path, stdfs::perms(0755));
                    return std::string();
                });
            }));
        }
    }
#endif
}

TEST(DiskFaults, aDiskThatFillsDuringAWriteChangesNothing)
{
#ifndef __linux__
    GTEST_SKIP() << "needs a small tmpfs mounted in a Linux user namespace";
#else
    const auto pageSize = static_cast<std::uintmax_t>(sysconf(_SC_PAGESIZE));
    const auto pages = [&](std::size_t bytes) { return (bytes + pageSize - 1) / pageSize; };
    forEveryStep("disk full", [&](FaultGame& game, std::size_t step) {
        // Room for the game and the files up to this step, less one page: this step's write is cut short.
        std::uintmax_t room = 0;
        for (const auto& [name, bytes] : game.asLoaded()) room += pages(bytes.size());
        for (std::size_t i = 0; i <= step; ++i) room += pages(game.step(i).bytes.size());
        room -= 1;

        EXPECT_CHILD_RAN_CLEAN(runInChild([&] {
            if (std::string reason = takeOwnMounts(); !reason.empty()) return reason;
            const std::string size = "size=" + std::to_string(room * pageSize);
            if (mount("tmpfs", game.dir().c_str(), "tmpfs", 0, size.c_str()) != 0)
                return std::string(SkipPrefix) + "cannot mount a tmpfs";
            writeTree(game.dir(), game.asLoaded());
            return game.runThroughFault(step, 0, [&] {
                const bool grown = mount("tmpfs", game.dir().c_str(), "tmpfs", MS_REMOUNT, "size=64m") == 0;
                return grown ? std::string() : std::string("cannot make the tmpfs larger");
            });
        }));
    });
#endif
}

TEST(DiskFaults, aRenameThatFailsIsUndoneSoEveryFileHoldsWhatItHeldBefore)
{
#ifndef __linux__
    GTEST_SKIP() << "needs a file bound over the target in a Linux user namespace";
#else
    forEveryStep("rename fails", [](FaultGame& game, std::size_t step) {
        game.ensureTargetExists(step);
        const TempDir holder;
        const stdfs::path path = game.pathOf(game.step(step).name);
        const stdfs::path mounted = holder.path() / "mounted";
        stdfs::copy_file(path, mounted);

        // A file mounted over the target: its folder entry cannot be replaced while it is there.
        EXPECT_CHILD_RAN_CLEAN(runInChild([&] {
            if (std::string reason = takeOwnMounts(); !reason.empty()) return reason;
            if (mount(mounted.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0)
                return std::string(SkipPrefix) + "cannot bind a file over another";
            return game.runThroughFault(step, 0, [&] {
                return umount2(path.c_str(), MNT_DETACH) == 0 ? std::string() : std::string("cannot unmount");
            });
        }));
    });
#endif
}

} // namespace
} // namespace orvane::test
