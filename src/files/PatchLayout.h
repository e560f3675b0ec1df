#pragma once
// The layout of a patch file, the one description used to write it and to read it back: the byte
// 0x01, four regions of the executable at places that do not depend on the edition, OBDATA.DAT
// whole, ENGLISH.DAT whole, the marker 0xFF 0xFF 0xFF, and ENGLISH2.DAT whole to the end.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/GameEdition.h"

namespace orvane {

// A stretch of the executable copied byte for byte. The starts are the patch file's own and are
// not aligned to the tables: the facility region starts 2 bytes before the first facility record,
// the unit region 3 bytes before the first unit record.
struct ExeRegion {
    EditionOffsets start;
    std::size_t length;
};

inline constexpr std::array<ExeRegion, 4> PatchExeRegions{{
    {{455'134, 391'894, 373'886}, 266},   // the starting base
    {{460'352, 374'240, 356'232}, 272},   // the facility types
    {{452'328, 389'104, 371'096}, 2'760}, // the last names, then the first names
    {{480'144, 397'732, 379'728}, 1'287}, // the units
}};

inline constexpr std::uint8_t PatchFirstByte = 0x01;
inline constexpr std::array<std::uint8_t, 3> EndOfEnglish{0xFF, 0xFF, 0xFF};

// Where OBDATA.DAT begins in a patch file: after the first byte and the executable regions.
inline constexpr std::size_t PatchObdataStart = [] {
    std::size_t at = 1;
    for (const auto& region : PatchExeRegions) at += region.length;
    return at;
}();
inline constexpr std::size_t PatchEnglishStart = PatchObdataStart + ObdataLength;
// The shortest patch file: both string files empty.
inline constexpr std::size_t ShortestPatchFile = PatchEnglishStart + EndOfEnglish.size();

} // namespace orvane
