#pragma once
// A temporary folder for one test, removed when the test ends.
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace orvane::test {

class TempDir {
public:
    TempDir()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = std::filesystem::temp_directory_path() / ("orvane-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) path_ = candidate;
        }
        if (path_.empty()) throw std::runtime_error("cannot make a temporary folder");
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

} // namespace orvane::test
