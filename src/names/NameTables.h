#pragma once
// The two soldier name tables of the executable: 120 last names in 12-byte slots, followed
// directly by 120 first names in 11-byte slots. A slot holds a name and zero bytes after it.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteImage.h"
#include "core/GameEdition.h"

namespace orvane::names {

struct NameTable {
    EditionOffsets start;
    std::size_t slotWidth;
    std::size_t writableWidth; // a new name is written over this many bytes of its slot
};

inline constexpr std::size_t NameCount = 120;
inline constexpr std::size_t MaxNameCharacters = 11;

inline constexpr NameTable LastNames{{452'328, 389'104, 371'096}, 12, 11};
inline constexpr NameTable FirstNames{{453'768, 390'544, 372'536}, 11, 11};

// The file offset of entry n, or nothing for no edition.
std::optional<std::size_t> slotOffset(const NameTable& table, GameEdition edition, std::size_t entry);

// True when the whole table lies inside the executable image for this edition.
bool tableFits(const NameTable& table, GameEdition edition, const ByteImage& exe);

// Every name of the table, in table order, each up to its first zero byte; none when the
// table does not fit the image.
std::vector<std::string> readNames(const NameTable& table, GameEdition edition, const ByteImage& exe);

} // namespace orvane::names
