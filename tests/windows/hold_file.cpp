// orvane_hold_file PATH: another process for the tests. It holds PATH open as a running program
// does, letting others read it but not write or delete it, until it is ended.
// orvane_hold_file --lock PATH: it takes the lock of PATH as every writer of a game takes it, through
// the file system port, and keeps it until it is ended.
#include <string>

#include <windows.h>

#include "files/RealFileSystem.h"

namespace {

int holdOpen(const char* path)
{
    // The test looks for the hold by opening the file itself, which is refused a moment: try again.
    for (int attempt = 0; attempt < 500; ++attempt) {
        const HANDLE file =
            CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) Sleep(INFINITE);
        if (GetLastError() != ERROR_SHARING_VIOLATION) return 1;
        Sleep(10);
    }
    return 1;
}

int holdLock(const char* path)
{
    orvane::RealFileSystem fs;
    const auto lock = fs.tryLock(path);
    if (!lock) return 1;
    Sleep(INFINITE);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2) return holdOpen(argv[1]);
    if (argc == 3 && std::string(argv[1]) == "--lock") return holdLock(argv[2]);
    return 2;
}
