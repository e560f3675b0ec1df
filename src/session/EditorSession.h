#pragma once
// What the main window owns while the program runs: the open game files, the undo history,
// the availability of the file commands, and the page routines to run after a load or an undo.
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Prompts.h"
#include "files/FileSystem.h"
#include "files/GameFileSet.h"
#include "files/GameLoader.h"
#include "files/GameLock.h"
#include "files/LoadProgress.h"
#include "history/UndoStack.h"
#include "session/UnsavedChanges.h"

namespace orvane {

// When an edit's write takes its undo snapshot: an accepted entry always does, so one Undo takes back
// one edit even when it typed the value already there; an option click only when it changes a byte.
enum class SnapshotRule { Always, WhenBytesDiffer };

// Bytes to write at a byte offset of an image.
struct BytesAt {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

class EditorSession {
public:
    EditorSession(FileSystem& fs, Prompts& prompts);

    GameFileSet& files() { return files_; }
    const GameFileSet& files() const { return files_; }
    GameEdition edition() const { return files_.edition; }
    ByteImage& image(FileId id) { return files_.image(id); }
    // True when the image holds a file read by a load (the current one or an earlier one).
    bool isLoaded(FileId id) const { return files_.file(id).loaded; }
    Prompts& prompts() { return prompts_; }
    FileSystem& fileSystem() { return fs_; }

    // Availability of the menu commands that depend on the files.
    bool filesOpen() const { return filesOpen_; }
    bool saveAvailable() const { return saveAvailable_; }
    bool undoAvailable() const { return undoAvailable_; }
    bool makeBackups() const { return makeBackups_; }
    void toggleMakeBackups() { makeBackups_ = !makeBackups_; }
    std::size_t undoCount() const { return undo_.count(); }
    // True from the first edit until Save, Undo back to the saved state, Close files or the next load.
    bool modified() const { return unsaved_.any(); }
    void onAvailabilityChanged(std::function<void()> listener) { availabilityListener_ = std::move(listener); }

    // Page routines, run in the order registered: after a complete load, and after Undo put back an image.
    void onLoadCompleted(std::function<void()> routine) { loadCompleted_.push_back(std::move(routine)); }
    void onRestored(FileId id, std::function<void()> routine) { restored_[id].push_back(std::move(routine)); }
    // Run when a load, or Apply Patch File, puts an image of other bytes in place of `id`: whatever a page
    // took from the old image (an open string edit) no longer belongs to it. Undo does not run them.
    void onImageReplaced(std::function<void(FileId)> listener) { imageReplaced_.push_back(std::move(listener)); }
    // Page routines the load runs as soon as it accepts an executable, each under its own step line, so
    // a load that stops at a data file still leaves those pages filled.
    void onExeAccepted(std::string stepLine, std::function<void()> routine)
    {
        exeAccepted_.push_back({std::move(stepLine), std::move(routine)});
    }

    // Load Files. `calls` are the window's steps while the executable is accepted; on a complete load
    // the registered page routines run and the undo history is emptied.
    LoadResult loadFiles(LoadProgress& progress, const LoadCalls& calls);

    // Every edit calls this once, after its entry was accepted and before its first write.
    void pushSnapshot(FileId id);
    // An edit's write: the pieces go into image `id` as one undoable change, after a snapshot taken as
    // `rule` says. Writes nothing, and answers false, when a piece does not lie inside the image.
    bool write(FileId id, std::span<const BytesAt> pieces, SnapshotRule rule);
    bool write(FileId id, std::size_t offset, std::vector<std::uint8_t> bytes, SnapshotRule rule);
    // Puts the newest snapshot back in place of its image and runs that image's page routines.
    void undo();
    // Replaces a whole image as one undoable change: a snapshot first, then that image's page routines.
    void replaceImage(FileId id, ByteImage bytes);

    // Save and Make Master Backup tell the user their outcome in a message box. Save answers whether
    // the files were written.
    bool save();
    void makeMasterBackup();
    // Make Patch Files: asks for the file in the save dialog and writes the patch file of the images
    // as they stand. Cancel writes nothing; a failed write is told, naming the file.
    void makePatchFile();

    // Files another program changed on disk since this session last read or wrote them, noticed by their
    // stamps (the window asks every second or so): each change is told once, until the file changes again.
    std::vector<FileId> newDiskChanges();

    // True after a load that read all four files. Otherwise tells the user, under `refusalTitle`, to
    // load the files again before `command` ("saving"), and answers false: the images mix two loads.
    bool requireCompleteLoad(const char* refusalTitle, std::string_view command);
    // Keep Both: reads the changed files again and puts this session's changes on top of them, value by
    // value, through the undo history too; tells the values both changed and what found no place.
    // False when a file on disk can no longer be taken (gone, or of a length the game cannot have).
    bool keepBothWithDisk();
    // Reload: drops every edit (after asking, when there are unsaved ones) and reads the changed files again.
    bool reloadFromDisk();

    // Close files: offers Save when there are unsaved changes, then `disableAll`, then empties the history.
    // When the Save it offered fails or is refused it stops there, with the files, the history and Save as
    // they were, so the edits can still be saved once the fault is mended.
    void closeFiles(const std::function<void()>& disableAll);

private:
    // Before a write: when another program changed the files, asks whether to keep both, overwrite or
    // cancel. False for Cancel (or a Keep Both that could not read the files).
    bool settleDiskChanges();
    // Reads again, under the game's lock, every file that differs from what this session last read or
    // wrote, and takes it with this session's changes on top (Keep) or in place of them (Drop).
    enum class OurEdits { Keep, Drop };
    bool takeFromDisk(OurEdits ours);
    std::optional<GameLock> lockGame(const char* refusalTitle);
    void redrawPagesOf(FileId id);
    void tellImageReplaced(FileId id);
    void notify();

    FileSystem& fs_;
    Prompts& prompts_;
    GameFileSet files_;
    UndoStack undo_;
    UnsavedChanges unsaved_;
    bool filesOpen_ = false;
    bool saveAvailable_ = false;
    bool undoAvailable_ = false;
    bool makeBackups_ = true;
    std::function<void()> availabilityListener_;
    std::vector<std::function<void()>> loadCompleted_;
    std::map<FileId, std::vector<std::function<void()>>> restored_;
    std::vector<std::function<void(FileId)>> imageReplaced_;
    std::vector<LoadStep> exeAccepted_;
    std::map<FileId, std::optional<FileStamp>> toldDiskStamps_;
};

} // namespace orvane
