#pragma once
// Sample game folders, a recording progress window and whole-folder snapshots for the
// game-file tests.
#include <map>
#include <string>
#include <vector>

#include "core/GameEdition.h"
#include "files/FileSystem.h"
#include "files/GameFileSet.h"
#include "files/LoadProgress.h"
#include "support/TempDir.h"

namespace orvane::test {

// Every call the load made on the progress window, with the window's lines as they stand.
class RecordingProgress : public LoadProgress {
public:
    void begin() override;
    void append(const std::string& piece) override;
    void report(const std::string& step) override;
    void finish() override;

    std::string line;                // lblLoad
    std::string step;                // lblComp
    std::vector<std::string> pieces; // every piece appended, in order
    std::vector<std::string> events; // "begin", "report <text>", "finish" and the window's calls
    bool finished = false;
};

// A sample game of one edition in its own temporary folder.
struct SampleGameDir {
    explicit SampleGameDir(GameEdition edition);
    std::string path(const std::string& relative) const { return (dir.path() / relative).string(); }

    TempDir dir;
    std::string exePath;
};

// Loads a sample game through the open dialog; fails the test unless the load is complete.
GameFileSet loadComplete(FileSystem& fs, const std::string& exePath);

// Every regular file below a folder by its path relative to the folder, with its bytes.
std::map<std::string, ByteImage> filesUnder(const std::string& folder);

} // namespace orvane::test
