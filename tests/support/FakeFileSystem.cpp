#include "support/FakeFileSystem.h"

#include <algorithm>
#include <filesystem>

namespace orvane::test {

bool FakeFileSystem::names(const std::string& path, const std::optional<std::string>& file)
{
    return file && (path == *file || std::filesystem::path(path).filename() == *file);
}

std::optional<std::string> FakeFileSystem::writeTemporary(const std::string& target, const ByteImage& bytes)
{
    calls_.push_back("writeTemporary " + target);
    if (names(target, failWriteTemporary_)) return std::nullopt;
    return RealFileSystem::writeTemporary(target, bytes);
}

bool FakeFileSystem::replace(const std::string& temporary, const std::string& target)
{
    calls_.push_back("replace " + target);
    if (names(target, failReplace_)) return false;
    return RealFileSystem::replace(temporary, target);
}

bool FakeFileSystem::remove(const std::string& path)
{
    calls_.push_back("remove " + path);
    if (failRemove_) return false;
    return RealFileSystem::remove(path);
}

std::ptrdiff_t FakeFileSystem::writeSome(int descriptor, const std::uint8_t* data, std::size_t count)
{
    if (!byteBudget_) return RealFileSystem::writeSome(descriptor, data, count);
    const std::size_t allowed = std::min(count, *byteBudget_);
    if (allowed == 0) return 0;
    return RealFileSystem::writeSome(descriptor, data, allowed);
}

} // namespace orvane::test
