#pragma once
// The game folder the page put in memory. A DOS edition's data lies in the folder above its executable's
// ("QEVEXE\.."), so "." and ".." are folded out of a path before its names are looked up, as a disk does.
#include <filesystem>
#include <string>

#include "files/MemoryFileSystem.h"

namespace orvane::web {

class WebFileSystem : public MemoryFileSystem {
public:
    std::string resolve(const std::string& path) override
    {
        return MemoryFileSystem::resolve(std::filesystem::path(path).lexically_normal().generic_string());
    }
};

} // namespace orvane::web
