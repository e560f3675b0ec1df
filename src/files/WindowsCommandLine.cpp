// Arguments and standard output on Windows: the wide command line turned into UTF-8, and standard
// output switched to binary, so a mod or patch file written there has the bytes the other
// platforms write.
#include "files/CommandLine.h"

#include <cstdio>

#include <fcntl.h>
#include <io.h>

#include "files/WindowsText.h"

#include <shellapi.h>

namespace orvane {

std::vector<std::string> commandLineArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wideArguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wideArguments == nullptr) return {argv, argv + argc};
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(utf8(wideArguments[i]));
    LocalFree(wideArguments);
    return arguments;
}

bool writeStandardOutput(std::string_view bytes)
{
    std::fflush(stdout);
    if (_setmode(_fileno(stdout), _O_BINARY) == -1) return false;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return std::fflush(stdout) == 0 && written == bytes.size();
}

} // namespace orvane
