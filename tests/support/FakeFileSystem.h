#pragma once
// The real disk, with a write cut short (no error, as on a full disk) or a failed rename for a named file.
#include <filesystem>
#include <string>

#include "files/RealFileSystem.h"

namespace orvane::test {

class FakeFileSystem : public RealFileSystem {
public:
    std::string shortWriteFor;
    std::string failReplaceFor;

    std::optional<std::string> writeTemporary(const std::string& target, const ByteImage& bytes) override
    {
        cutShort_ = fileName(target) == shortWriteFor;
        return RealFileSystem::writeTemporary(target, bytes);
    }

    bool replace(const std::string& temporary, const std::string& target) override
    {
        return fileName(target) != failReplaceFor && RealFileSystem::replace(temporary, target);
    }

protected:
    std::size_t bytesHandedOn(std::size_t offered) override { return cutShort_ ? offered - 1 : offered; }

private:
    static std::string fileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }
    bool cutShort_ = false;
};

} // namespace orvane::test
