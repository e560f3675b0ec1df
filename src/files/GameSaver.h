#pragma once
// Save and Make Master Backup: every file is written whole to a temporary file first, and only
// when all are written are they renamed over their targets, so no game file is ever half-written.
#include <string>
#include <vector>

#include "files/FileSystem.h"
#include "files/GameFileSet.h"

namespace orvane {

struct WriteResult {
    bool ok = true;
    std::string failedFile;                // the file that could not be written
    std::vector<std::string> replacedFiles; // files already replaced when the failure came
};

// The four game files, after the ".bak" copies of the files as loaded when makeBackups is set.
WriteResult saveGameFiles(const GameFileSet& files, FileSystem& fs, bool makeBackups);

// The "(MASTER).bak" copies of the four files as loaded.
WriteResult writeMasterBackup(const GameFileSet& files, FileSystem& fs);

// One file, written to a temporary file beside it and renamed over it: an existing file is replaced
// whole, by one of exactly the new length, or left as it was.
WriteResult writeWholeFile(const std::string& target, const ByteImage& bytes, FileSystem& fs);

// The message that tells the user which file could not be written and what was already replaced.
std::string describeWriteFailure(const WriteResult& result);

} // namespace orvane
