#pragma once
// The four game files in memory: the images being edited and the copies as they were read.
#include <array>
#include <string>

#include "core/ByteImage.h"
#include "core/GameEdition.h"
#include "files/FileSystem.h"

namespace orvane {

struct LoadedFile {
    ByteImage image;      // edited in place
    ByteImage asRead;     // never edited; what backups are written from
    std::string diskPath; // the file on disk the image was read from; empty until read
    bool loaded = false;
    // The file on disk as this program last read or wrote it, to tell another program's change.
    std::uint64_t diskChecksum = 0;
    std::optional<FileStamp> diskStamp;
};

struct GameFileSet {
    std::string exePath;       // as the open dialog returned it
    std::string gameDirectory; // folder below which GEODATA lies ("\.." added for DOS editions)
    GameEdition edition = GameEdition::None;
    std::array<LoadedFile, 4> files{}; // by FileId - 1

    // True only when all four files come from the same, complete load: the only state in
    // which they may be written back.
    bool complete = false;

    LoadedFile& file(FileId id) { return files.at(static_cast<std::size_t>(id) - 1); }
    const LoadedFile& file(FileId id) const { return files.at(static_cast<std::size_t>(id) - 1); }
    ByteImage& image(FileId id) { return file(id).image; }
    const ByteImage& image(FileId id) const { return file(id).image; }
};

} // namespace orvane
