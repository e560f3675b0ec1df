#include "session/EditorSession.h"

#include "files/GameSaver.h"
#include "files/PatchFile.h"

namespace orvane {

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
    if (!steps.updateItemsList) steps.updateItemsList = updateItemsList_;
    if (!steps.updateBase) steps.updateBase = updateBase_;
    const LoadResult result = loadGameFiles(files_, fs_, prompts_, progress, steps);
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

bool EditorSession::canWriteFiles(const char* refusalTitle)
{
    if (files_.complete) return true;
    prompts_.showMessage(refusalTitle,
                         "The last load did not read all four game files, so they cannot be written back.\n"
                         "Load the files again before saving, making backups or making a patch file.");
    return false;
}

bool EditorSession::save()
{
    const char* notSaved = "Files not saved";
    if (!canWriteFiles(notSaved)) return false;
    const WriteResult result = saveGameFiles(files_, fs_, makeBackups_);
    if (!result.ok) {
        prompts_.showMessage(notSaved, describeWriteFailure(result));
        return false;
    }
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
    if (!canWriteFiles(notMade)) return;
    const WriteResult result = writeMasterBackup(files_, fs_);
    if (!result.ok) prompts_.showMessage(notMade, describeWriteFailure(result));
}

void EditorSession::makePatchFile()
{
    const char* notMade = "Patch file not made";
    if (!canWriteFiles(notMade)) return;
    // A complete load always holds every region: its executable has its edition's exact length.
    const std::optional<ByteImage> patch = buildPatchFile(files_);
    if (!patch) return;
    const std::optional<std::string> target = prompts_.chooseFileToSave(patchFileFilter());
    if (!target) return;
    const WriteResult result = writeWholeFile(*target, *patch, fs_);
    if (!result.ok) prompts_.showMessage(notMade, describeWriteFailure(result));
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
