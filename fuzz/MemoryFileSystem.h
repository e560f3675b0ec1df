#pragma once
// The game files in memory as the fuzz input says: missing, a folder, or any length, maybe growing.
#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "files/FileSystem.h"

namespace orvane::fuzz {

enum class EntryKind { Missing, Folder, File, GrowingFile };

struct MemoryEntry {
    EntryKind kind = EntryKind::Missing;
    std::uint64_t length = 0;
    std::uint8_t fill = 0;

    std::uint8_t marker() const { return static_cast<std::uint8_t>(fill ^ 0x5A); }
    std::uint64_t readLength() const { return length + (kind == EntryKind::GrowingFile ? 1 : 0); }

    // True when `image` has the length and the first and last bytes of bytes(), checked without a copy.
    bool heldBy(const ByteImage& image) const
    {
        return image.size() == readLength() &&
               (image.empty() || (image.front() == marker() && (image.size() == 1 || image.back() == fill)));
    }

    ByteImage bytes() const
    {
        ByteImage out(static_cast<std::size_t>(readLength()), fill);
        if (!out.empty()) out.front() = marker();
        return out;
    }
};

// The last path component in lower case: the key by which the fuzz input names a file.
inline std::string keyOf(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return name;
}

class MemoryFileSystem : public FileSystem {
public:
    // Files above this length cannot be read whole, as on a machine without the memory for them.
    static constexpr std::uint64_t ReadableLength = 1u << 24;

    std::map<std::string, MemoryEntry> entries;      // by keyOf
    std::map<std::string, const ByteImage*> written; // the image each target was written from, by keyOf
    std::size_t writes = 0;

    std::optional<std::uint64_t> fileLength(const std::string& path) override
    {
        const MemoryEntry& entry = find(path);
        if (entry.kind == EntryKind::Missing || entry.kind == EntryKind::Folder) return std::nullopt;
        return entry.length;
    }
    bool exists(const std::string& path) override { return find(path).kind != EntryKind::Missing; }
    std::optional<ByteImage> readWhole(const std::string& path) override
    {
        const MemoryEntry& entry = find(path);
        if (!fileLength(path) || entry.length > ReadableLength) return std::nullopt;
        return entry.bytes();
    }
    bool canReplace(const std::string& target) override { return find(target).kind != EntryKind::Folder; }
    std::optional<std::string> writeTemporary(const std::string& target, const ByteImage& bytes) override
    {
        ++writes;
        written[keyOf(target)] = &bytes;
        return target + ".tmp";
    }
    bool replace(const std::string&, const std::string&) override { return true; }
    bool remove(const std::string&) override { return true; }
    std::string resolve(const std::string& path) override { return path; }

private:
    const MemoryEntry& find(const std::string& path)
    {
        static const MemoryEntry missing;
        const auto found = entries.find(keyOf(path));
        return found == entries.end() ? missing : found->second;
    }
};

} // namespace orvane::fuzz
