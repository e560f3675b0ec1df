// Arguments and standard output on POSIX systems: argv is UTF-8 already, and output is bytes.
#include "files/CommandLine.h"

#include <cstdio>

namespace orvane {

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

bool writeStandardOutput(std::string_view bytes)
{
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return std::fflush(stdout) == 0 && written == bytes.size();
}

} // namespace orvane
