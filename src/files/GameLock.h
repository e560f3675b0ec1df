#pragma once
// One writer at a time: every program that writes a game (the editor, orvane, in any number) holds
// the lock file beside the game's executable while it reads or writes the game's files. The system
// lets the lock go when its holder dies, so a crash never leaves a game locked.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "files/FileSystem.h"

namespace orvane {

inline constexpr const char* GameBusyText = "Another program is writing this game's files; try again.";
inline constexpr std::chrono::milliseconds DefaultLockWait{10'000};

// The lock file and the write journal of the game whose executable is `exePath`: both in its folder.
std::string gameLockPath(const std::string& exePath);
std::string gameJournalPath(const std::string& exePath);

class GameLock {
public:
    // Waits up to `wait` for the lock; nothing when another program held it all that time.
    static std::optional<GameLock> acquire(FileSystem& fs, const std::string& exePath,
                                           std::chrono::milliseconds wait = DefaultLockWait);

    // No lock, for a program that only reads a game no writer has ever locked (no lock file beside it):
    // it makes no lock file, and after reading it looks again for one, since a writer that came
    // meanwhile made it first (see readGameFilesAt).
    static GameLock unheld(FileSystem& fs, const std::string& exePath);

    const std::string& journalPath() const { return journalPath_; }
    // False for unheld(): then another writer may be at work, so the files beside the game that a
    // write leaves (its journal, its temporary files) are that writer's, not to be touched.
    bool held() const { return held_ != nullptr; }

private:
    GameLock(std::unique_ptr<HeldLock> held, std::string journalPath)
        : held_(std::move(held)), journalPath_(std::move(journalPath))
    {
    }

    std::unique_ptr<HeldLock> held_;
    std::string journalPath_;
};

} // namespace orvane
