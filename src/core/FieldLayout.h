#pragma once
// One field of a table record as data: label, place, width, encoding and entry rule. Pages, the change list
// and the mod files all read fields through these descriptions, so each field is described once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ByteImage.h"
#include "core/EntryRule.h"

namespace orvane {

enum class FieldEncoding { Unsigned, Signed, Text };

struct FieldLayout {
    const char* label;
    std::size_t offset; // within the record
    std::size_t width;  // 1 or 2 bytes (little-endian) for a number; the field's width for a text
    FieldEncoding encoding = FieldEncoding::Unsigned;
    EntryRule entry = {};
    // How the page words a number it shows ("1,200", "12 Days"); nullptr: in decimal.
    std::string (*format)(std::int64_t shown) = nullptr;
};

// The number stored in a field that starts at `at`, read with the field's width and signedness.
std::int64_t readStoredNumber(const ByteImage& image, std::size_t at, const FieldLayout& field);
// The bytes that store `stored` in a number field: one, or two in little-endian order.
std::vector<std::uint8_t> storedBytes(const FieldLayout& field, std::int64_t stored);
// Writes `stored` into the field that starts at `at`, with the field's width.
void writeStoredNumber(ByteImage& image, std::size_t at, const FieldLayout& field, std::int64_t stored);

// The field of record `record`, which starts at `recordStart`, as its page shows it: the text, the
// caption of the option that stands for the stored code, or the number as the page words it. The
// caller checks that the record lies inside the image.
std::string showField(const ByteImage& image, std::size_t recordStart, std::size_t record, const FieldLayout& field);

} // namespace orvane
