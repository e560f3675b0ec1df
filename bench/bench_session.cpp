// Times the paths a modder waits on: Load Files, the snapshot taken before every edit, Undo,
// and Save with backups, on the largest edition. Prints one line per measurement.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchPrompts.h"
#include "SampleGame.h"
#include "files/LoadProgress.h"
#include "files/RealFileSystem.h"
#include "session/EditorSession.h"

namespace {

using Clock = std::chrono::steady_clock;

using orvane::SilentProgress;

template <class F>
void measure(const char* what, int times, F&& f)
{
    const auto start = Clock::now();
    for (int i = 0; i < times; ++i) f();
    const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    std::printf("%-40s %10.1f us each (%d runs)\n", what, spent.count() / times, times);
}

} // namespace

int main()
{
    const auto dir = std::filesystem::temp_directory_path() / "orvane-bench";
    std::filesystem::remove_all(dir);
    const std::string exe = orvane::sample::writeSampleGame(dir.string(), orvane::GameEdition::Collectors);

    orvane::RealFileSystem fs;
    orvane::bench::BenchPrompts prompts;
    prompts.file = exe;
    SilentProgress progress;
    orvane::EditorSession session(fs, prompts);

    measure("Load Files (Collector's Edition)", 50, [&] { session.loadFiles(progress, {}); });
    measure("snapshot of the executable + write", 10000, [&] {
        session.pushSnapshot(orvane::FileId::Exe);
        session.image(orvane::FileId::Exe)[1000] ^= 1;
    });
    measure("Undo of the executable", 5, [&] { session.undo(); });
    measure("Save with backups", 20, [&] { session.save(); });

    std::size_t held = 0;
    for (const auto& file : session.files().files) held += file.image.size() + file.asRead.size();
    held += 5 * session.image(orvane::FileId::Exe).size();
    std::printf("%-40s %10.2f MiB at most (images, as-read copies, five snapshots)\n", "memory held for the files",
                static_cast<double>(held) / (1024.0 * 1024.0));
    std::filesystem::remove_all(dir);
    return 0;
}
