#pragma once
// Writing a game as one unit: every new file is written to a temporary file beside its target and
// flushed; then a journal naming every rename is written and flushed; then the renames; then the
// journal goes. A process that dies anywhere leaves either the old files, untouched, with temporary
// files that the next write removes, or a journal from which the next load or write finishes the
// renames. A rename that fails is tried again and, failing still, the files already replaced are put
// back through the same steps.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteImage.h"
#include "files/FileSystem.h"
#include "files/GameLock.h"

namespace orvane {

struct WriteResult {
    bool ok = true;
    std::string failedFile;   // the file that could not be written
    std::string reason;       // the system's reason, when it gave one
    bool interrupted = false; // stopped by the user before its first rename
    // Set only when a failed write could neither be finished nor undone: which files hold the new
    // bytes, which the old ones; the journal stays so that the next load finishes it.
    std::vector<std::string> replacedFiles;
    std::vector<std::string> unchangedFiles;
};

struct PlannedWrite {
    std::string target;
    const ByteImage* bytes = nullptr; // nothing: the target is removed
    bool mustExist = false;           // a game file: one that is gone since the load is not made anew
};

// Writes the plan as one unit under the game's lock. `interrupted` is asked before each step that
// comes before the journal: once it answers true, the temporary files go and nothing is changed.
WriteResult writeAsOneUnit(const std::vector<PlannedWrite>& plan, FileSystem& fs, const GameLock& lock,
                           const std::function<bool()>& interrupted = {});

// One file that is not a game's (a patch file, a mod): written to a temporary file and renamed.
WriteResult writeWholeFile(const std::string& target, const ByteImage& bytes, FileSystem& fs);

// Removes the temporary files of this program that writes cut off before their journal left in the
// folders of these paths. Call it holding the game's lock, so no write of the game is under way.
void removeLeftTemporaries(const std::vector<std::string>& besideThese, FileSystem& fs);

// Finishes a write that a journal at `journalPath` shows was cut off, or throws its temporary files
// away when the journal itself was cut off. One line saying what was done; nothing when there was no
// journal. Call it holding the game's lock, before reading the game.
std::optional<std::string> finishInterruptedWrite(FileSystem& fs, const std::string& journalPath);

// The message that tells the user which file could not be written, why, and what that left.
std::string describeWriteFailure(const WriteResult& result);

} // namespace orvane
