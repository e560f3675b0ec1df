#pragma once
// The checksum a write records for each new file, so a later process can tell whether a file on disk
// is the one that was meant (FNV-1a, 64 bits: quick, and more than enough against a torn or stale file).
#include <cstdint>
#include <span>

namespace orvane {

inline std::uint64_t checksumOf(std::span<const std::uint8_t> bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace orvane
