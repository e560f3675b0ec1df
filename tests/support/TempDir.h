#pragma once
// A temporary folder for one test, removed when the test ends.
#include <filesystem>
#include <string>

namespace orvane::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

} // namespace orvane::test
