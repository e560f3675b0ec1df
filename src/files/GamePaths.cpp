#include "files/GamePaths.h"

#include <filesystem>

namespace orvane {

namespace {

std::size_t leadingSeparators(std::string_view path, std::size_t from)
{
    while (from < path.size() && isPathSeparator(path[from])) ++from;
    return from;
}

} // namespace

bool isPathSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

std::size_t rootLength(std::string_view path)
{
#ifdef _WIN32
    const bool hasDrive = path.size() >= 2 && path[1] == ':' &&
                          ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (hasDrive) return leadingSeparators(path, 2);
    if (path.size() >= 2 && isPathSeparator(path[0]) && isPathSeparator(path[1])) {
        // A share: the server and the share's name belong to the root.
        std::size_t end = 2;
        for (int part = 0; part < 2; ++part) {
            while (end < path.size() && !isPathSeparator(path[end])) ++end;
            end = leadingSeparators(path, end);
        }
        return end;
    }
#endif
    return leadingSeparators(path, 0);
}

std::string folderOf(const std::string& filePath)
{
    for (std::size_t i = filePath.size(); i > 0; --i) {
        // "/QEV.EXE" lies in the root: its folder is the empty text, to which "\geodata..." is joined.
        if (isPathSeparator(filePath[i - 1])) return filePath.substr(0, i - 1);
    }
    return "."; // a bare file name lies in the current folder
}

std::string fileNameOf(const std::string& path)
{
    std::size_t start = path.size();
    while (start > 0 && !isPathSeparator(path[start - 1])) --start;
    return path.substr(start);
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

std::string resolveComponents(const std::string& path, const NameOnDisk& nameOnDisk)
{
    std::size_t start = rootLength(path);
    std::string folder = path.substr(0, start); // the part resolved so far, ending with its separator
    bool onDisk = true; // false once a component matched nothing: what follows cannot exist either
    while (start < path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isPathSeparator(path[end])) ++end;
        std::string component = path.substr(start, end - start);
        if (onDisk && !component.empty() && component != "." && component != "..") {
            if (auto found = nameOnDisk(folder, component))
                component = std::move(*found);
            else
                onDisk = false;
        }
        folder += component;
        if (end < path.size()) folder += path[end];
        start = end + 1;
    }
    return folder;
}

} // namespace orvane
