#pragma once
// Paths as the game names them ("\geodata\obdata.dat"), joined with this platform's separator, and
// the walk that gives each component of a path its name on disk.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// '/' everywhere; '\' as well on Windows.
bool isPathSeparator(char c);

// How much of a path names where it starts, which is kept as written: leading separators, and on
// Windows a drive ("C:\") or a share ("\\server\share\").
std::size_t rootLength(std::string_view path);

// The folder part of a full file path, as the open dialog leaves it behind.
std::string folderOf(const std::string& filePath);

// The last component of a path: "QEV.EXE" of "/games/orvane/QEV.EXE".
std::string fileNameOf(const std::string& path);

// base followed by a relative path written with backslashes, each backslash becoming the
// platform's separator. The text is joined as it stands, not normalised ("\.." stays).
std::string joinGamePath(const std::string& base, std::string_view relative);

// The name a folder (the path so far, ending with its separator, or empty) holds for a component,
// found without regard to case; nothing when it holds none.
using NameOnDisk = std::function<std::optional<std::string>(const std::string& folder, const std::string& name)>;

// The path with each component after its root replaced by the name `nameOnDisk` finds for it.
// "." and ".." are kept; a component found nowhere is kept as written, and so is all that follows it.
std::string resolveComponents(const std::string& path, const NameOnDisk& nameOnDisk);

} // namespace orvane
