// The file system on disk through the Win32 API: UTF-8 paths turned into wide ones, a temporary
// file beside its target flushed with FlushFileBuffers, then moved over the target with
// MoveFileExW, written through. Every call that fails keeps the system's reason for lastError.
// The game's lock is in WindowsFileLock.cpp, listings and full paths in WindowsFolders.cpp.
#include "files/RealFileSystem.h"

#include <algorithm>
#include <limits>
#include <random>
#include <utility>

#include "files/GamePaths.h"
#include "files/WindowsText.h"

namespace orvane {

namespace {

constexpr const wchar_t* TemporarySuffix = L".orvane-tmp-";
// ReadFile and WriteFile take at most a DWORD of bytes at a time.
constexpr std::size_t LargestTransfer = std::size_t{1} << 30;

// An open file, closed when it goes.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (isOpen()) CloseHandle(handle_);
    }
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle& operator=(Handle&&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // Closes the file now; false when the close failed.
    bool close()
    {
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A regular file opened for reading, shared with every other reader and writer. A folder cannot be
// opened this way, and a device (CON, NUL) is closed again.
Handle openRegularFile(const std::wstring& path)
{
    Handle file(
        CreateFileW(path.c_str(), GENERIC_READ, ShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.isOpen() && GetFileType(file.get()) != FILE_TYPE_DISK) file.close();
    return file;
}

std::optional<std::uint64_t> lengthOf(const Handle& file)
{
    LARGE_INTEGER length;
    if (!file.isOpen() || !GetFileSizeEx(file.get(), &length) || length.QuadPart < 0) return std::nullopt;
    return static_cast<std::uint64_t>(length.QuadPart);
}

DWORD attributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

// What the system knows of an open file without reading it; nothing for a folder or a device.
std::optional<BY_HANDLE_FILE_INFORMATION> informationOf(const std::wstring& path, DWORD flags)
{
    const Handle file(
        CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, ShareAll, nullptr, OPEN_EXISTING, flags, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!file.isOpen() || !GetFileInformationByHandle(file.get(), &information)) return std::nullopt;
    return information;
}

std::uint64_t joined(DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; }

bool isMissing(DWORD attributes)
{
    if (attributes != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The file a path finally names: a symbolic link (or other reparse point) is followed to the file
// it leads to, so that file gets the bytes and the link stays. Any other path is kept as it stands.
std::wstring followLinks(const std::wstring& path)
{
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return path;
    const Handle file(
        CreateFileW(path.c_str(), 0, ShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.isOpen()) return path;
    std::wstring final(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = GetFinalPathNameByHandleW(file.get(), final.data(), static_cast<DWORD>(final.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return path;
        if (length < final.size()) {
            final.resize(length);
            // The answer names the file in the long form ("\\?\C:\..." or "\\?\UNC\server\...").
            if (final.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + final.substr(8);
            if (final.starts_with(L"\\\\?\\")) return final.substr(4);
            return final;
        }
        final.resize(length);
    }
    return path;
}

// A new file beside `target` that no other file has the name of, open for writing and shared with no one.
Handle createTemporary(const std::wstring& target, std::wstring& name)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + TemporarySuffix + std::to_wstring(random() % 1000000u);
        Handle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.isOpen() || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return Handle(INVALID_HANDLE_VALUE);
}

// The name a folder holds for `name`, as the file system finds it without regard to case.
std::optional<std::string> nameInFolder(const std::string& folder, const std::string& name)
{
    // Wildcards would match other names.
    if (name.find_first_of("*?") != std::string::npos) return std::nullopt;
    const auto pattern = wide(folder + name);
    if (!pattern) return std::nullopt;
    WIN32_FIND_DATAW found;
    const HANDLE search =
        FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    return utf8(found.cFileName);
}

} // namespace

void RealFileSystem::noteError(int code) { lastError_ = systemMessage(static_cast<DWORD>(code)); }

std::optional<std::uint64_t> RealFileSystem::fileLength(const std::string& path)
{
    const auto name = wide(path);
    if (!name) return std::nullopt;
    const Handle file = openRegularFile(*name);
    if (!file.isOpen()) noteError(static_cast<int>(GetLastError()));
    return lengthOf(file);
}

std::optional<FileStamp> RealFileSystem::stamp(const std::string& path)
{
    const auto name = wide(path);
    if (!name) return std::nullopt;
    const auto information = informationOf(*name, FILE_ATTRIBUTE_NORMAL);
    if (!information) {
        noteError(static_cast<int>(GetLastError()));
        return std::nullopt;
    }
    if ((information->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    // The volume's serial number is spread over the whole word: the file index alone tells files
    // apart on one volume, and the mix seldom makes two volumes' files alike.
    const std::uint64_t volume = std::uint64_t{information->dwVolumeSerialNumber} * 0x9E3779B97F4A7C15u;
    const std::uint64_t index = joined(information->nFileIndexHigh, information->nFileIndexLow);
    const FILETIME& written = information->ftLastWriteTime;
    return FileStamp{joined(information->nFileSizeHigh, information->nFileSizeLow),
                     static_cast<std::int64_t>(joined(written.dwHighDateTime, written.dwLowDateTime)), index ^ volume};
}

bool RealFileSystem::sameFile(const std::string& a, const std::string& b)
{
    const auto first = wide(a);
    const auto second = wide(b);
    if (!first || !second) return false;
    // Folders too: a folder's handle needs backup semantics.
    const auto one = informationOf(*first, FILE_FLAG_BACKUP_SEMANTICS);
    const auto other = informationOf(*second, FILE_FLAG_BACKUP_SEMANTICS);
    return one && other && one->dwVolumeSerialNumber == other->dwVolumeSerialNumber &&
           one->nFileIndexHigh == other->nFileIndexHigh && one->nFileIndexLow == other->nFileIndexLow;
}

bool RealFileSystem::exists(const std::string& path)
{
    const auto name = wide(path);
    return name && attributesOf(*name) != INVALID_FILE_ATTRIBUTES;
}

std::optional<ByteImage> RealFileSystem::readWhole(const std::string& path)
{
    const auto name = wide(path);
    if (!name) return std::nullopt;
    const Handle file = openRegularFile(*name);
    if (!file.isOpen()) noteError(static_cast<int>(GetLastError()));
    const auto length = lengthOf(file);
    if (!length || *length > std::numeric_limits<std::size_t>::max()) return std::nullopt;
    ByteImage bytes(static_cast<std::size_t>(*length));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto wanted = static_cast<DWORD>(std::min(bytes.size() - done, LargestTransfer));
        DWORD count = 0;
        if (!ReadFile(file.get(), bytes.data() + done, wanted, &count, nullptr)) {
            noteError(static_cast<int>(GetLastError()));
            return std::nullopt;
        }
        if (count == 0) {
            noteError(ERROR_HANDLE_EOF); // the file shrank while it was read
            return std::nullopt;
        }
        done += count;
    }
    // The file must end where its length said: one that grew while being read was not read whole.
    std::uint8_t beyond = 0;
    DWORD count = 0;
    if (!ReadFile(file.get(), &beyond, 1, &count, nullptr) || count != 0) return std::nullopt;
    return bytes;
}

bool RealFileSystem::canReplace(const std::string& target)
{
    const auto name = wide(target);
    if (!name) {
        noteError(ERROR_INVALID_NAME);
        return false;
    }
    const std::wstring file = followLinks(*name);
    const DWORD attributes = attributesOf(file);
    if (isMissing(attributes)) return true;
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        noteError(static_cast<int>(GetLastError()));
        return false;
    }
    // Moving a file over a folder or a read-only file is refused with this reason.
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        noteError(ERROR_ACCESS_DENIED);
        return false;
    }
    // A file another process holds open without letting others delete it cannot be moved over:
    // asking for the same access now finds that out before anything is written.
    const Handle probe(
        CreateFileW(file.c_str(), DELETE, ShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.isOpen()) noteError(static_cast<int>(GetLastError()));
    return probe.isOpen();
}

std::optional<std::string> RealFileSystem::writeTemporary(const std::string& target, const ByteImage& bytes)
{
    const auto name = wide(target);
    if (!name) {
        noteError(ERROR_INVALID_NAME);
        return std::nullopt;
    }
    std::wstring temporary;
    Handle file = createTemporary(followLinks(*name), temporary);
    if (!file.isOpen()) {
        noteError(static_cast<int>(GetLastError()));
        return std::nullopt;
    }

    // Every count is checked: a write that takes fewer bytes than offered is a failure even when
    // it reports no error (as a full disk would).
    const auto fail = [this](DWORD code) {
        noteError(static_cast<int>(code));
        return false;
    };
    bool written = true;
    std::size_t done = 0;
    while (written && done < bytes.size()) {
        const std::size_t offered = std::min(bytes.size() - done, LargestTransfer);
        DWORD count = 0;
        if (!WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytesHandedOn(offered)), &count, nullptr)) {
            written = fail(GetLastError());
        } else if (count != offered) {
            written = fail(ERROR_DISK_FULL);
        }
        done += offered;
    }
    if (written && !FlushFileBuffers(file.get())) written = fail(GetLastError());
    if (!file.close() && written) written = fail(GetLastError());
    if (!written) {
        DeleteFileW(temporary.c_str());
        return std::nullopt;
    }
    return utf8(temporary);
}

bool RealFileSystem::replace(const std::string& temporary, const std::string& linkOrTarget)
{
    const auto from = wide(temporary);
    const auto name = wide(linkOrTarget);
    if (!from || !name) {
        noteError(ERROR_INVALID_NAME);
        return false;
    }
    const std::wstring target = followLinks(*name);
    // The new file keeps the target's hidden and system marks; its access list is the folder's, as
    // for any new file there.
    const DWORD targetAttributes = attributesOf(target);
    const DWORD kept = targetAttributes == INVALID_FILE_ATTRIBUTES
                           ? 0
                           : targetAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const bool moved = (kept == 0 || SetFileAttributesW(from->c_str(), attributesOf(*from) | kept)) &&
                       MoveFileExW(from->c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!moved) noteError(static_cast<int>(GetLastError()));
    return moved;
}

bool RealFileSystem::remove(const std::string& path)
{
    const auto name = wide(path);
    if (!name) return true; // no file can have a name that is not UTF-8
    const bool deleted = DeleteFileW(name->c_str()) != 0;
    const DWORD reason = GetLastError();
    if (isMissing(attributesOf(*name))) return true;
    // Deleted while another process still holds it open: it goes when that process lets it go.
    noteError(static_cast<int>(deleted ? ERROR_DELETE_PENDING : reason));
    return false;
}

std::string RealFileSystem::resolve(const std::string& path) { return resolveComponents(path, nameInFolder); }

} // namespace orvane
