#pragma once
// Makes synthetic game folders: every file at its exact length, every table the editor reads
// filled with invented but plausible values. The same call always gives the same bytes.
#include <string>

#include "core/ByteImage.h"
#include "core/GameEdition.h"

namespace orvane::sample {

struct SampleFiles {
    ByteImage exe;
    ByteImage obdata;
    ByteImage english;
    ByteImage english2;
};

SampleFiles makeSampleFiles(GameEdition edition);

// Writes one game folder under `directory` as the game lays it out: GEODATA/OBDATA.DAT,
// GEODATA/ENGLISH.DAT, GEODATA/ENGLISH2.DAT, and QEV.EXE beside GEODATA (Collector's Edition)
// or QEVEXE/GEOSCAPE.EXE one level below (DOS editions). Returns the executable's full path.
std::string writeSampleGame(const std::string& directory, GameEdition edition);

} // namespace orvane::sample
