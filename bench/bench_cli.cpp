// Times the command-line tool on a game with 100,000 strings in each string file: `orvane export` of
// the game's complete mod, and `orvane apply --no-backups` of that mod, once to a game whose every string
// differs (each string checked, both string files rebuilt, the four files saved) and once to the game
// itself (every value checked, nothing to write). Each is the tool run as a user runs it, a child
// process from start to exit; the median of several runs is printed, with the CPU time it took.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchStrings.h"
#include "samplegame/SampleGame.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Runs = 9;
constexpr double ExportTarget = 1000;
constexpr double ApplyTarget = 2000;

struct Timing {
    double wall = 0; // milliseconds
    double cpu = 0;
    double peak = 0; // the child's peak resident size, in MB
};

// Runs the tool with its output to /dev/null; its wall time and the CPU time it used.
Timing runTool(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv{const_cast<char*>(ORVANE_CLI)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", ORVANE_CLI);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = Clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "orvane %s failed\n", arguments.front().c_str());
        std::exit(1);
    }
    const auto milliseconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1000 + static_cast<double>(t.tv_usec) / 1000;
    };
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024};
}

Timing median(std::vector<Timing> timings)
{
    std::sort(timings.begin(), timings.end(), [](const Timing& a, const Timing& b) { return a.wall < b.wall; });
    return timings[timings.size() / 2];
}

// A Collector's Edition sample game whose string files hold 100,000 strings each, named by `prefix`.
std::string writeGame(const std::filesystem::path& folder, const char* prefix)
{
    const std::string exe = orvane::sample::writeSampleGame(folder.string(), orvane::GameEdition::Collectors);
    orvane::bench::writeFile(folder / "GEODATA" / "ENGLISH.DAT", orvane::bench::stringFile(prefix));
    const std::string second = std::string(prefix) + " 2";
    orvane::bench::writeFile(folder / "GEODATA" / "ENGLISH2.DAT", orvane::bench::stringFile(second.c_str()));
    return exe;
}

double modMegabytes = 0;

void report(const char* what, const Timing& timing, double target)
{
    std::printf("%-58s %8.1f ms wall %8.1f ms CPU %6.1f MB peak (%.1f x the mod)  (target %.0f ms)\n", what,
                timing.wall, timing.cpu, timing.peak, timing.peak / modMegabytes, target);
}

} // namespace

int main()
{
    const auto dir = std::filesystem::temp_directory_path() / ("orvane-bench-cli-" + std::to_string(getpid()));
    const std::string game = writeGame(dir / "game", "First");
    const std::string mod = (dir / "game.toml").string();

    std::vector<Timing> exports, applies, ownApplies;
    for (int run = 0; run < Runs; ++run) exports.push_back(runTool({"export", game, "-o", mod}));
    for (int run = 0; run < Runs; ++run) {
        std::filesystem::remove_all(dir / "other");
        const std::string other = writeGame(dir / "other", "Other");
        applies.push_back(runTool({"apply", "--no-backups", other, mod}));
        ownApplies.push_back(runTool({"apply", "--no-backups", game, mod}));
    }
    std::printf("strings per file %d, mod file %ju bytes, median of %d runs\n", orvane::bench::StringCount,
                static_cast<std::uintmax_t>(std::filesystem::file_size(mod)), Runs);
    modMegabytes = static_cast<double>(std::filesystem::file_size(mod)) / (1024 * 1024);
    const Timing exported = median(exports);
    const Timing applied = median(applies);
    report("orvane export (complete mod)", exported, ExportTarget);
    report("orvane apply --no-backups (every string differs, saved)", applied, ApplyTarget);
    report("orvane apply --no-backups (the game's own mod, no change)", median(ownApplies), ApplyTarget);
    std::filesystem::remove_all(dir);
    return exported.wall <= ExportTarget && applied.wall <= ApplyTarget ? 0 : 2;
}
