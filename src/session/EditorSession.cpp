#include "session/EditorSession.h"

#include <algorithm>

#include "changes/DiskRebase.h"
#include "files/DiskState.h"
#include "files/GameSaver.h"
#include "files/PatchFile.h"

namespace orvane {

namespace {

constexpr const char* DiskChangedTitle = "Files changed on disk";
enum DiskChoice : std::size_t { KeepBoth, Overwrite, Cancel };

std::string listOfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::string diskChangedText(const GameFileSet& files, const std::vector<FileId>& changed)
{
    std::vector<std::string> paths;
    for (const FileId id : changed) paths.push_back(files.file(id).diskPath);
    return "Another program changed these files on disk after they were loaded:\n" + listOfLines(paths) +
           "Keep Both puts your changes on top of theirs; Overwrite replaces theirs with yours; Cancel saves nothing.";
}

} // namespace

EditorSession::EditorSession(FileSystem& fs, Prompts& prompts) : fs_(fs), prompts_(prompts) {}

void EditorSession::notify()
{
    if (availabilityListener_) availabilityListener_();
}

LoadResult EditorSession::loadFiles(LoadProgress& progress, const LoadCalls& calls)
{
    LoadCalls steps = calls;
    // Snapshots belong to the images of the load they were taken from: once a load accepts a new
    // executable, none of them may be put back, even when the load stops at a data file.
    steps.editionRecognised = [this, &calls](GameEdition edition) {
        undo_.clear();
        if (calls.editionRecognised) calls.editionRecognised(edition);
    };
    steps.enableAll = [this, &calls] {
        filesOpen_ = true;
        unsaved_.reset();
        if (calls.enableAll) calls.enableAll();
        notify();
    };
    steps.fileRead = [this, &calls](FileId id) {
        tellImageReplaced(id);
        if (calls.fileRead) calls.fileRead(id);
    };
    steps.exeAccepted.insert(steps.exeAccepted.end(), exeAccepted_.begin(), exeAccepted_.end());
    const LoadResult result = loadGameFiles(files_, fs_, prompts_, progress, steps);
    toldDiskStamps_.clear();
    if (result != LoadResult::Complete) return result;
    for (const auto& routine : loadCompleted_) routine();
    notify();
    return result;
}

void EditorSession::pushSnapshot(FileId id)
{
    saveAvailable_ = true;
    if (undo_.empty()) undoAvailable_ = true;
    undo_.push(id, files_.image(id));
    unsaved_.edited(undo_.count());
    notify();
}

bool EditorSession::write(FileId id, std::span<const BytesAt> pieces, SnapshotRule rule)
{
    const ByteImage& image = files_.image(id);
    bool differs = false;
    for (const BytesAt& piece : pieces) {
        if (!fitsIn(image, piece.offset, piece.bytes.size())) return false;
        differs = differs || !std::equal(piece.bytes.begin(), piece.bytes.end(),
                                         image.begin() + static_cast<std::ptrdiff_t>(piece.offset));
    }
    if (rule == SnapshotRule::Always || differs) pushSnapshot(id);
    ByteImage& target = files_.image(id);
    for (const BytesAt& piece : pieces) {
        std::copy(piece.bytes.begin(), piece.bytes.end(), target.begin() + static_cast<std::ptrdiff_t>(piece.offset));
    }
    return true;
}

bool EditorSession::write(FileId id, std::size_t offset, std::vector<std::uint8_t> bytes, SnapshotRule rule)
{
    const BytesAt piece{offset, std::move(bytes)};
    return write(id, std::span(&piece, 1), rule);
}

void EditorSession::undo()
{
    auto snapshot = undo_.pop();
    if (!snapshot) return;
    files_.image(snapshot->fileId) = std::move(snapshot->bytes);
    unsaved_.undone();
    redrawPagesOf(snapshot->fileId);
    if (undo_.empty()) undoAvailable_ = false;
    notify();
}

void EditorSession::replaceImage(FileId id, ByteImage bytes)
{
    pushSnapshot(id);
    files_.image(id) = std::move(bytes);
    tellImageReplaced(id);
    redrawPagesOf(id);
    notify();
}

void EditorSession::tellImageReplaced(FileId id)
{
    for (const auto& listener : imageReplaced_) listener(id);
}

void EditorSession::redrawPagesOf(FileId id)
{
    const auto routines = restored_.find(id);
    if (routines == restored_.end()) return;
    for (const auto& routine : routines->second) routine();
}

bool EditorSession::requireCompleteLoad(const char* refusalTitle, std::string_view command)
{
    if (files_.complete) return true;
    prompts_.showMessage(refusalTitle, "The last load did not read all four game files.\nLoad the files again before " +
                                           std::string(command) + ".");
    return false;
}

std::optional<GameLock> EditorSession::lockGame(const char* refusalTitle)
{
    auto lock = GameLock::acquire(fs_, files_.exePath);
    if (!lock) prompts_.showMessage(refusalTitle, GameBusyText);
    return lock;
}

bool EditorSession::settleDiskChanges()
{
    const auto changed = changedOnDisk(files_, fs_);
    if (changed.empty()) return true;
    switch (prompts_.askChoice(DiskChangedTitle, diskChangedText(files_, changed), {"Keep Both", "Overwrite", "Cancel"},
                               KeepBoth, Cancel)) {
    case KeepBoth: return takeFromDisk(OurEdits::Keep);
    case Overwrite:
        // What is on disk now is what the save may replace; the backups still hold the files as loaded.
        for (const FileId id : changed) {
            LoadedFile& file = files_.file(id);
            rememberOnDisk(file, fs_.readWhole(file.diskPath).value_or(ByteImage{}), fs_);
        }
        return true;
    default: return false;
    }
}

bool EditorSession::save()
{
    const char* notSaved = "Files not saved";
    if (!requireCompleteLoad(notSaved, "saving")) return false;
    while (true) {
        if (!settleDiskChanges()) return false;
        const auto lock = lockGame(notSaved);
        if (!lock) return false;
        // Another program may have written between the question and the lock (or died writing, leaving
        // a write this finishes): then the user is asked again about what is on disk now.
        finishInterruptedWrite(fs_, lock->journalPath());
        if (!changedOnDisk(files_, fs_).empty()) continue;
        const WriteResult result = saveGameFiles(files_, fs_, *lock, {makeBackups_, false, {}});
        if (!result.ok) {
            prompts_.showWarning(notSaved, describeWriteFailure(result));
            return false;
        }
        break;
    }
    toldDiskStamps_.clear();
    prompts_.showMessage("Files saved.", "All files saved.");
    saveAvailable_ = false;
    unsaved_.reset();
    notify();
    return true;
}

void EditorSession::makeMasterBackup()
{
    if (!prompts_.askYesNo("Make master backup?",
                           "Are you sure you want to make a master back up? This will overwrite any other "
                           "master backup of your executable.")) {
        return;
    }
    const char* notMade = "Master backup not made";
    if (!requireCompleteLoad(notMade, "making a master backup")) return;
    const auto lock = lockGame(notMade);
    if (!lock) return;
    const WriteResult result = writeMasterBackup(files_, fs_, *lock);
    if (!result.ok) prompts_.showWarning(notMade, describeWriteFailure(result));
}

void EditorSession::makePatchFile()
{
    const char* notMade = "Patch file not made";
    if (!requireCompleteLoad(notMade, "making a patch file")) return;
    // A complete load always holds every region: its executable has its edition's exact length.
    const std::optional<ByteImage> patch = buildPatchFile(files_);
    if (!patch) return;
    const std::optional<std::string> target = prompts_.chooseFileToSave(patchFileFilter());
    if (!target) return;
    if (const auto refusal = refuseGameFileAsOutput(files_, fs_, *target)) {
        prompts_.showMessage(notMade, *refusal);
        return;
    }
    const WriteResult result = writeWholeFile(*target, *patch, fs_);
    if (!result.ok) prompts_.showWarning(notMade, describeWriteFailure(result));
}

std::vector<FileId> EditorSession::newDiskChanges()
{
    if (!filesOpen_ || !files_.complete) return {};
    std::vector<FileId> fresh;
    for (const FileId id : changedOnDiskSinceStamps(files_, fs_)) {
        const auto now = fs_.stamp(files_.file(id).diskPath);
        const auto told = toldDiskStamps_.find(id);
        if (told != toldDiskStamps_.end() && told->second == now) continue;
        toldDiskStamps_[id] = now;
        fresh.push_back(id);
    }
    return fresh;
}

bool EditorSession::keepBothWithDisk() { return takeFromDisk(OurEdits::Keep); }

bool EditorSession::reloadFromDisk()
{
    if (modified() && !prompts_.askYesNo("Reload?", "Drop the changes you have not saved and read the files "
                                                    "from disk again?")) {
        return false;
    }
    return takeFromDisk(OurEdits::Drop);
}

bool EditorSession::takeFromDisk(OurEdits ours)
{
    // Read under the lock, as a load reads, so never half-way through another program's write.
    const auto lock = lockGame(DiskChangedTitle);
    if (!lock) return false;
    finishInterruptedWrite(fs_, lock->journalPath());
    std::vector<std::pair<FileId, ByteImage>> read;
    for (const FileId id : changedOnDisk(files_, fs_)) {
        const std::string& path = files_.file(id).diskPath;
        auto bytes = fs_.readWhole(path);
        if (!bytes || !fitsAsGameFile(id, files_.edition, *bytes)) {
            prompts_.showMessage(DiskChangedTitle, path + " cannot be read again as the game's file. Nothing "
                                                          "was changed; load the files again to go on.");
            return false;
        }
        read.emplace_back(id, std::move(*bytes));
    }
    std::vector<std::string> bothChanged;
    std::vector<std::string> notPlaced;
    for (auto& [fileId, bytesOnDisk] : read) {
        // Plain names for the binding: clang 14 lets no lambda capture a structured binding.
        const FileId id = fileId;
        ByteImage& onDisk = bytesOnDisk;
        LoadedFile& file = files_.file(id);
        if (ours == OurEdits::Keep) {
            changes::Rebased rebased = changes::rebaseOnDisk(id, files_.edition, file.asRead, file.image, onDisk);
            undo_.transform(id, [&](ByteImage& snapshot) {
                snapshot = changes::rebaseOnDisk(id, files_.edition, file.asRead, snapshot, onDisk).image;
            });
            bothChanged.insert(bothChanged.end(), rebased.bothChanged.begin(), rebased.bothChanged.end());
            notPlaced.insert(notPlaced.end(), rebased.notPlaced.begin(), rebased.notPlaced.end());
            file.image = std::move(rebased.image);
        } else {
            file.image = onDisk;
        }
        file.asRead = std::move(onDisk);
        rememberOnDisk(file, file.asRead, fs_);
        toldDiskStamps_.erase(id);
    }
    if (ours == OurEdits::Drop) {
        for (LoadedFile& file : files_.files) file.image = file.asRead;
        undo_.clear();
        undoAvailable_ = false;
    }
    const bool differs = std::any_of(files_.files.begin(), files_.files.end(),
                                     [](const LoadedFile& file) { return file.image != file.asRead; });
    if (differs)
        unsaved_.diskMovedOn();
    else
        unsaved_.reset();
    saveAvailable_ = differs;
    for (const FileId id : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) {
        tellImageReplaced(id);
        redrawPagesOf(id);
    }
    notify();
    if (!bothChanged.empty() || !notPlaced.empty()) {
        std::string text = "Your changes were put on top of the files on disk.\n";
        if (!bothChanged.empty()) text += "Both changed these values; yours were kept:\n" + listOfLines(bothChanged);
        if (!notPlaced.empty()) text += "These changes found no place in the files on disk:\n" + listOfLines(notPlaced);
        prompts_.showMessage(DiskChangedTitle, text);
    }
    return true;
}

void EditorSession::closeFiles(const std::function<void()>& disableAll)
{
    if (saveAvailable_ && prompts_.askYesNo("Save?", "Would you like to save your progress first?") && !save()) return;
    filesOpen_ = false;
    saveAvailable_ = false;
    undoAvailable_ = false;
    if (disableAll) disableAll();
    undo_.clear();
    unsaved_.reset();
    notify();
}

} // namespace orvane
