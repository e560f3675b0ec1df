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

// Lists and tables are refilled after every Apply and Undo and can hold 100,000 strings, so these
// fill vectors the caller keeps, reusing their memory rather than allocating it anew each time.

// StringStarts of a table: N + 1 offsets for its N strings. Entry k - 1 is where string k begins
// (the first is 0), the last is one past the terminator of string N. A file with no zero byte
// has no strings and gives {0}.
void findStringStarts(const ByteImage& image, std::vector<std::size_t>& starts);

// The text of every string, in file order, code page 437 decoded; the trailing bytes are left out.
void decodeStrings(const ByteImage& image, const std::vector<std::size_t>& starts, std::vector<std::string>& texts);

// One string's new bytes, and the place of its old bytes and their terminator in the table.
struct StringReplacement {
    std::size_t begin = 0;
    std::size_t afterTerminator = 0;
    std::vector<std::uint8_t> bytes;
};

// The place of string `index` (0-based) in `image`; nothing when `starts` does not describe `image`
// there (the image changed since the starts were taken).
std::optional<StringReplacement> placeOf(const ByteImage& image, const std::vector<std::size_t>& starts,
                                         std::size_t index);

// Makes `rebuilt` the table with each replacement's bytes and one zero byte in place of the string
// there; `replacements` are in table order and none overlaps another. Every other byte, those after
// the last string included, stays as it was. `rebuilt` is not `table`.
void rebuildTable(ByteImage& rebuilt, std::span<const std::uint8_t> table,
                  std::span<const StringReplacement> replacements);

} // namespace orvane::strings
