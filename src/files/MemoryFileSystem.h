#pragma once
// A file system held in memory, for a program with no disk of its own: the web edition puts a game's
// files in, the model loads and saves them as on disk, and the page then carries out on the real
// folder what the save did here, in the same order (`steps`). Paths are "/"-separated.
#include <map>
#include <string>
#include <vector>

#include "files/FileSystem.h"

namespace orvane {

class MemoryFileSystem : public FileSystem {
public:
    // One change a write made: a new temporary file with its bytes, a rename over a target, a removal.
    struct Step {
        enum class Kind { Write, Replace, Remove } kind;
        std::string path;   // the file written or removed, or the temporary file renamed
        std::string target; // the file a rename replaces
        ByteImage bytes;    // what a write put in the file
    };

    void put(const std::string& path, ByteImage bytes);
    const ByteImage* find(const std::string& path) const;
    // The steps since the last call, which forgets them.
    std::vector<Step> takeSteps();

    std::optional<std::uint64_t> fileLength(const std::string& path) override;
    std::optional<ByteImage> readWhole(const std::string& path) override;
    bool canReplace(const std::string& target) override;
    std::optional<std::string> writeTemporary(const std::string& target, const ByteImage& bytes) override;
    bool replace(const std::string& temporary, const std::string& target) override;
    bool remove(const std::string& path) override;
    std::string resolve(const std::string& path) override;
    std::vector<std::string> listFolder(const std::string& folder) override;
    std::optional<FileStamp> stamp(const std::string& path) override;
    std::vector<std::string> sameNameIgnoringCase(const std::string& path) override;

private:
    struct Entry {
        ByteImage bytes;
        std::int64_t written = 0;
        std::uint64_t identity = 0;
    };
    void store(const std::string& path, ByteImage bytes);

    std::map<std::string, Entry> files_;
    std::vector<Step> steps_;
    std::int64_t clock_ = 0;
    std::uint64_t nextIdentity_ = 0;
    int nextTemporary_ = 0;
};

} // namespace orvane
