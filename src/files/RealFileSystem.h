#pragma once
// The file system on disk. Writes go to a temporary file beside the target that is flushed to
// disk before it may be renamed over the target.
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

protected:
    // Hands bytes to an open file descriptor; the count accepted, or -1 with errno set.
    // Tests override it to cut a write short.
    virtual std::ptrdiff_t writeSome(int descriptor, const std::uint8_t* data, std::size_t count);
};

} // namespace orvane
