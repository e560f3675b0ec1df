#pragma once
// The layout of ENGLISH.DAT and ENGLISH2.DAT: strings one after another, each ended by a zero byte,
// with no header, count or index. Bytes after the last zero byte belong to no string.
#include <cstddef>
#include <cstdint>
#include <optional>
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

// The bytes before and after one string and its terminator, taken when the string is opened.
struct StringSurroundings {
    ByteImage head;
    ByteImage tail;
};

// The surroundings of string `index` (0-based); nothing when `starts` does not describe `image`
// there (the image changed since the starts were taken).
std::optional<StringSurroundings> surroundingsOf(const ByteImage& image, const std::vector<std::size_t>& starts,
                                                 std::size_t index);

// Makes `table` the head, the string's new bytes, one zero byte, the tail.
void rebuildTable(ByteImage& table, const StringSurroundings& around, const std::vector<std::uint8_t>& stringBytes);

} // namespace orvane::strings
