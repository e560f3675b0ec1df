#include "files/GameSaver.h"

#include <array>
#include <utility>

#include "files/GamePaths.h"

namespace orvane {

namespace {

struct PlannedWrite {
    std::string target;
    const ByteImage* bytes;
};

// Writes every file to a temporary file first; only when all are on disk are they renamed over
// their targets, in order. A failure before the first rename leaves the disk as it was.
WriteResult writeAll(const std::vector<PlannedWrite>& plan, FileSystem& fs)
{
    WriteResult result;
    std::vector<std::string> temporaries;
    const auto removeTemporariesFrom = [&](std::size_t first) {
        for (std::size_t i = first; i < temporaries.size(); ++i) fs.remove(temporaries[i]);
    };

    for (const PlannedWrite& write : plan) {
        auto temporary = fs.writeTemporary(write.target, *write.bytes);
        if (!temporary) {
            removeTemporariesFrom(0);
            result.ok = false;
            result.failedFile = write.target;
            return result;
        }
        temporaries.push_back(std::move(*temporary));
    }

    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (!fs.replace(temporaries[i], plan[i].target)) {
            removeTemporariesFrom(i);
            result.ok = false;
            result.failedFile = plan[i].target;
            return result;
        }
        result.replacedFiles.push_back(plan[i].target);
    }
    return result;
}

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

} // namespace

WriteResult saveGameFiles(const GameFileSet& files, FileSystem& fs, bool makeBackups)
{
    if (!everyFileLoaded(files)) return notLoaded(files);

    std::vector<PlannedWrite> plan;
    if (makeBackups) {
        plan.push_back({fs.resolve(files.exePath + ".bak"), &files.file(FileId::Exe).asRead});
        plan.push_back({inGameFolder(files, fs, "\\geodata\\english.bak"), &files.file(FileId::English).asRead});
        plan.push_back({inGameFolder(files, fs, "\\geodata\\english2.bak"), &files.file(FileId::English2).asRead});
        plan.push_back({inGameFolder(files, fs, "\\geodata\\obdata.bak"), &files.file(FileId::Obdata).asRead});
    }
    // Each image goes back to the very file it was read from, whatever the case of its name on disk.
    for (const FileId id : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) {
        plan.push_back({files.file(id).diskPath, &files.image(id)});
    }
    return writeAll(plan, fs);
}

WriteResult writeMasterBackup(const GameFileSet& files, FileSystem& fs)
{
    if (!everyFileLoaded(files)) return notLoaded(files);

    const std::vector<PlannedWrite> plan{
        {fs.resolve(files.exePath + "(MASTER).bak"), &files.file(FileId::Exe).asRead},
        {inGameFolder(files, fs, "\\geodata\\ENGLISH(MASTER).bak"), &files.file(FileId::English).asRead},
        {inGameFolder(files, fs, "\\geodata\\ENGLISH2(MASTER).bak"), &files.file(FileId::English2).asRead},
        {inGameFolder(files, fs, "\\geodata\\OBDATA(MASTER).bak"), &files.file(FileId::Obdata).asRead},
    };
    return writeAll(plan, fs);
}

WriteResult writeWholeFile(const std::string& target, const ByteImage& bytes, FileSystem& fs)
{
    return writeAll({{target, &bytes}}, fs);
}

std::string describeWriteFailure(const WriteResult& result)
{
    if (result.ok) return {};
    std::string message = "Could not write the file\n" + result.failedFile + "\n";
    if (result.replacedFiles.empty()) return message + "No file was changed.";
    message += "These files were already replaced:\n";
    for (const std::string& replaced : result.replacedFiles) message += replaced + "\n";
    return message + "The other files were not changed.";
}

} // namespace orvane
