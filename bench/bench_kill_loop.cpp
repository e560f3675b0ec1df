// Kills `orvane apply` at random moments of a write of a game with 100,000 strings per file (a
// complete mod that changes every string), then loads the game as the next program would: the four
// files must be wholly the old game or wholly the new one, with no temporary file or journal left.
// Prints the tally; exits 2 on any mixed game or file left. Usage: bench_kill_loop [KILLS] (100).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <array>
#include <csignal>
#include <optional>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "BenchStrings.h"
#include "files/GameLoader.h"
#include "files/RealFileSystem.h"
#include "samplegame/SampleGame.h"

extern char** environ;

namespace {

namespace stdfs = std::filesystem;
using orvane::ByteImage;
using orvane::FileId;

std::string writeGame(const stdfs::path& folder, const char* prefix)
{
    const std::string exe = orvane::sample::writeSampleGame(folder.string(), orvane::GameEdition::Collectors);
    orvane::bench::writeFile(folder / "GEODATA" / "ENGLISH.DAT", orvane::bench::stringFile(prefix));
    const std::string second = std::string(prefix) + " 2";
    orvane::bench::writeFile(folder / "GEODATA" / "ENGLISH2.DAT", orvane::bench::stringFile(second.c_str()));
    return exe;
}

pid_t start(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

std::array<ByteImage, 4> load(const std::string& exe, std::string& notice)
{
    orvane::RealFileSystem disk;
    orvane::SilentProgress progress;
    orvane::LoadCalls calls;
    calls.notice = [&notice](const std::string& line) { notice = line; };
    orvane::GameFileSet files;
    if (orvane::loadGameFilesAt(exe, files, disk, progress, calls) != orvane::LoadResult::Complete) return {};
    return {files.image(FileId::Exe), files.image(FileId::English), files.image(FileId::English2),
            files.image(FileId::Obdata)};
}

bool anythingLeft(const stdfs::path& folder)
{
    for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".orvane-tmp-") != std::string::npos || name == ".orvane-journal") return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const int kills = argc > 1 ? std::stoi(argv[1]) : 100;
    const auto dir = stdfs::temp_directory_path() / ("orvane-kill-loop-" + std::to_string(getpid()));
    const std::string modded = writeGame(dir / "modded", "Modded");
    const std::string mod = (dir / "mod.toml").string();
    waitpid(start({ORVANE_CLI, "export", modded, "-o", mod}), nullptr, 0);

    const std::string game = writeGame(dir / "game", "First");
    std::string notice;
    const auto oldGame = load(game, notice);
    // One whole apply, to know the new game and how long a run takes.
    const auto began = std::chrono::steady_clock::now();
    waitpid(start({ORVANE_CLI, "apply", "--no-backups", game, mod}), nullptr, 0);
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - began);
    const auto newGame = load(game, notice);

    std::mt19937 random(20261206);
    int asOld = 0, asNew = 0, mixed = 0, left = 0, finishedByLoad = 0, ended = 0;
    for (int kill = 0; kill < kills; ++kill) {
        stdfs::remove_all(dir / "game");
        writeGame(dir / "game", "First");
        const pid_t child = start({ORVANE_CLI, "apply", "--no-backups", game, mod});
        std::this_thread::sleep_for(std::chrono::microseconds(random() % static_cast<unsigned>(took.count())));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (WIFEXITED(status)) ++ended;
        notice.clear();
        const auto after = load(game, notice);
        if (!notice.empty()) ++finishedByLoad;
        if (after == oldGame)
            ++asOld;
        else if (after == newGame)
            ++asNew;
        else
            ++mixed;
        if (anythingLeft(dir / "game")) ++left;
    }
    std::printf("one apply: %.0f ms; kills %d: old game %d, new game %d, mixed %d, files left after the load %d; "
                "%d ended before the kill, %d finished by the load\n",
                static_cast<double>(took.count()) / 1000.0, kills, asOld, asNew, mixed, left, ended, finishedByLoad);
    stdfs::remove_all(dir);
    return mixed == 0 && left == 0 ? 0 : 2;
}
