#include "files/PatchFile.h"

#include <cstdint>

#include "files/PatchLayout.h"

namespace orvane {

FileFilter patchFileFilter() { return {"Patch File (*.qev)", "*.qev"}; }

std::optional<ByteImage> buildPatchFile(const GameFileSet& files)
{
    const ByteImage& exe = files.image(FileId::Exe);
    const ByteImage& obdata = files.image(FileId::Obdata);
    const ByteImage& english = files.image(FileId::English);
    const ByteImage& english2 = files.image(FileId::English2);
    if (obdata.size() != ObdataLength) return std::nullopt;

    ByteImage patch;
    patch.push_back(PatchFirstByte);
    for (const ExeRegion& region : PatchExeRegions) {
        const std::optional<std::uint32_t> start = region.start.in(files.edition);
        if (!start || *start > exe.size() || region.length > exe.size() - *start) return std::nullopt;
        const auto first = exe.begin() + static_cast<std::ptrdiff_t>(*start);
        patch.insert(patch.end(), first, first + static_cast<std::ptrdiff_t>(region.length));
    }
    patch.insert(patch.end(), obdata.begin(), obdata.end());
    patch.insert(patch.end(), english.begin(), english.end());
    patch.insert(patch.end(), EndOfEnglish.begin(), EndOfEnglish.end());
    patch.insert(patch.end(), english2.begin(), english2.end());
    return patch;
}

} // namespace orvane
