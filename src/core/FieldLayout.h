#pragma once
// One field of a table record as data: the page's label for it, where it lies in the record, its
// width and encoding. Pages take their labels from these descriptions and the change list reads
// old and new values through them, so each field is described once.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/ByteImage.h"

namespace orvane {

enum class FieldEncoding { Unsigned, Signed, Text };

struct FieldLayout {
    const char* label;
    std::size_t offset; // within the record
    std::size_t width;  // 1 or 2 bytes (little-endian) for a number; the field's width for a text
    FieldEncoding encoding = FieldEncoding::Unsigned;
    // How the page shows a stored number of record `record` when it does not show the number itself
    // (an option's caption, a coded value, thousands grouped); nullptr: the number in decimal.
    std::string (*shown)(std::int64_t stored, std::size_t record) = nullptr;
};

// The field of record `record`, which starts at `recordStart`, as its page shows it. The caller
// checks that the record lies inside the image.
std::string showField(const ByteImage& image, std::size_t recordStart, std::size_t record, const FieldLayout& field);

} // namespace orvane
