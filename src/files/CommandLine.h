#pragma once
// The platform's side of a command-line program: its arguments as UTF-8 and its standard output as
// bytes, alike on every platform. One source per platform, beside the file system's:
// PosixCommandLine.cpp and WindowsCommandLine.cpp.
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The program's arguments in UTF-8, its own name first. Windows hands argv over in the ANSI code page,
// which cannot hold every name, so there they are read from the wide command line instead.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Writes the bytes to standard output exactly as they are (Windows would turn each line feed into
// CR LF) and flushes them; false when not all of them could be written.
bool writeStandardOutput(std::string_view bytes);

} // namespace orvane
