#include "files/MemoryFileSystem.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

#include "files/GamePaths.h"

namespace orvane {

namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The path with "." and ".." taken out, as the disk reads it: the loader finds a DOS edition's data
// files through "QEVEXE/../GEODATA".
std::string normal(const std::string& path) { return std::filesystem::path(path).lexically_normal().generic_string(); }

// The folder of a file with its closing separator, as stored paths begin.
std::string folderWithSeparator(const std::string& path) { return folderOf(path) + "/"; }

} // namespace

void MemoryFileSystem::store(const std::string& path, ByteImage bytes)
{
    files_[normal(path)] = Entry{std::move(bytes), ++clock_, ++nextIdentity_};
}

void MemoryFileSystem::put(const std::string& path, ByteImage bytes) { store(path, std::move(bytes)); }

const ByteImage* MemoryFileSystem::find(const std::string& path) const
{
    const auto found = files_.find(normal(path));
    return found == files_.end() ? nullptr : &found->second.bytes;
}

std::vector<MemoryFileSystem::Step> MemoryFileSystem::takeSteps() { return std::exchange(steps_, {}); }

std::optional<std::uint64_t> MemoryFileSystem::fileLength(const std::string& path)
{
    const ByteImage* bytes = find(path);
    if (!bytes) return std::nullopt;
    return bytes->size();
}

std::optional<ByteImage> MemoryFileSystem::readWhole(const std::string& path)
{
    const ByteImage* bytes = find(path);
    if (!bytes) return std::nullopt;
    return *bytes;
}

bool MemoryFileSystem::canReplace(const std::string&) { return true; }

std::optional<std::string> MemoryFileSystem::writeTemporary(const std::string& target, const ByteImage& bytes)
{
    const std::string temporary = normal(target) + ".orvane-tmp-" + std::to_string(++nextTemporary_);
    store(temporary, bytes);
    steps_.push_back({Step::Kind::Write, temporary, {}, bytes});
    return temporary;
}

bool MemoryFileSystem::replace(const std::string& temporary, const std::string& target)
{
    const auto found = files_.find(normal(temporary));
    if (found == files_.end()) return false;
    Entry moved = std::move(found->second);
    files_.erase(found);
    moved.written = ++clock_;
    files_[normal(target)] = std::move(moved);
    steps_.push_back({Step::Kind::Replace, normal(temporary), normal(target), {}});
    return true;
}

bool MemoryFileSystem::remove(const std::string& path)
{
    if (files_.erase(normal(path)) > 0) steps_.push_back({Step::Kind::Remove, normal(path), {}, {}});
    return true;
}

std::string MemoryFileSystem::resolve(const std::string& path)
{
    return resolveComponents(normal(path), [this](const std::string& folder, const std::string& name) {
        std::optional<std::string> match;
        for (const auto& [stored, entry] : files_) {
            if (stored.size() <= folder.size() || stored.compare(0, folder.size(), folder) != 0) continue;
            const std::string rest = stored.substr(folder.size());
            const std::string component = rest.substr(0, rest.find('/'));
            if (component == name) return std::optional<std::string>(name);
            if (!match && lowered(component) == lowered(name)) match = component;
        }
        return match;
    });
}

std::vector<std::string> MemoryFileSystem::listFolder(const std::string& folder)
{
    const std::string prefix = normal(folder.empty() ? "/" : folder + "/");
    std::vector<std::string> names;
    for (const auto& [stored, entry] : files_) {
        if (folderWithSeparator(stored) == prefix) names.push_back(stored.substr(prefix.size()));
    }
    return names;
}

std::optional<FileStamp> MemoryFileSystem::stamp(const std::string& path)
{
    const auto found = files_.find(normal(path));
    if (found == files_.end()) return std::nullopt;
    return FileStamp{found->second.bytes.size(), found->second.written, found->second.identity};
}

std::vector<std::string> MemoryFileSystem::sameNameIgnoringCase(const std::string& path)
{
    std::vector<std::string> matches;
    const std::string file = normal(path);
    const std::string folder = folderWithSeparator(file);
    for (const std::string& name : listFolder(folder)) {
        if (lowered(name) == lowered(file.substr(folder.size()))) matches.push_back(folder + name);
    }
    return matches;
}

} // namespace orvane
