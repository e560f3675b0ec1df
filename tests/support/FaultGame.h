#pragma once
// An edited Collector's Edition game and one writing command run through a real-disk fault.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/PatchFile.h"
#include "support/DiskTree.h"
#include "support/ImageDiff.h"
#include "support/SampleSession.h"

namespace orvane::test {

namespace stdfs = std::filesystem;

enum class CommandKind { SaveWithBackups, SaveWithoutBackups, MasterBackup, PatchFile };

struct Command {
    CommandKind kind;
    const char* name;
    const char* doneMessage; // what it shows when everything was written; nullptr: nothing
};

inline const Command Commands[] = {
    {CommandKind::SaveWithBackups, "Save with backups", "All files saved."},
    {CommandKind::SaveWithoutBackups, "Save without backups", "All files saved."},
    {CommandKind::MasterBackup, "Make Master Backup", nullptr},
    {CommandKind::PatchFile, "Make Patch Files", nullptr},
};

inline constexpr const char* PatchName = "edits.qev";
// The backups and the master copies of a Collector's Edition game's files, in GameFiles order.
inline const char* const BackupNames[] = {"QEV.EXE.bak", "GEODATA/english.bak", "GEODATA/english2.bak",
                                          "GEODATA/obdata.bak"};
inline const char* const MasterNames[] = {"QEV.EXE(MASTER).bak", "GEODATA/ENGLISH(MASTER).bak",
                                          "GEODATA/ENGLISH2(MASTER).bak", "GEODATA/OBDATA(MASTER).bak"};

// One file a command writes: its path below the game folder and the bytes it is meant to get.
struct PlannedFile {
    std::string name;
    ByteImage bytes;
    bool gameFile;
};

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

        const bool backups = command.kind == CommandKind::SaveWithBackups || command.kind == CommandKind::MasterBackup;
        for (std::size_t i = 0; backups && i < 4; ++i) {
            const char* name = command.kind == CommandKind::MasterBackup ? MasterNames[i] : BackupNames[i];
            plan_.push_back({name, asLoaded_.at(GameFiles[i].first), false});
        }
        if (command.kind == CommandKind::PatchFile)
            plan_.push_back({PatchName, *buildPatchFile(game_.session.files()), false});
        if (command.kind == CommandKind::MasterBackup || command.kind == CommandKind::PatchFile) return;
        for (const auto& [name, id] : GameFiles) plan_.push_back({name, game_.session.image(id), true});
    }

    const stdfs::path& dir() const { return game_.dir.path(); }
    stdfs::path pathOf(const std::string& name) const { return (dir() / name).make_preferred(); }
    const std::vector<PlannedFile>& plan() const { return plan_; }
    const PlannedFile& step(std::size_t index) const { return plan_.at(index); }
    const DiskTree& asLoaded() const { return asLoaded_; }
    // The disk the session writes through, which can cut a write short or fail a rename.
    FakeFileSystem& disk() { return game_.fs; }
    ScriptedPrompts& prompts() { return game_.prompts; }

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
            game_.prompts.answerYes();
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
        const auto says = [&messages](const std::string& part) {
            return messages.size() == 1 && messages[0].text.find(part) != std::string::npos;
        };
        // The failed file, and every file already replaced or else that none was.
        bool namesFiles = says(failedPath + "\n") && says("No file was changed.") == (replaced == 0);
        for (std::size_t i = 0; i < replaced; ++i)
            namesFiles = namesFiles && says(pathOf(plan_[i].name).string() + "\n");
        const bool saysDone =
            command_.doneMessage ? messages.size() == 1 && messages[0].text == command_.doneMessage : messages.empty();
        if (failed && !namesFiles) report += "no single message names " + failedPath + " and the files replaced\n";
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
        if (std::string report = outcome(before, replaced, failed); !report.empty())
            return "with the fault:\n" + report;
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

inline std::size_t planLength(const Command& command)
{
    if (command.kind == CommandKind::PatchFile) return 1;
    return command.kind == CommandKind::SaveWithBackups ? 8 : 4;
}

// Runs `check` on a new game for every step of every command, traced by command, fault and file.
inline void forEveryStep(const std::string& fault, const std::function<void(FaultGame&, std::size_t)>& check)
{
    for (const Command& command : Commands) {
        for (std::size_t step = 0; step < planLength(command); ++step) {
            FaultGame game(command);
            SCOPED_TRACE(std::string(command.name) + ", " + fault + " at " + game.step(step).name);
            check(game, step);
        }
    }
}

} // namespace orvane::test
