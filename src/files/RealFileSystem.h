#pragma once
// The file system on disk, built for the platform: POSIX calls on Linux and macOS
// (PosixFileSystem.cpp), the Win32 API on Windows (WindowsFileSystem.cpp). Writes go to a temporary
// file beside the target that is flushed to disk before it may be renamed over the target.
// Paths are UTF-8 on every platform.
#include <cstddef>
#include <cstdint>

#include "files/FileSystem.h"

namespace orvane {

class RealFileSystem : public FileSystem {
public:
    std::optional<std::uint64_t> fileLength(const std::string& path) override;
    bool exists(const std::string& path) override;
    std::optional<ByteImage> readWhole(const std::string& path) override;
    bool canReplace(const std::string& target) override;
    std::optional<std::string> writeTemporary(const std::string& target, const ByteImage& bytes) override;
    bool replace(const std::string& temporary, const std::string& target) override;
    bool remove(const std::string& path) override;
    std::string resolve(const std::string& path) override;
    std::string lastError() const override { return lastError_; }
    std::unique_ptr<HeldLock> tryLock(const std::string& path) override;
    std::vector<std::string> listFolder(const std::string& folder) override;
    std::optional<FileStamp> stamp(const std::string& path) override;
    bool sameFile(const std::string& a, const std::string& b) override;
    std::string absolute(const std::string& path) override;
    std::vector<std::string> sameNameIgnoringCase(const std::string& path) override;

protected:
    // How many of the bytes offered to one write are handed to the file. Tests override it to cut
    // a write short, as a full disk does without reporting an error.
    virtual std::size_t bytesHandedOn(std::size_t offered) { return offered; }
    // Keeps the system's reason for a call that failed, for lastError.
    void noteError(int code);

private:
    std::string lastError_;
};

} // namespace orvane
