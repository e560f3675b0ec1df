#pragma once
// Reading a patch file back: its parts, checked to be well formed.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteImage.h"
#include "files/PatchLayout.h"

namespace orvane {

struct PatchContents {
    std::array<ByteImage, PatchExeRegions.size()> exeRegions;
    ByteImage obdata;
    // Everything after OBDATA.DAT: ENGLISH.DAT, the marker and ENGLISH2.DAT.
    ByteImage strings;
    // Every length of ENGLISH.DAT that a marker allows, shortest first. More than one means the
    // split between the two string files cannot be told from the file alone.
    std::vector<std::size_t> englishLengths;

    ByteImage english(std::size_t englishLength) const;
    ByteImage english2(std::size_t englishLength) const;
};

struct PatchReading {
    std::optional<PatchContents> contents;
    std::string problem; // why the file is not a patch file; empty when it is one
};

PatchReading readPatchFile(const ByteImage& file);

} // namespace orvane
