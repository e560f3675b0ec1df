// orvane apply: mod files and patch files applied one after another to the images of one load, every
// file checked whole before the next, then saved once, as Save saves. A refused file ends the command
// before anything is written.
#include <algorithm>
#include <cctype>
#include <optional>
#include <unordered_map>

#include "Commands.h"
#include "GameOnDisk.h"
#include "Streams.h"
#include "changes/ChangeList.h"
#include "files/DiskState.h"
#include "files/GameSaver.h"
#include "files/Interrupts.h"
#include "files/PatchImages.h"
#include "mods/ModApply.h"
#include "mods/ModSummary.h"
#include "mods/ModText.h"

namespace orvane::cli {

namespace {

using Images = std::vector<std::pair<FileId, ByteImage>>;

constexpr int MostReadings = 3;

// The faults of a refused mod told at most, one line each.
constexpr std::size_t MostFaultsTold = 50;

bool endsWith(const std::string& path, std::string_view extension)
{
    return path.size() >= extension.size() &&
           std::equal(extension.rbegin(), extension.rend(), path.rbegin(),
                      [](char wanted, char c) { return wanted == std::tolower(static_cast<unsigned char>(c)); });
}

// A mod file by its name; standard input ("-") is always read as a mod file.
bool isModFile(const std::string& path) { return endsWith(path, ".toml") || path == StandardInput; }

// What the files applied so far set, by value: where it was set, for the later-wins warning.
using SetBy = std::unordered_map<std::string, std::string>;

class Application {
public:
    Application(GameFileSet& game, const Options& options) : game_(game), options_(options) {}

    // `laterFiles`: whether more files come after this one. A refused file changes nothing; its faults
    // are kept and the files after it are still checked, so that all of them are told at once.
    void apply(const std::string& path, const ByteImage& bytes, bool laterFiles)
    {
        try {
            if (isModFile(path)) {
                applyMod(path, bytes, laterFiles);
            } else {
                applyPatch(path, bytes);
            }
        } catch (const Refusal& refusal) {
            faults_.push_back(refusal.message);
        }
    }

    // Every fault of every refused file, the first MostFaultsTold of them, then "and N more".
    std::optional<std::string> refusal() const
    {
        if (faults_.empty()) return std::nullopt;
        std::string text;
        for (std::size_t i = 0; i < faults_.size() && i < MostFaultsTold; ++i) {
            text += (i > 0 ? "\norvane: " : "") + faults_[i];
        }
        if (faults_.size() > MostFaultsTold)
            text += "\norvane: and " + std::to_string(faults_.size() - MostFaultsTold) + " more";
        return text;
    }

    // The changes in the order they were made, one line each, when they are listed (--dry-run, -v).
    const std::string& changes() const { return changes_; }
    // How many values the files changed, counted file by file.
    std::size_t changeCount() const { return changeCount_; }
    // What the files say that may not be what their writers meant, one line each.
    const std::vector<std::string>& warnings() const { return warnings_; }
    // At how many places patches changed bytes that no page shows.
    std::size_t hiddenCount() const { return hiddenCount_; }

private:
    void applyMod(const std::string& file, const ByteImage& bytes, bool laterFiles)
    {
        const std::string path = file == StandardInput ? std::string(StandardInputName) : file;
        const mods::ApplyDetail detail{listing(), laterFiles || !setBy_.empty()};
        mods::ModApplication applied = mods::applyModText(game_, asText(bytes), detail);
        for (const mods::ModRefusal& claim : applied.warnings) warning(path + ": " + claim.describe());
        if (applied.refusal) {
            for (const mods::ModRefusal& fault : applied.refusals) faults_.push_back(path + ": " + fault.describe());
            return;
        }
        noteAssigned(path, applied.assigned, laterFiles);
        changeCount_ += applied.changeCount;
        for (const mods::ValueChange& change : applied.changes) {
            if (!listing()) break;
            changes_ += path + ":" + std::to_string(change.line) + ": " + change.record + ", " + change.field + ": " +
                        mods::valueText(change.before) + " -> " + mods::valueText(change.after) + "\n";
        }
        take(std::move(applied.images));
    }

    // Warns of each value an earlier file set as well. A file sets a value at most once (a record given
    // twice is refused), so where values were set is remembered only while more files follow.
    void noteAssigned(const std::string& path, const std::vector<mods::AssignedValue>& assigned, bool laterFiles)
    {
        if (setBy_.empty() && !laterFiles) return;
        for (const mods::AssignedValue& value : assigned) {
            const std::string key = value.describe();
            const std::string here = path + ":" + std::to_string(value.line);
            if (const auto earlier = setBy_.find(key); earlier != setBy_.end()) {
                warning(here + ": " + value.record + ", " + value.field + " was set before by " + earlier->second +
                        "; the later value is kept");
            }
            if (laterFiles) setBy_[key] = here;
        }
    }

    void applyPatch(const std::string& path, const ByteImage& bytes)
    {
        const PatchReading reading = readPatchFile(bytes);
        if (!reading.contents) throw Refusal{path + ": " + reading.problem};
        const PatchContents& contents = *reading.contents;
        auto exe = patchedExe(game_.image(FileId::Exe), game_.edition, contents);
        if (!exe) throw Refusal{path + ": the game's executable has no room for the patch's regions"};
        Images images = patchedImages(game_, std::move(*exe), contents, englishLength(path, contents));
        if (!setBy_.empty()) {
            warning(path +
                    ": a patch file carries whole regions, so the values the files before it set are its own now");
        }
        listPatchChanges(path, images);
        take(std::move(images));
    }

    // The split of the string files: the only one the markers allow, or the one chosen on the command line.
    std::size_t englishLength(const std::string& path, const PatchContents& contents) const
    {
        const auto& lengths = contents.englishLengths;
        if (lengths.size() == 1) return lengths.front();
        const auto chosen = options_.englishLength;
        if (chosen && std::find(lengths.begin(), lengths.end(), *chosen) != lengths.end()) return *chosen;
        std::string message = path + ": the patch file can be split into ENGLISH.DAT and ENGLISH2.DAT in more than "
                                     "one way, at each marker of three bytes 255 in its strings:";
        for (const std::size_t length : lengths) {
            message += "\n  --english-length ";
            message += std::to_string(length);
            message += ": ";
            message += describeSplit(contents, length);
        }
        if (chosen) {
            message += "\n--english-length ";
            message += std::to_string(*chosen);
            message += " is none of them.";
        } else {
            message += "\nChoose one with --english-length.";
        }
        throw Refusal{message};
    }

    // A patch's changes as the change list shows them: the pages' values, strings, and bytes no page shows.
    void listPatchChanges(const std::string& path, const Images& images)
    {
        GameFileSet compared = game_;
        for (LoadedFile& file : compared.files) file.asRead = file.image;
        for (const auto& [file, image] : images) compared.image(file) = image;
        std::size_t hiddenInExe = 0;
        for (const changes::Change& change : changes::listChanges(compared)) {
            if (change.page) {
                ++changeCount_;
            } else {
                ++hiddenCount_;
                if (change.pageText == changes::fileCaption(FileId::Exe)) ++hiddenInExe;
            }
            if (!listing()) continue;
            std::string field = change.field;
            if (field.ends_with(':')) field.pop_back();
            changes_ += path + ": " + change.pageText + ", " + change.recordText + ", " + field + ": " +
                        change.oldValue + " -> " + change.newValue + "\n";
        }
        if (hiddenInExe > 0) {
            warning(path + ": the executable's bytes that no page shows are written as the patch holds them, at " +
                    mods::groupedNumber(hiddenInExe) + (hiddenInExe == 1 ? " place" : " places") +
                    "; a patch made on another edition holds that edition's bytes there");
        }
    }

    bool listing() const { return options_.dryRun || options_.verbose; }

    // Kept until the files have been read for the last time, so a reading again does not repeat them.
    void warning(std::string text) { warnings_.push_back(std::move(text)); }

    void take(Images images)
    {
        for (auto& [file, image] : images) game_.image(file) = std::move(image);
    }

    GameFileSet& game_;
    const Options& options_;
    SetBy setBy_;
    std::vector<std::string> faults_;
    std::vector<std::string> warnings_;
    std::string changes_;
    std::size_t changeCount_ = 0;
    std::size_t hiddenCount_ = 0;
};

bool anyChange(const GameFileSet& game)
{
    return std::any_of(game.files.begin(), game.files.end(),
                       [](const LoadedFile& file) { return file.image != file.asRead; });
}

std::size_t changedFiles(const GameFileSet& game)
{
    return static_cast<std::size_t>(std::count_if(game.files.begin(), game.files.end(),
                                                  [](const LoadedFile& file) { return file.image != file.asRead; }));
}

// "4 files saved, backups beside them": what Save wrote.
std::string savedFiles(const GameFileSet& game, bool backups)
{
    const auto saved = static_cast<std::size_t>(
        std::count_if(game.files.begin(), game.files.end(), [](const LoadedFile& file) { return file.loaded; }));
    return std::to_string(saved) + (saved == 1 ? " file saved" : " files saved") +
           (backups ? ", backups beside them" : ", no backups (--no-backups)");
}

} // namespace

void runApply(const Options& options, FileSystem& fs)
{
    for (const std::string& path : options.files) {
        if (!isModFile(path) && !endsWith(path, ".qev")) {
            throw Refusal{path + ": a file to apply is a mod file (.toml) or a patch file (.qev)", Misused};
        }
    }
    if (std::count(options.files.begin(), options.files.end(), StandardInput) > 1) {
        throw Refusal{"standard input (-) can be given once only", Misused};
    }
    std::vector<ByteImage> inputs;
    for (const std::string& path : options.files) inputs.push_back(readInput(path, fs));

    // The files are read as the reading commands read them, and the lock is taken (its file made) only
    // when there is something to write: a dry run, a refused mod or one that changes nothing leaves the
    // game's folder as it was. From then the lock is held to the write, so no other writer of ours
    // comes between; files that changed on disk meanwhile (before the lock, or by a program that takes
    // none) are read and the mods applied again.
    std::optional<GameLock> lock;
    for (int attempt = 1;; ++attempt) {
        GameFileSet game = loadGame(options.game, fs, lock ? &*lock : nullptr);
        Application application(game, options);
        for (std::size_t i = 0; i < options.files.size(); ++i) {
            application.apply(options.files[i], inputs[i], i + 1 < options.files.size());
        }
        // Told once, from the reading the command ends with.
        const auto tellWarnings = [&application] {
            for (const std::string& text : application.warnings()) warn(text);
        };
        if (const auto refusal = application.refusal()) {
            tellWarnings();
            throw Refusal{*refusal};
        }
        const std::string summary = mods::describeChanges(application.changeCount(), changedFiles(game), options.dryRun,
                                                          application.hiddenCount());
        if (options.dryRun) {
            tellWarnings();
            print(application.changes());
            note(summary + (anyChange(game) ? "; nothing written (--dry-run)" : ""));
            return;
        }
        if (!anyChange(game)) {
            tellWarnings();
            return note(summary);
        }
        if (!lock) lock.emplace(lockGame(options.game, fs));
        if (!changedOnDisk(game, fs).empty()) {
            if (attempt == MostReadings) {
                throw Refusal{options.game +
                              ": the game's files changed on disk while they were being written, "
                              "each of " +
                              std::to_string(MostReadings) + " times; no file was changed"};
            }
            continue;
        }
        tellWarnings();
        const DeferInterrupts whileWriting;
        const SaveOptions save{!options.noBackups, true, [] { return interruptRequested(); }};
        const WriteResult saved = saveGameFiles(game, fs, *lock, save);
        if (!saved.ok) throw writeRefused(saved);
        print(application.changes());
        note(summary + "; " + savedFiles(game, !options.noBackups));
        return;
    }
}

} // namespace orvane::cli
