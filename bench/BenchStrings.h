#pragma once
// String files of 100,000 strings, as a game with a large mod might hold, for the benchmarks.
#include <filesystem>
#include <fstream>
#include <string>

#include "core/ByteImage.h"

namespace orvane::bench {

inline constexpr int StringCount = 100'000;

// 100,000 strings of 10 to 60 characters, numbered so no two are alike.
inline ByteImage stringFile(const char* prefix)
{
    ByteImage file;
    for (int n = 0; n < StringCount; ++n) {
        std::string text = std::string(prefix) + " message " + std::to_string(n);
        text.append(static_cast<std::size_t>(n % 37), static_cast<char>('a' + n % 26));
        file.insert(file.end(), text.begin(), text.end());
        file.push_back(0);
    }
    return file;
}

inline void writeFile(const std::filesystem::path& path, const ByteImage& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace orvane::bench
