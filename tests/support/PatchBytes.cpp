#include "support/PatchBytes.h"

#include "files/PatchLayout.h"

namespace orvane::test {

ByteImage patchFileOf(const GameFileSet& files)
{
    ByteImage patch{PatchFirstByte};
    const ByteImage& exe = files.image(FileId::Exe);
    for (const ExeRegion& region : PatchExeRegions) {
        const auto first = exe.begin() + static_cast<std::ptrdiff_t>(*region.start.in(files.edition));
        patch.insert(patch.end(), first, first + static_cast<std::ptrdiff_t>(region.length));
    }
    for (const FileId file : {FileId::Obdata, FileId::English}) {
        patch.insert(patch.end(), files.image(file).begin(), files.image(file).end());
    }
    patch.insert(patch.end(), EndOfEnglish.begin(), EndOfEnglish.end());
    patch.insert(patch.end(), files.image(FileId::English2).begin(), files.image(FileId::English2).end());
    return patch;
}

} // namespace orvane::test
