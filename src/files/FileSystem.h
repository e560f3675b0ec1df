#pragma once
// The file system as the editor uses it: whole files only. The real one works on disk;
// tests use a fake that can fail on demand.
#include <cstdint>
#include <optional>
#include <string>

#include "core/ByteImage.h"

namespace orvane {

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
};

} // namespace orvane
