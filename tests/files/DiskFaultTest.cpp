// Faults made on the real disk at every step of every command that writes game files. After each,
// every file is wholly as before or as intended, no temporary file is left, the message names the
// file, and once the fault is gone the same command writes everything.
#include <filesystem>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include "files/PatchFile.h"
#include "support/ChildProcess.h"
#include "support/DiskTree.h"
#include "support/ImageDiff.h"
#include "support/SampleSession.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;

enum class CommandKind { SaveWithBackups, SaveWithoutBackups, MasterBackup, PatchFile };

struct Command {
    CommandKind kind;
    const char* name;
    const char* doneMessage; // what it shows when everything was written; nullptr: nothing
};

const Command Commands[] = {
    {CommandKind::SaveWithBackups, "Save with backups", "All files saved."},
    {CommandKind::SaveWithoutBackups, "Save without backups", "All files saved."},
    {CommandKind::MasterBackup, "Make Master Backup", nullptr},
    {CommandKind::PatchFile, "Make Patch Files", nullptr},
};

constexpr const char* PatchName = "edits.qev";

// One file a command writes: its path below the game folder and the bytes it is meant to get.
struct PlannedFile {
    std::string name;
    ByteImage bytes;
    bool gameFile;
};

const std::pair<const char*, FileId> GameFiles[] = {{"QEV.EXE", FileId::Exe},
                                                    {"GEODATA/ENGLISH.DAT", FileId::English},
                                                    {"GEODATA/ENGLISH2.DAT", FileId::English2},
                                                    {"GEODATA/OBDATA.DAT", FileId::Obdata}};

// A Collector's Edition sample game, loaded, with every image edited, and one command to run on it.
class FaultGame {
public:
    explicit FaultGame(const Command& command) : command_(command)
    {
        asLoaded_ = filesUnder(dir());
        game_.load();
        for (LoadedFile& file : game_.session.files().files) ++file.image.at(10);
        ByteImage& english = game_.session.image(FileId::English);
        english.resize(english.size() - 25);
        if (command.kind == CommandKind::SaveWithoutBackups) game_.session.toggleMakeBackups();

        const char* backupSuffix[] = {".bak", ".bak", ".bak", ".bak"};
        const char* backupNames[] = {"QEV.EXE", "GEODATA/english", "GEODATA/english2", "GEODATA/obdata"};
        const char* masterNames[] = {"QEV.EXE", "GEODATA/ENGLISH", "GEODATA/ENGLISH2", "GEODATA/OBDATA"};
        for (std::size_t i = 0; i < 4; ++i) {
            const ByteImage& loaded = asLoaded_.at(GameFiles[i].first);
            if (command.kind == CommandKind::SaveWithBackups) {
                plan_.push_back({backupNames[i] + std::string(backupSuffix[i]), loaded, false});
            }
            if (command.kind == CommandKind::MasterBackup) {
                plan_.push_back({masterNames[i] + std::string("(MASTER).bak"), loaded, false});
            }
        }
        if (command.kind == CommandKind::PatchFile) plan_.push_back({PatchName, *buildPatchFile(game_.session.files()), false});
        if (command.kind == CommandKind::MasterBackup || command.kind == CommandKind::PatchFile) return;
        for (const auto& [name, id] : GameFiles) plan_.push_back({name, game_.session.image(id), true});
    }

    const stdfs::path& dir() const { return game_.dir.path(); }
    stdfs::path pathOf(const std::string& name) const { return dir() / name; }
    const std::vector<PlannedFile>& plan() const { return plan_; }
    const PlannedFile& step(std::size_t index) const { return plan_.at(index); }
    const DiskTree& asLoaded() const { return asLoaded_; }

    // A file at this step's target, so that there is one to turn into a fault: the file as loaded,
    // or an earlier backup of another length.
    void ensureTargetExists(std::size_t index) const
    {
        const PlannedFile& file = step(index);
        if (!stdfs::exists(pathOf(file.name))) writeFileBytes(pathOf(file.name).string(), ByteImage(777, 7));
    }

    void run()
    {
        switch (command_.kind) {
        case CommandKind::MasterBackup:
            game_.prompts.answerYesNo(true);
            game_.session.makeMasterBackup();
            break;
        case CommandKind::PatchFile:
            game_.prompts.answerFile(pathOf(PatchName).string());
            game_.session.makePatchFile();
            break;
        default: game_.session.save();
        }
    }

    // What is wrong after a run that began on `before` and replaced the first `replaced` files of the
    // plan, failing at step `failed` (nothing when it should have written everything); empty when all is right.
    std::string outcome(const DiskTree& before, std::size_t replaced, std::optional<std::size_t> failed)
    {
        DiskTree expected = before;
        for (std::size_t i = 0; i < replaced; ++i) expected[plan_[i].name] = plan_[i].bytes;
        std::string report = treeDifferences(expected, filesUnder(dir()));

        const auto messages = game_.prompts.messages();
        game_.prompts.clearShown();
        const std::string failedPath = failed ? pathOf(step(*failed).name).string() : std::string();
        const bool namesFile = messages.size() == 1 && messages[0].text.find(failedPath + "\n") != std::string::npos;
        const bool saysDone = command_.doneMessage ? messages.size() == 1 && messages[0].text == command_.doneMessage
                                                   : messages.empty();
        if (failed && !namesFile) report += "no single message names " + failedPath + "\n";
        if (!failed && !saysDone) report += "the command did not end as it does when all is written\n";
        if (report.empty()) return report;
        for (const ShownBox& box : messages) report += "shown: " + box.title + ": " + box.text + "\n";
        return report;
    }

    // Runs the command with the fault in place and checks the result; removes the fault, runs it
    // again and checks that everything was written.
    std::string runThroughFault(std::optional<std::size_t> failed, std::size_t replaced,
                                const std::function<std::string()>& removeFault)
    {
        const DiskTree before = filesUnder(dir());
        run();
        if (std::string report = outcome(before, replaced, failed); !report.empty()) return "with the fault:\n" + report;
        if (std::string report = removeFault(); !report.empty()) return "removing the fault: " + report;
        const DiskTree cleared = filesUnder(dir());
        run();
        const std::string report = outcome(cleared, plan_.size(), std::nullopt);
        return report.empty() ? report : "after the fault was removed:\n" + report;
    }

private:
    const Command& command_;
    SampleSession game_{GameEdition::Collectors};
    DiskTree asLoaded_;
    std::vector<PlannedFile> plan_;
};

std::size_t planLength(const Command& command)
{
    if (command.kind == CommandKind::PatchFile) return 1;
    return command.kind == CommandKind::SaveWithBackups ? 8 : 4;
}

// The report of a child that set up its fault, or the test is skipped with the child's reason.
#define EXPECT_CHILD_RAN_CLEAN(report)                                                         \
    do {                                                                                       \
        const std::string childReport = (report);                                              \
        if (childReport.rfind(SkipPrefix, 0) == 0) GTEST_SKIP() << childReport;                \
        EXPECT_EQ(childReport, "");                                                            \
    } while (false)

enum class TargetFault { Folder, Deleted, ReadOnly };

TEST(DiskFaults, aTargetThatCannotBeWrittenOverStopsTheCommandBeforeAnythingChanges)
{
    for (const Command& command : Commands) {
        for (const TargetFault fault : {TargetFault::Folder, TargetFault::Deleted, TargetFault::ReadOnly}) {
            for (std::size_t step = 0; step < planLength(command); ++step) {
                FaultGame game(command);
                const PlannedFile& target = game.step(step);
                const stdfs::path path = game.pathOf(target.name);
                // A backup that is gone is simply written anew: only a game file may not vanish.
                if (fault == TargetFault::Deleted && !target.gameFile) continue;
                SCOPED_TRACE(std::string(command.name) + ", fault at " + target.name + " (" +
                             std::to_string(static_cast<int>(fault)) + ")");
                game.ensureTargetExists(step);
                const ByteImage original = readFileBytes(path.string());
                if (fault == TargetFault::ReadOnly) stdfs::permissions(path, stdfs::perms(0444));
                else stdfs::remove(path);
                if (fault == TargetFault::Folder) stdfs::create_directory(path);

                EXPECT_EQ(game.runThroughFault(step, 0, [&] {
                    std::error_code ignored;
                    stdfs::permissions(path, stdfs::perms(0644), ignored);
                    stdfs::remove(path);
                    writeFileBytes(path.string(), original);
                    return std::string();
                }), "");
            }
        }
    }
}

TEST(DiskFaults, aTargetThatIsASymbolicLinkStaysOneAndTheFileItLeadsToGetsTheBytes)
{
    for (const Command& command : Commands) {
        for (std::size_t step = 0; step < planLength(command); ++step) {
            FaultGame game(command);
            const PlannedFile& target = game.step(step);
            SCOPED_TRACE(std::string(command.name) + ", link at " + target.name);
            game.ensureTargetExists(step);
            const TempDir elsewhere;
            const stdfs::path path = game.pathOf(target.name);
            const stdfs::path linked = elsewhere.path() / "kept";
            stdfs::copy_file(path, linked);
            stdfs::remove(path);
            stdfs::create_symlink(linked, path);

            EXPECT_EQ(game.runThroughFault(std::nullopt, game.plan().size(), [] { return std::string(); }), "");
            EXPECT_TRUE(stdfs::is_symlink(path));
            EXPECT_EQ(filesUnder(elsewhere.path()), (DiskTree{{"kept", target.bytes}})) << "a temporary file was left";
        }
    }
}

TEST(DiskFaults, aReadOnlyFolderStopsTheCommandBeforeAnythingChanges)
{
    for (const Command& command : Commands) {
        for (const std::string folder : {"", "GEODATA"}) {
            SCOPED_TRACE(std::string(command.name) + ", read-only folder \"" + folder + "\"");
            FaultGame game(command);
            std::size_t firstInFolder = 0;
            while (firstInFolder < game.plan().size() && stdfs::path(game.step(firstInFolder).name).parent_path() != folder) {
                ++firstInFolder;
            }
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
}

TEST(DiskFaults, aDiskThatFillsDuringAWriteChangesNothing)
{
    const auto pageSize = static_cast<std::uintmax_t>(sysconf(_SC_PAGESIZE));
    const auto pages = [&](std::size_t bytes) { return (bytes + pageSize - 1) / pageSize; };
    for (const Command& command : Commands) {
        for (std::size_t step = 0; step < planLength(command); ++step) {
            FaultGame game(command);
            SCOPED_TRACE(std::string(command.name) + ", disk full at " + game.step(step).name);
            // Room for the game as loaded and the temporary files before this step, and one page
            // less than this step's file needs, so its write is cut short.
            std::uintmax_t room = 0;
            for (const auto& [name, bytes] : game.asLoaded()) room += pages(bytes.size());
            for (std::size_t i = 0; i <= step; ++i) room += pages(game.step(i).bytes.size());
            room -= 1;

            EXPECT_CHILD_RAN_CLEAN(runInChild([&] {
                if (std::string reason = takeOwnMounts(); !reason.empty()) return reason;
                const std::string size = "size=" + std::to_string(room * pageSize);
                if (mount("tmpfs", game.dir().c_str(), "tmpfs", 0, size.c_str()) != 0) {
                    return std::string(SkipPrefix) + "cannot mount a tmpfs";
                }
                writeTree(game.dir(), game.asLoaded());
                return game.runThroughFault(step, 0, [&] {
                    const bool grown = mount("tmpfs", game.dir().c_str(), "tmpfs", MS_REMOUNT, "size=64m") == 0;
                    return grown ? std::string() : std::string("cannot make the tmpfs larger");
                });
            }));
        }
    }
}

TEST(DiskFaults, aRenameThatFailsLeavesTheFilesBeforeItNewAndTheRestOld)
{
    for (const Command& command : Commands) {
        for (std::size_t step = 0; step < planLength(command); ++step) {
            FaultGame game(command);
            SCOPED_TRACE(std::string(command.name) + ", rename fails at " + game.step(step).name);
            game.ensureTargetExists(step);
            const TempDir holder;
            const stdfs::path path = game.pathOf(game.step(step).name);
            const stdfs::path mounted = holder.path() / "mounted";
            stdfs::copy_file(path, mounted);

            // A file mounted over the target: its folder entry cannot be replaced while it is there.
            EXPECT_CHILD_RAN_CLEAN(runInChild([&] {
                if (std::string reason = takeOwnMounts(); !reason.empty()) return reason;
                if (mount(mounted.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0) {
                    return std::string(SkipPrefix) + "cannot bind a file over another";
                }
                return game.runThroughFault(step, step, [&] {
                    return umount2(path.c_str(), MNT_DETACH) == 0 ? std::string() : std::string("cannot unmount");
                });
            }));
        }
    }
}

} // namespace
} // namespace orvane::test
