// The file system on disk through POSIX calls: open, write, fsync, rename and a flush of the folder.
#include "files/RealFileSystem.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/GamePaths.h"

namespace fs = std::filesystem;

namespace orvane {

namespace {

constexpr const char* TemporarySuffix = ".orvane-tmp-XXXXXX";

// Makes a rename in this folder last through a power cut. A failure here changes nothing the
// user could act on, so it is not reported.
void flushFolder(const fs::path& folder)
{
    const int descriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) return;
    fsync(descriptor);
    close(descriptor);
}

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The entry of `folder` named `name`: that very name when it exists, else the first in name order
// of those equal to it without regard to case; nothing when there is none.
std::optional<std::string> nameInFolder(const std::string& folder, const std::string& name)
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(folder + name, error))) return name;
    fs::directory_iterator entries(folder.empty() ? "." : folder, error);
    if (error) return std::nullopt;
    std::vector<std::string> matches;
    for (const auto& entry : entries) {
        const std::string entryName = entry.path().filename().string();
        if (equalIgnoringCase(entryName, name)) matches.push_back(entryName);
    }
    if (matches.empty()) return std::nullopt;
    return *std::min_element(matches.begin(), matches.end());
}

// The file a path finally names: symbolic links followed, one by one, to a path that is not a link
// (which need not exist). A chain that does not end is left where it stands.
fs::path followLinks(const std::string& path)
{
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)) || error) return current;
        const fs::path next = fs::read_symlink(current, error);
        if (error) return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

// The permission bits a new file gets from this process when nothing else is asked for.
fs::perms newFilePermissions()
{
    const mode_t mask = umask(0);
    umask(mask);
    // Emscripten's file system answers 0777, which would make every file unreadable: a mask that
    // takes the owner's reading and writing away is no real one, and the usual 022 stands for it.
    if ((mask & 0600) != 0) return static_cast<fs::perms>(0644);
    return static_cast<fs::perms>(0666 & ~mask);
}

// A file run as root (sudo) must not leave the user's game owned by root: the new file takes the
// owner and group of the file it replaces, or of its folder when it is new. Only root may give a
// file away; anyone else makes files that are theirs already, so a refusal changes nothing.
void keepOwner(const std::string& temporary, const std::string& target)
{
    if (geteuid() != 0) return;
    struct stat owner {};
    if (stat(target.c_str(), &owner) != 0) {
        const std::string folder = fs::path(target).parent_path().string();
        if (stat(folder.empty() ? "." : folder.c_str(), &owner) != 0) return;
    }
    [[maybe_unused]] const int ignored = chown(temporary.c_str(), owner.st_uid, owner.st_gid);
}

class NoLockPossible : public HeldLock {};

// flock: released by the system when the descriptor is closed, which it is when the process dies.
class FlockHeld : public HeldLock {
public:
    explicit FlockHeld(int descriptor) : descriptor_(descriptor) {}
    ~FlockHeld() override { close(descriptor_); }
    FlockHeld(const FlockHeld&) = delete;
    FlockHeld& operator=(const FlockHeld&) = delete;

private:
    int descriptor_;
};

} // namespace

void RealFileSystem::noteError(int code) { lastError_ = std::strerror(code); }

std::unique_ptr<HeldLock> RealFileSystem::tryLock(const std::string& path)
{
    // Read access is all flock needs, so a lock file left by another user (or by root) serves too.
    const int descriptor = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    // Where no lock file can be made (a read-only folder, a disc) nobody can write the game either,
    // so there is no writer to wait for.
    if (descriptor < 0) return std::make_unique<NoLockPossible>();
    int result = 0;
    do result = flock(descriptor, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        noteError(errno);
        close(descriptor);
        return nullptr;
    }
    return std::make_unique<FlockHeld>(descriptor);
}

std::vector<std::string> RealFileSystem::listFolder(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entries(folder.empty() ? "." : folder, error), end; !error && entries != end;
         entries.increment(error)) {
        names.push_back(entries->path().filename().string());
    }
    return names;
}

std::optional<FileStamp> RealFileSystem::stamp(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    const std::int64_t modified = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                                  static_cast<std::int64_t>(status.st_mtim.tv_nsec);
    const std::uint64_t identity =
        static_cast<std::uint64_t>(status.st_ino) ^ (static_cast<std::uint64_t>(status.st_dev) << 40);
    return FileStamp{static_cast<std::uint64_t>(status.st_size), modified, identity};
}

bool RealFileSystem::sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

std::string RealFileSystem::absolute(const std::string& path)
{
    std::error_code error;
    const fs::path full = fs::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}

std::vector<std::string> RealFileSystem::sameNameIgnoringCase(const std::string& path)
{
    const fs::path asGiven(path);
    const std::string folder = asGiven.parent_path().string();
    const std::string name = asGiven.filename().string();
    std::vector<std::string> matches;
    for (const std::string& entry : listFolder(folder)) {
        if (equalIgnoringCase(entry, name)) matches.push_back((asGiven.parent_path() / entry).string());
    }
    std::sort(matches.begin(), matches.end());
    return matches;
}

std::optional<std::uint64_t> RealFileSystem::fileLength(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error) || error) return std::nullopt;
    const std::uintmax_t length = fs::file_size(path, error);
    if (error) return std::nullopt;
    return static_cast<std::uint64_t>(length);
}

bool RealFileSystem::exists(const std::string& path)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    return fs::exists(status);
}

std::optional<ByteImage> RealFileSystem::readWhole(const std::string& path)
{
    const auto length = fileLength(path);
    if (!length) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    ByteImage bytes(static_cast<std::size_t>(*length));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uint64_t>(in.gcount()) != *length) return std::nullopt;
    // The file must end where its length said: one that grew while being read was not read whole.
    if (in.peek() != std::ifstream::traits_type::eof()) return std::nullopt;
    return bytes;
}

bool RealFileSystem::canReplace(const std::string& target)
{
    lastError_.clear();
    const fs::path file = followLinks(target);
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (!fs::exists(status)) return true;
    if (!fs::is_regular_file(status)) {
        noteError(fs::is_directory(status) ? EISDIR : EPERM);
        return false;
    }
    const bool writeBitSet =
        (status.permissions() & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) !=
        fs::perms::none;
    if (!writeBitSet) {
        noteError(EACCES);
        return false;
    }
    if (access(file.c_str(), W_OK) != 0) {
        noteError(errno);
        return false;
    }
    return true;
}

std::optional<std::string> RealFileSystem::writeTemporary(const std::string& target, const ByteImage& bytes)
{
    lastError_.clear();
    std::string temporary = followLinks(target).string() + TemporarySuffix;
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        noteError(errno);
        return std::nullopt;
    }

    // Every count is checked: a write that takes fewer bytes than offered is a failure even when
    // it reports no error (a full disk or a file size limit).
    bool written = true;
    std::size_t done = 0;
    while (written && done < bytes.size()) {
        const std::size_t offered = bytes.size() - done;
        const ssize_t count = write(descriptor, bytes.data() + done, bytesHandedOn(offered));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 || static_cast<std::size_t>(count) != offered) {
            noteError(count < 0 ? errno : ENOSPC);
            written = false;
        } else {
            done += offered;
        }
    }
    if (written && fsync(descriptor) != 0) {
        noteError(errno);
        written = false;
    }
    if (close(descriptor) != 0 && written) {
        noteError(errno);
        written = false;
    }
    if (!written) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return std::nullopt;
    }
    return temporary;
}

bool RealFileSystem::replace(const std::string& temporary, const std::string& linkOrTarget)
{
    lastError_.clear();
    const std::string target = followLinks(linkOrTarget).string();
    std::error_code error;
    const fs::file_status targetStatus = fs::status(target, error);
    const fs::perms permissions =
        fs::exists(targetStatus) ? targetStatus.permissions() & fs::perms::mask : newFilePermissions();
    keepOwner(temporary, target);
    fs::permissions(temporary, permissions, fs::perm_options::replace, error);
    if (!error) fs::rename(temporary, target, error);
    if (error) {
        noteError(error.value());
        return false;
    }
    flushFolder(fs::path(target).parent_path());
    return true;
}

bool RealFileSystem::remove(const std::string& path)
{
    std::error_code error;
    fs::remove(path, error);
    return !exists(path);
}

std::string RealFileSystem::resolve(const std::string& path) { return resolveComponents(path, nameInFolder); }

} // namespace orvane
