#pragma once
// A file held open by another process (orvane_hold_file, beside the test binary) for as long as
// this object lives.
#include <filesystem>

#include <windows.h>

namespace orvane::test {

class FileHeldOpen {
public:
    // Returns once the other process holds the file; throws when it does not.
    explicit FileHeldOpen(const std::filesystem::path& file);
    ~FileHeldOpen();
    FileHeldOpen(const FileHeldOpen&) = delete;
    FileHeldOpen& operator=(const FileHeldOpen&) = delete;

private:
    void release();

    PROCESS_INFORMATION process_{};
    HANDLE input_ = INVALID_HANDLE_VALUE; // closing it tells the other process to let go
};

} // namespace orvane::test
