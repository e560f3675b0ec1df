#pragma once
// Makes synthetic game folders: every file at its exact length, every table the editor reads
// filled with invented but plausible values. The same call always gives the same bytes.
#include <cstdint>
#include <optional>
#include <string>

#include "core/ByteImage.h"
#include "core/GameEdition.h"
#include "files/GameFileSet.h"

namespace orvane::sample {

struct SampleFiles {
    ByteImage exe;
    ByteImage obdata;
    ByteImage english;
    ByteImage english2;
};

// With a seed, every table the pages show (the starting base, facility types, units, soldier names,
// OBDATA.DAT) holds random bytes instead, and each string file random strings and a few bytes after
// the last one. The same seed gives the same tables and strings in every edition.
SampleFiles makeSampleFiles(GameEdition edition, std::optional<std::uint32_t> randomSeed = std::nullopt);

// The files as a complete load leaves them in memory, images and as-read copies alike, with no paths:
// for tests and fuzz targets that need no disk.
GameFileSet loadedSampleFiles(GameEdition edition, std::optional<std::uint32_t> randomSeed = std::nullopt);

// Writes one game folder under `directory` as the game lays it out: GEODATA/OBDATA.DAT,
// GEODATA/ENGLISH.DAT, GEODATA/ENGLISH2.DAT, and QEV.EXE beside GEODATA (Collector's Edition)
// or QEVEXE/GEOSCAPE.EXE one level below (DOS editions). Returns the executable's full path.
std::string writeSampleGame(const std::string& directory, GameEdition edition,
                            std::optional<std::uint32_t> randomSeed = std::nullopt);

} // namespace orvane::sample
