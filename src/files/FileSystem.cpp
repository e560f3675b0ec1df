#include "files/FileSystem.h"

namespace orvane {

namespace {
class NothingToWaitFor : public HeldLock {};
} // namespace

std::unique_ptr<HeldLock> FileSystem::tryLock(const std::string&) { return std::make_unique<NothingToWaitFor>(); }

std::vector<std::string> FileSystem::listFolder(const std::string&) { return {}; }

std::optional<FileStamp> FileSystem::stamp(const std::string& path)
{
    const auto length = fileLength(path);
    if (!length) return std::nullopt;
    return FileStamp{*length, 0, 0};
}

bool FileSystem::sameFile(const std::string& a, const std::string& b) { return resolve(a) == resolve(b); }

std::vector<std::string> FileSystem::sameNameIgnoringCase(const std::string& path)
{
    if (exists(path)) return {path};
    return {};
}

} // namespace orvane
