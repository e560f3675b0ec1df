#pragma once
// The patch file: every region of the four game files that the pages can change, gathered into
// one file. Its layout is the same for all three editions; only where the executable's regions
// are read from depends on the edition.
#include <cstddef>
#include <optional>

#include "core/ByteImage.h"
#include "core/Prompts.h"
#include "files/GameFileSet.h"

namespace orvane {

// The one entry of the save dialog of Make Patch Files.
FileFilter patchFileFilter();

// The patch file made from the images as they stand (edits included), or nothing when the images
// do not hold what it gathers: no edition, an executable too short for its regions, or an
// OBDATA.DAT of the wrong length.
std::optional<ByteImage> buildPatchFile(const GameFileSet& files);

} // namespace orvane
