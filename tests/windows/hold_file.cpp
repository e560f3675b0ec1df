// orvane_hold_file PATH: another process for the tests. It opens PATH as a running program does,
// letting others read it but not write or delete it, writes "held" once it does, and keeps the file
// open until its input ends.
#include <cstdio>

#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    const HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    CloseHandle(file);
    return 0;
}
