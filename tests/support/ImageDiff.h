#pragma once
// Whole-image comparison: which offsets changed, and to what.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "core/ByteImage.h"

namespace orvane::test {

// offset -> new byte, for every offset where the two images of equal length differ.
std::map<std::size_t, std::uint8_t> changedBytes(const ByteImage& before, const ByteImage& after);

ByteImage readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const ByteImage& bytes);

} // namespace orvane::test
