#pragma once
// Keep Both: the changes made since the files were loaded, put on top of a file another program has
// written since, value by value as the change list sees them. Where both changed one value, ours is
// kept and named; a change the new file has no place for (a string number it lacks) is named too.
#include <string>
#include <vector>

#include "core/ByteImage.h"
#include "core/GameEdition.h"

namespace orvane::changes {

struct Rebased {
    ByteImage image;
    std::vector<std::string> bothChanged; // "Unit Editor, Sectoid Soldier, Health: 45 kept, 50 on disk"
    std::vector<std::string> notPlaced;
};

Rebased rebaseOnDisk(FileId file, GameEdition edition, const ByteImage& asRead, const ByteImage& ours,
                     const ByteImage& onDisk);

} // namespace orvane::changes
