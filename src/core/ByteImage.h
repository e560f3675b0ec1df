#pragma once
// A whole game file held in memory, and the little-endian readers and writers used on it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane {

using ByteImage = std::vector<std::uint8_t>;

// True when `length` bytes from `start` lie inside the image. A page checks its table with this
// before reading, so an image of another edition or length shows nothing instead of failing.
inline bool fitsIn(const ByteImage& image, std::size_t start, std::size_t length)
{
    return start <= image.size() && length <= image.size() - start;
}

inline std::uint16_t readU16(const ByteImage& image, std::size_t low)
{
    return static_cast<std::uint16_t>(image.at(low) | (image.at(low + 1) << 8));
}

inline std::int16_t readS16(const ByteImage& image, std::size_t low)
{
    return static_cast<std::int16_t>(readU16(image, low));
}

inline void writeU16(ByteImage& image, std::size_t low, std::uint16_t value)
{
    image.at(low) = static_cast<std::uint8_t>(value & 0xFF);
    image.at(low + 1) = static_cast<std::uint8_t>(value >> 8);
}

} // namespace orvane
