#pragma once
// The layout of ENGLISH.DAT and ENGLISH2.DAT: strings one after another, each ended by a zero byte,
// with no header, count or index. Bytes after the last zero byte belong to no string.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/ByteImage.h"

namespace orvane::strings {

// These fill vectors the caller keeps: lists of up to 100,000 strings are refilled after every Apply and Undo.

// N + 1 offsets for N strings: where each string begins, then one past the last terminator; {0} for none.
void findStringStarts(const ByteImage& image, std::vector<std::size_t>& starts);

// The text of every string, in file order, code page 437 decoded; the trailing bytes are left out.
void decodeStrings(const ByteImage& image, const std::vector<std::size_t>& starts, std::vector<std::string>& texts);

// One string's new bytes, and the place of its old bytes and their terminator in the table.
struct StringReplacement {
    std::size_t begin = 0;
    std::size_t afterTerminator = 0;
    std::vector<std::uint8_t> bytes;
};

// The place of string `index` (0-based) in `image`; nothing when `starts` no longer describe `image` there.
std::optional<StringReplacement> placeOf(const ByteImage& image, const std::vector<std::size_t>& starts,
                                         std::size_t index);

// Makes `rebuilt` the table with each replacement's bytes and one zero byte in place of the string
// there; `replacements` are in table order and none overlaps another. Every other byte, those after
// the last string included, stays as it was. `rebuilt` is not `table`.
void rebuildTable(ByteImage& rebuilt, std::span<const std::uint8_t> table,
                  std::span<const StringReplacement> replacements);

} // namespace orvane::strings
