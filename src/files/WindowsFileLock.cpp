// The game's lock on Windows: LockFileEx on the whole of a lock file. The system lets the lock go
// when the handle is closed, which it is when the process ends in any way.
#include "files/RealFileSystem.h"
#include "files/WindowsText.h"

namespace orvane {

namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD WholeFile = MAXDWORD; // both halves of the length of the range locked

class NoLockPossible : public HeldLock {};

class LockFileHeld : public HeldLock {
public:
    explicit LockFileHeld(HANDLE file) : file_(file) {}
    ~LockFileHeld() override
    {
        // Let go at once: a lock that only goes with its handle may linger a moment.
        OVERLAPPED start{};
        UnlockFileEx(file_, 0, WholeFile, WholeFile, &start);
        CloseHandle(file_);
    }
    LockFileHeld(const LockFileHeld&) = delete;
    LockFileHeld& operator=(const LockFileHeld&) = delete;

private:
    HANDLE file_;
};

} // namespace

std::unique_ptr<HeldLock> RealFileSystem::tryLock(const std::string& path)
{
    const auto name = wide(path);
    // Shared with every reader, writer and deleter, so that a lock file never stops anything but
    // another lock; read access is all LockFileEx needs, so a lock file another user made serves too.
    // It is hidden, as a name starting with a dot is elsewhere.
    const HANDLE file =
        name ? CreateFileW(name->c_str(), GENERIC_READ, ShareAll, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr)
             : INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD reason = GetLastError();
        // A program that opened the lock file without sharing it (a virus scanner, for a moment) is
        // waited for like a writer.
        if (reason == ERROR_SHARING_VIOLATION) {
            noteError(static_cast<int>(reason));
            return nullptr;
        }
        // Where no lock file can be made (a read-only folder, a disc) nobody can write the game
        // either, so there is no writer to wait for.
        return std::make_unique<NoLockPossible>();
    }
    OVERLAPPED start{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, WholeFile, WholeFile, &start)) {
        noteError(static_cast<int>(GetLastError()));
        CloseHandle(file);
        return nullptr;
    }
    return std::make_unique<LockFileHeld>(file);
}

} // namespace orvane
