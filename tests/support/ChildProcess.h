#pragma once
// Runs part of a test in a forked child (giving up root, own mounts); the outcome comes back as text.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// What a child's body reports when its fault cannot be set up on this machine; the rest is the reason.
inline constexpr const char* SkipPrefix = "skip: ";

// The body's report: empty when all went as expected, else what went wrong (or SkipPrefix + reason).
std::string runInChild(const std::function<std::string()>& body);

// In a root child: hands the tree to nobody and becomes nobody. Returns a reason on failure.
std::string giveUpRoot(const std::filesystem::path& tree);

// In a child: own user and mount namespaces, to mount a small tmpfs. Returns a reason on failure.
std::string takeOwnMounts();

// A finished program: its exit status (-1 when it did not exit) and its two output streams.
struct ProgramRun {
    int status = -1;
    int signal = 0; // the signal that ended it, when it did not exit by itself
    std::string out;
    std::string err;
};

// Runs a program (arguments[0] is its path) in `folder`, standard input empty, and waits for it.
ProgramRun runProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder);

// The same in two halves, for a test that does something while the program runs (signals it).
struct StartedProgram {
    int pid = -1;
    std::filesystem::path out;
    std::filesystem::path err;
};
StartedProgram startProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder);
ProgramRun waitForProgram(const StartedProgram& started);

} // namespace orvane::test
