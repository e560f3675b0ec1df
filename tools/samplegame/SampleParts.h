#pragma once
// The pieces the sample maker puts together, one file each: the executable's tables, the soldier
// names, the item records and the two string files.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/ByteImage.h"
#include "core/GameEdition.h"

namespace orvane::sample {

// Offset of a table in this edition; the edition must be one of the three.
std::size_t tableStart(const EditionOffsets& offsets, GameEdition edition);

// Raw game bytes into a fixed-width field, zeros after them; the text must fit.
void putField(ByteImage& image, std::size_t offset, std::size_t width, std::string_view bytes);

// The unit statistics.
void fillExeTables(ByteImage& exe, GameEdition edition);

// The starting base: its grid, days to completion, staff and stores.
void fillStartingBase(ByteImage& exe, GameEdition edition);

// The last-name and first-name tables.
void fillSoldierNames(ByteImage& exe, GameEdition edition);

// The 17 facility types.
void fillFacilityTypes(ByteImage& exe, GameEdition edition);

// OBDATA.DAT: 80 item records.
ByteImage makeItemTable();

ByteImage makeEnglishStrings();
ByteImage makeEnglish2Strings();

// Random bytes from `seed` in every table of the executable the pages show, all of OBDATA.DAT and
// both string files.
void randomizeTables(ByteImage& exe, ByteImage& obdata, ByteImage& english, ByteImage& english2, GameEdition edition,
                     std::uint32_t seed);

} // namespace orvane::sample
