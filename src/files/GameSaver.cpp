#include "files/GameSaver.h"

#include "files/DiskState.h"
#include "files/GamePaths.h"

namespace orvane {

namespace {

constexpr FileId AllFiles[] = {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata};

// The file a name below the game folder stands for on disk.
std::string inGameFolder(const GameFileSet& files, FileSystem& fs, const char* relativePath)
{
    return fs.resolve(joinGamePath(files.gameDirectory, relativePath));
}

// A file that was not read by the load cannot be written back: there is no file it came from.
bool everyFileLoaded(const GameFileSet& files)
{
    for (const LoadedFile& file : files.files) {
        if (!file.loaded || file.diskPath.empty()) return false;
    }
    return true;
}

WriteResult notLoaded(const GameFileSet& files)
{
    WriteResult result;
    result.ok = false;
    result.failedFile = files.exePath.empty() ? std::string("the game files (none were loaded)") : files.exePath;
    return result;
}

void planGameFiles(const GameFileSet& files, const std::array<const ByteImage*, 4>& images,
                   std::vector<PlannedWrite>& plan)
{
    // Each image goes back to the very file it was read from, whatever the case of its name on disk.
    for (std::size_t i = 0; i < 4; ++i) plan.push_back({files.file(AllFiles[i]).diskPath, images[i], true});
}

void rememberWritten(GameFileSet& files, const std::array<const ByteImage*, 4>& images, FileSystem& fs)
{
    for (std::size_t i = 0; i < 4; ++i) rememberOnDisk(files.file(AllFiles[i]), *images[i], fs);
}

} // namespace

std::array<std::string, 4> backupPaths(const GameFileSet& files, FileSystem& fs, BackupKind kind)
{
    if (kind == BackupKind::Master) {
        return {fs.resolve(files.exePath + "(MASTER).bak"), inGameFolder(files, fs, "\\geodata\\ENGLISH(MASTER).bak"),
                inGameFolder(files, fs, "\\geodata\\ENGLISH2(MASTER).bak"),
                inGameFolder(files, fs, "\\geodata\\OBDATA(MASTER).bak")};
    }
    return {fs.resolve(files.exePath + ".bak"), inGameFolder(files, fs, "\\geodata\\english.bak"),
            inGameFolder(files, fs, "\\geodata\\english2.bak"), inGameFolder(files, fs, "\\geodata\\obdata.bak")};
}

std::vector<std::string> filesOfGame(const GameFileSet& files, FileSystem& fs)
{
    std::vector<std::string> paths;
    for (const LoadedFile& file : files.files) {
        if (!file.diskPath.empty()) paths.push_back(file.diskPath);
    }
    for (const BackupKind kind : {BackupKind::Bak, BackupKind::Master}) {
        for (const std::string& path : backupPaths(files, fs, kind)) paths.push_back(path);
    }
    return paths;
}

std::optional<std::string> refuseGameFileAsOutput(const GameFileSet& files, FileSystem& fs, const std::string& target)
{
    const std::string asWritten = fs.absolute(fs.resolve(target));
    for (const std::string& own : filesOfGame(files, fs)) {
        if (fs.sameFile(target, own) || fs.absolute(own) == asWritten) {
            return target + " is one of the game's files; choose another name.";
        }
    }
    return std::nullopt;
}

WriteResult saveGameFiles(GameFileSet& files, FileSystem& fs, const GameLock& lock, const SaveOptions& options)
{
    if (!everyFileLoaded(files)) return notLoaded(files);

    std::vector<PlannedWrite> plan;
    if (options.masterBackupWhereMissing) {
        const auto masters = backupPaths(files, fs, BackupKind::Master);
        for (std::size_t i = 0; i < 4; ++i) {
            if (!fs.exists(masters[i])) plan.push_back({masters[i], &files.file(AllFiles[i]).asRead});
        }
    }
    if (options.makeBackups) {
        const auto backups = backupPaths(files, fs, BackupKind::Bak);
        for (std::size_t i = 0; i < 4; ++i) plan.push_back({backups[i], &files.file(AllFiles[i]).asRead});
    }
    const std::array<const ByteImage*, 4> images{&files.image(FileId::Exe), &files.image(FileId::English),
                                                 &files.image(FileId::English2), &files.image(FileId::Obdata)};
    planGameFiles(files, images, plan);
    WriteResult result = writeAsOneUnit(plan, fs, lock, options.interrupted);
    if (result.ok) rememberWritten(files, images, fs);
    return result;
}

WriteResult writeMasterBackup(const GameFileSet& files, FileSystem& fs, const GameLock& lock)
{
    if (!everyFileLoaded(files)) return notLoaded(files);
    const auto masters = backupPaths(files, fs, BackupKind::Master);
    std::vector<PlannedWrite> plan;
    for (std::size_t i = 0; i < 4; ++i) plan.push_back({masters[i], &files.file(AllFiles[i]).asRead});
    return writeAsOneUnit(plan, fs, lock);
}

WriteResult restoreGameFiles(GameFileSet& files, const std::array<ByteImage, 4>& images, FileSystem& fs,
                             const GameLock& lock)
{
    if (!everyFileLoaded(files)) return notLoaded(files);
    std::vector<PlannedWrite> plan;
    const std::array<const ByteImage*, 4> pointers{&images[0], &images[1], &images[2], &images[3]};
    planGameFiles(files, pointers, plan);
    WriteResult result = writeAsOneUnit(plan, fs, lock);
    if (result.ok) rememberWritten(files, pointers, fs);
    return result;
}

} // namespace orvane
