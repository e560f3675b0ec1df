#pragma once
// Standard streams and other files that are not regular files, for a mod manager that pipes: "-" as a
// mod file is standard input, and an output that is a pipe, a terminal or /dev/stdout is written
// straight into, since a temporary file cannot be renamed over it.
#include <string>
#include <string_view>

#include "core/ByteImage.h"

namespace orvane::cli {

// The path that stands for standard input among the files to apply, and how messages name it.
inline constexpr std::string_view StandardInput = "-";
inline constexpr std::string_view StandardInputName = "standard input";

// Everything on standard input, as bytes; refused when it cannot be read.
ByteImage readStandardInput();

// True when `target` exists and is not a regular file or a folder (a pipe, a terminal, a device, a
// socket), or is one of the system's files under /dev or /proc: written straight into, never replaced.
bool writtenDirectly(const std::string& target);

// Writes the data straight into `target`, after what it holds; refused, naming it, when that fails.
void writeDirectly(const std::string& target, std::string_view data);

} // namespace orvane::cli
