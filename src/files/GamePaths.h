#pragma once
// Paths as the game names them ("\geodata\obdata.dat"), joined with this platform's separator.
#include <string>
#include <string_view>

namespace orvane {

// The folder part of a full file path, as the open dialog leaves it behind.
std::string folderOf(const std::string& filePath);

// base followed by a relative path written with backslashes, each backslash becoming the
// platform's separator. The text is joined as it stands, not normalised ("\.." stays).
std::string joinGamePath(const std::string& base, std::string_view relative);

} // namespace orvane
