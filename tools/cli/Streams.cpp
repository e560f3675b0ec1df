#include "Streams.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "Output.h"

namespace orvane::cli {

namespace {

std::filesystem::path pathOf(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

ByteImage readStandardInput()
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY); // no CR LF turned into LF, no Ctrl+Z taken as the end
#endif
    ByteImage bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    if (std::ferror(stdin) != 0) throw Refusal{std::string(StandardInputName) + ": cannot read it"};
    return bytes;
}

bool writtenDirectly(const std::string& target)
{
    if (target.starts_with("/dev/") || target.starts_with("/proc/")) return true;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(pathOf(target), error);
    if (error || !std::filesystem::exists(status)) return false;
    return !std::filesystem::is_regular_file(status) && !std::filesystem::is_directory(status);
}

void writeDirectly(const std::string& target, std::string_view data)
{
    // Appended: a pipe has no place to write at, and /dev/stdout may be a file the shell opened to append to.
    std::ofstream out(pathOf(target), std::ios::binary | std::ios::app);
    if (out) out.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (out) out.flush();
    if (!out) throw Refusal{"could not write " + target};
}

} // namespace orvane::cli
