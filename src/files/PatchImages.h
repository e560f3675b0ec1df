#pragma once
// What a patch file makes of a game's images: the executable's regions at the game's edition's
// offsets and the three data files whole. Apply Patch File and the command-line tool both use it.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ByteImage.h"
#include "files/GameFileSet.h"
#include "files/PatchReader.h"

namespace orvane {

// The executable with every region of the patch at the edition's offsets; nothing when the image has
// no room for them.
std::optional<ByteImage> patchedExe(const ByteImage& exe, GameEdition edition, const PatchContents& contents);

// The files the patch changes, each with its new whole image, in FileId order: `exe` (from patchedExe)
// and the data files, ENGLISH.DAT being the first `englishLength` bytes of the patch's strings (one of
// contents.englishLengths). Files the patch leaves as they are are not listed.
std::vector<std::pair<FileId, ByteImage>> patchedImages(const GameFileSet& game, ByteImage exe,
                                                        const PatchContents& contents, std::size_t englishLength);

// One split of the string files that the markers allow, in the user's words:
// "ENGLISH.DAT 1000 bytes long (20 strings), leaving ENGLISH2.DAT 2000 bytes (40 strings)".
std::string describeSplit(const PatchContents& contents, std::size_t englishLength);

} // namespace orvane
