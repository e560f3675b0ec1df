#include "files/GameLock.h"

#include <thread>

#include "files/GamePaths.h"

namespace orvane {

std::string gameLockPath(const std::string& exePath) { return joinGamePath(folderOf(exePath), "\\.orvane-lock"); }

std::string gameJournalPath(const std::string& exePath) { return joinGamePath(folderOf(exePath), "\\.orvane-journal"); }

std::optional<GameLock> GameLock::acquire(FileSystem& fs, const std::string& exePath, std::chrono::milliseconds wait)
{
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    const std::string lockPath = gameLockPath(exePath);
    while (true) {
        if (auto held = fs.tryLock(lockPath)) return GameLock(std::move(held), gameJournalPath(exePath));
        if (std::chrono::steady_clock::now() >= giveUp) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace orvane
