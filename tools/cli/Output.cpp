#include "Output.h"

#include <iostream>

#include "Streams.h"
#include "files/CommandLine.h"

namespace orvane::cli {

namespace {

Verbosity chosenVerbosity = Verbosity::Normal;

} // namespace

void setVerbosity(Verbosity verbosity) { chosenVerbosity = verbosity; }

Verbosity verbosity() { return chosenVerbosity; }

void tell(std::string_view message) { std::cerr << "orvane: " << message << '\n'; }

void warn(std::string_view message)
{
    if (chosenVerbosity == Verbosity::Quiet) return;
    std::cerr << "orvane: warning: " << message << '\n';
}

void note(std::string_view message)
{
    if (chosenVerbosity == Verbosity::Quiet) return;
    std::cerr << "orvane: " << message << '\n';
}

void print(std::string_view text)
{
    if (!writeStandardOutput(text)) throw Refusal{"could not write to standard output"};
}

void deliver(const std::string& target, std::string_view data, FileSystem& fs, bool dryRun)
{
    if (dryRun) {
        print((target == "-" ? std::string("standard output") : target) + ": " + std::to_string(data.size()) +
              " bytes, not written (--dry-run)\n");
        return;
    }
    if (target == "-") {
        print(data);
        return;
    }
    if (writtenDirectly(target)) return writeDirectly(target, data);
    const WriteResult result = writeWholeFile(target, ByteImage(data.begin(), data.end()), fs);
    if (!result.ok) throw writeRefused(result);
}

Refusal writeRefused(const WriteResult& result)
{
    if (result.interrupted) return {"interrupted; no file was changed"};
    std::string message = "could not write " + result.failedFile;
    if (!result.reason.empty()) message += " (" + result.reason + ")";
    if (result.replacedFiles.empty()) return {message + "; no file was changed"};
    message += "; new contents in:";
    for (const std::string& replaced : result.replacedFiles) message += " " + replaced;
    message += "; old contents in:";
    for (const std::string& unchanged : result.unchangedFiles) message += " " + unchanged;
    return {message + "; the next load of the game finishes the write"};
}

ByteImage readInput(const std::string& path, FileSystem& fs)
{
    if (path == StandardInput) return readStandardInput();
    auto bytes = fs.readWhole(path);
    if (!bytes && !fs.exists(path)) throw Refusal{path + ": there is no such file"};
    if (!bytes && !fs.fileLength(path)) throw Refusal{path + ": this is a folder, not a file"};
    if (!bytes) throw Refusal{path + ": cannot read the file"};
    return std::move(*bytes);
}

} // namespace orvane::cli
