// Folders on Windows: their listings (FindFirstFileExW), names compared as the file system compares
// them (CompareStringOrdinal, without regard to case), and full paths (GetFullPathNameW).
#include <algorithm>

#include "files/GamePaths.h"
#include "files/RealFileSystem.h"
#include "files/WindowsText.h"

namespace orvane {

namespace {

bool sameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// The folder part of a path, ending with its separator, and the name after it.
std::pair<std::string, std::string> splitLast(const std::string& path)
{
    std::size_t start = path.size();
    while (start > rootLength(path) && !isPathSeparator(path[start - 1])) --start;
    return {path.substr(0, start), path.substr(start)};
}

} // namespace

std::vector<std::string> RealFileSystem::listFolder(const std::string& folder)
{
    const std::string base = folder.empty() ? "." : folder;
    const auto pattern = wide(isPathSeparator(base.back()) ? base + "*" : base + "\\*");
    std::vector<std::string> names;
    if (!pattern) return names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        noteError(static_cast<int>(GetLastError()));
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(utf8(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::vector<std::string> RealFileSystem::sameNameIgnoringCase(const std::string& path)
{
    // A folder on Windows seldom holds two such names, but one made case-sensitive can, and so can a
    // folder shared with another system.
    const auto [folder, name] = splitLast(path);
    const auto wanted = wide(name);
    std::vector<std::string> matches;
    if (!wanted) return matches;
    for (const std::string& entry : listFolder(folder)) {
        const auto entryName = wide(entry);
        if (entryName && sameIgnoringCase(*entryName, *wanted)) matches.push_back(folder + entry);
    }
    std::sort(matches.begin(), matches.end());
    return matches;
}

std::string RealFileSystem::absolute(const std::string& path)
{
    const auto name = wide(path);
    if (!name) return path;
    std::wstring full(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = GetFullPathNameW(name->c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            noteError(static_cast<int>(GetLastError()));
            return path;
        }
        if (length < full.size()) {
            full.resize(length);
            return utf8(full);
        }
        full.resize(length); // the size asked for, its terminating null included
    }
    return path;
}

} // namespace orvane
