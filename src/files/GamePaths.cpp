#include "files/GamePaths.h"

#include <filesystem>

namespace orvane {

namespace {

bool isSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

} // namespace

std::string folderOf(const std::string& filePath)
{
    for (std::size_t i = filePath.size(); i > 0; --i) {
        // "/QEV.EXE" lies in the root: its folder is the empty text, to which "\geodata..." is joined.
        if (isSeparator(filePath[i - 1])) return filePath.substr(0, i - 1);
    }
    return "."; // a bare file name lies in the current folder
}

std::string joinGamePath(const std::string& base, std::string_view relative)
{
    std::string joined = base;
    joined.reserve(base.size() + relative.size());
    for (const char c : relative) {
        joined += c == '\\' ? static_cast<char>(std::filesystem::path::preferred_separator) : c;
    }
    return joined;
}

} // namespace orvane
