#pragma once
// The file system as the editor uses it: whole files only. The real one works on disk;
// tests use a fake that can fail on demand.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteImage.h"

namespace orvane {

// What tells one state of a file on disk from another without reading it: its length, when it was
// last written and which file it is (a rename puts another file in its place).
struct FileStamp {
    std::uint64_t length = 0;
    std::int64_t modified = 0; // in the platform's finest unit
    std::uint64_t identity = 0;
    bool operator==(const FileStamp&) const = default;
};

// A lock held on a file until this object goes; the operating system lets it go if the process dies.
class HeldLock {
public:
    virtual ~HeldLock() = default;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The length of a regular file; nothing when it is missing, not a regular file or cannot be opened.
    virtual std::optional<std::uint64_t> fileLength(const std::string& path) = 0;
    // True when anything (a file, a folder) is there: tells a missing file from one that cannot be read.
    // A file system that knows only regular files needs no more than fileLength.
    virtual bool exists(const std::string& path) { return fileLength(path).has_value(); }
    // The whole file; nothing when it cannot be read completely.
    virtual std::optional<ByteImage> readWhole(const std::string& path) = 0;
    // True when `target` may be written over: nothing is there yet, or a regular file (through any
    // symbolic links) that is not read-only.
    virtual bool canReplace(const std::string& target) = 0;
    // Writes the bytes to a new temporary file beside `target`, checks the count and flushes it to disk.
    // Returns the temporary file's path, or nothing (leaving no temporary file) on any failure.
    virtual std::optional<std::string> writeTemporary(const std::string& target, const ByteImage& bytes) = 0;
    // Renames a temporary file over its target, keeping the target's permissions when it exists.
    // A target that is a symbolic link stays one: the file it leads to is replaced (the temporary
    // file is made beside that file for the same reason).
    virtual bool replace(const std::string& temporary, const std::string& target) = 0;
    // Deletes a file; true when it is gone afterwards.
    virtual bool remove(const std::string& path) = 0;
    // The path of the file on disk that this path names, each component matched without regard to case
    // where the exact name does not exist; components that match nothing are kept as written.
    virtual std::string resolve(const std::string& path) = 0;

    // The system's reason for the last call that failed ("Permission denied"), or empty when it gave none.
    virtual std::string lastError() const { return {}; }
    // Takes the lock of the file at `path` (made when missing) at once, or gives nothing while
    // another process holds it. A file system that only this process sees has nobody to wait for.
    virtual std::unique_ptr<HeldLock> tryLock(const std::string& path);
    // The names in a folder, for finding temporary files left behind; empty when it cannot be listed.
    virtual std::vector<std::string> listFolder(const std::string& folder);
    // The file's stamp; nothing when there is no regular file.
    virtual std::optional<FileStamp> stamp(const std::string& path);
    // True when both paths lead to one file on disk, however they are spelt.
    virtual bool sameFile(const std::string& a, const std::string& b);
    // The path from the root, so that it means the same file to any later process.
    virtual std::string absolute(const std::string& path) { return path; }
    // Every entry of the path's folder whose name equals the path's last component without regard
    // to case, as full paths; more than one means the name cannot tell which file is meant.
    virtual std::vector<std::string> sameNameIgnoringCase(const std::string& path);
};

} // namespace orvane
