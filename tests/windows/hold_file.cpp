// orvane_hold_file PATH: another process for the tests. It holds PATH open as a running program
// does, letting others read it but not write or delete it, until it is ended.
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    // The test looks for the hold by opening the file itself, which is refused a moment: try again.
    for (int attempt = 0; attempt < 500; ++attempt) {
        const HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) Sleep(INFINITE);
        if (GetLastError() != ERROR_SHARING_VIOLATION) return 1;
        Sleep(10);
    }
    return 1;
}
