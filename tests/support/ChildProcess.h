#pragma once
// Runs part of a test in a forked child, where it may give up root or take mounts of its own
// without touching the test process. The child tells its outcome through a pipe as text.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// What a child's body reports when its fault cannot be set up on this machine; the rest is the reason.
inline constexpr const char* SkipPrefix = "skip: ";

// The body's report: empty when all went as expected, else what went wrong (or SkipPrefix + reason).
std::string runInChild(const std::function<std::string()>& body);

// In a child running as root: hands the tree to user nobody and becomes nobody, so permissions bind
// as they do for a modder. Nothing to do for a child that is not root. Returns a reason on failure.
std::string giveUpRoot(const std::filesystem::path& tree);

// In a child: a user and mount namespace of its own, with this user as its root, so it may mount a
// small tmpfs or bind a file over another. Returns a reason on failure.
std::string takeOwnMounts();

// What a program run to its end left: its exit status (-1 when it did not exit by itself) and what it
// wrote to standard output and standard error.
struct ProgramRun {
    int status = -1;
    int signal = 0; // the signal that ended it, when it did not exit by itself
    std::string out;
    std::string err;
};

// Runs a program with these arguments (the first is the program's path) in `folder`, its standard
// input empty, and waits for it.
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
