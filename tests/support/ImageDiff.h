#pragma once
// Whole-image comparison: which offsets changed, and to what; and whole files read and written.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include "core/ByteImage.h"

namespace orvane::test {

// offset -> new byte, for every offset where the two images of equal length differ.
inline std::map<std::size_t, std::uint8_t> changedBytes(const ByteImage& before, const ByteImage& after)
{
    if (before.size() != after.size()) throw std::runtime_error("images differ in length");
    std::map<std::size_t, std::uint8_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) changed[i] = after[i];
    return changed;
}

inline ByteImage readFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return ByteImage(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const std::filesystem::path& path, const ByteImage& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

} // namespace orvane::test
