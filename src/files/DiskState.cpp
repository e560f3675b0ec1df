#include "files/DiskState.h"

#include "files/Checksum.h"

namespace orvane {

namespace {

constexpr FileId AllFiles[] = {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata};

// A file that cannot be read counts as empty: gone is a change from a file that was there, and after
// Overwrite it is what the write goes on from.
bool holdsRemembered(const LoadedFile& file, FileSystem& fs)
{
    return checksumOf(fs.readWhole(file.diskPath).value_or(ByteImage{})) == file.diskChecksum;
}

} // namespace

bool fitsAsGameFile(FileId id, GameEdition edition, const ByteImage& bytes)
{
    switch (id) {
    case FileId::Exe: return editionForExeLength(bytes.size()) == edition;
    case FileId::Obdata: return bytes.size() == ObdataLength;
    default: return !bytes.empty();
    }
}

void rememberOnDisk(LoadedFile& file, const ByteImage& bytes, FileSystem& fs)
{
    file.diskChecksum = checksumOf(bytes);
    file.diskStamp = fs.stamp(file.diskPath);
}

std::vector<FileId> changedOnDisk(const GameFileSet& files, FileSystem& fs)
{
    std::vector<FileId> changed;
    for (const FileId id : AllFiles) {
        const LoadedFile& file = files.file(id);
        if (!file.loaded) continue;
        // A stamp that has not moved (same file, length and time of last write to the nanosecond) is
        // taken as the bytes not having moved either, which spares reading whole files before each write.
        const auto now = fs.stamp(file.diskPath);
        if (now && now->modified != 0 && now == file.diskStamp) continue;
        if (!holdsRemembered(file, fs)) changed.push_back(id);
    }
    return changed;
}

std::vector<FileId> changedOnDiskSinceStamps(GameFileSet& files, FileSystem& fs)
{
    std::vector<FileId> changed;
    for (const FileId id : AllFiles) {
        LoadedFile& file = files.file(id);
        if (!file.loaded) continue;
        const auto now = fs.stamp(file.diskPath);
        if (now == file.diskStamp) continue;
        if (holdsRemembered(file, fs))
            file.diskStamp = now;
        else
            changed.push_back(id);
    }
    return changed;
}

} // namespace orvane
