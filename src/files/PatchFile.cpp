#include "files/PatchFile.h"

#include <array>
#include <cstdint>

namespace orvane {

namespace {

// A stretch of the executable copied byte for byte. The starts are the patch file's own and are
// not aligned to the tables: the facility region starts 2 bytes before the first facility record,
// the unit region 3 bytes before the first unit record.
struct ExeRegion {
    EditionOffsets start;
    std::size_t length;
};

constexpr std::array<ExeRegion, 4> ExeRegions{{
    {{455'134, 391'894, 373'886}, 266},   // the starting base
    {{460'352, 374'240, 356'232}, 272},   // the facility types
    {{452'328, 389'104, 371'096}, 2'760}, // the last names, then the first names
    {{480'144, 397'732, 379'728}, 1'287}, // the units
}};

constexpr std::uint8_t FirstByte = 0x01;
constexpr std::array<std::uint8_t, 3> EndOfEnglish{0xFF, 0xFF, 0xFF};

} // namespace

FileFilter patchFileFilter()
{
    return {"Patch File (*.qev)", "*.qev"};
}

std::optional<ByteImage> buildPatchFile(const GameFileSet& files)
{
    const ByteImage& exe = files.image(FileId::Exe);
    const ByteImage& obdata = files.image(FileId::Obdata);
    const ByteImage& english = files.image(FileId::English);
    const ByteImage& english2 = files.image(FileId::English2);
    if (obdata.size() != ObdataLength) return std::nullopt;

    ByteImage patch;
    patch.push_back(FirstByte);
    for (const ExeRegion& region : ExeRegions) {
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
