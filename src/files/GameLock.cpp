#include "files/GameLock.h"

#include <thread>

#include "files/GamePaths.h"

namespace orvane {

std::string gameLockPath(const std::string& exePath) { return joinGamePath(folderOf(exePath), "\\.orvane-lock"); }

std::string gameJournalPath(const std::string& exePath) { return joinGamePath(folderOf(exePath), "\\.orvane-journal"); }

std::optional<GameLock> GameLock::acquire(FileSystem& fs, const std::string& exePath, std::chrono::milliseconds wait)
{
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    // The folder as the loader finds it, whatever the case of its name as given, so that two programs
    // given the game's path in two spellings take the same lock.
    const std::string exe = fs.resolve(exePath);
    const std::string lockPath = gameLockPath(exe);
    while (true) {
        if (auto held = fs.tryLock(lockPath)) return GameLock(std::move(held), gameJournalPath(exe));
        if (std::chrono::steady_clock::now() >= giveUp) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

GameLock GameLock::unheld(FileSystem& fs, const std::string& exePath)
{
    return GameLock(nullptr, gameJournalPath(fs.resolve(exePath)));
}

} // namespace orvane
