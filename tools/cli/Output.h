#pragma once
// How the tool talks: data to standard output or to a file written as safely as Save, messages to
// standard error, and the refusal that ends a command with its exit status.
#include <string>
#include <string_view>

#include "core/ByteImage.h"
#include "files/FileSystem.h"
#include "files/GameSaver.h"

namespace orvane::cli {

enum ExitStatus : int { Done = 0, Refused = 1, Misused = 2 };

// Ends a command: the message goes to standard error and the tool exits with the status.
struct Refusal {
    std::string message;
    ExitStatus status = Refused;
};

// How much the tool says besides its data and its errors: -q/--quiet, -v/--verbose.
enum class Verbosity { Quiet, Normal, Verbose };
void setVerbosity(Verbosity verbosity);
Verbosity verbosity();

// "orvane: <message>" on standard error, always: an error.
void tell(std::string_view message);
// "orvane: warning: <message>" on standard error, unless quiet.
void warn(std::string_view message);
// "orvane: <message>" on standard error, unless quiet: what a command did.
void note(std::string_view message);

// Data for the user: to standard output when `target` is "-", straight into a target that is not a
// regular file (a pipe, /dev/stdout), else into the file, written whole through a temporary file as
// Save writes. With `dryRun` nothing is written; a line on standard output tells
// what would have been.
void deliver(const std::string& target, std::string_view data, FileSystem& fs, bool dryRun);

// Text for standard output, as it is.
void print(std::string_view text);

// The refusal for a write that failed, on one line: the file that could not be written, and what was
// already replaced or that nothing was.
Refusal writeRefused(const WriteResult& result);

// A whole file, or standard input for "-"; refused, naming it, when it cannot be read.
ByteImage readInput(const std::string& path, FileSystem& fs);

inline std::string_view asText(const ByteImage& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace orvane::cli
