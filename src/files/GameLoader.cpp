#include "files/GameLoader.h"

#include <array>
#include <optional>
#include <utility>

#include "files/DiskState.h"
#include "files/GamePaths.h"
#include "files/GameTransaction.h"

namespace orvane {

namespace {

constexpr const char* DonePiece = "DONE!    ";

// One data file below the game folder, in the order the load reads them.
struct DataFile {
    FileId id;
    const char* relativePath;
    const char* unableText;       // reported when the file is missing or empty
    std::uint64_t requiredLength; // 0: any length above 0
    const char* wrongLengthText;  // reported when a required length is not met
    const char* nextPiece;        // appended once it is read, naming the next file; nullptr after the last
};

constexpr std::array<DataFile, 3> DataFiles{{
    {FileId::Obdata, "\\geodata\\obdata.dat", "Unable to load obdata.dat", ObdataLength,
     "The file obdata.dat is not the right size", "ENGLISH.DAT...  "},
    {FileId::English, "\\geodata\\english.dat", "Unable to load english.dat", 0, nullptr, "ENGLISH2.DAT...  "},
    {FileId::English2, "\\geodata\\english2.dat", "Unable to load english2.dat", 0, nullptr, nullptr},
}};

// The length the load goes by: 0 for a missing or empty file (both "unable to load"), nothing
// for something that is there but cannot be read as a file, such as a folder.
std::optional<std::uint64_t> lengthToLoad(FileSystem& fs, const std::string& path)
{
    if (auto length = fs.fileLength(path)) return length;
    if (fs.exists(path)) return std::nullopt;
    return 0;
}

// The whole file when it still has the length it was measured at.
std::optional<ByteImage> readMeasured(FileSystem& fs, const std::string& path, std::uint64_t length)
{
    auto bytes = fs.readWhole(path);
    if (!bytes || bytes->size() != length) return std::nullopt;
    return bytes;
}

void keep(LoadedFile& file, ByteImage bytes, const std::string& diskPath, FileSystem& fs)
{
    file.asRead = std::move(bytes);
    file.image = file.asRead;
    file.diskPath = diskPath;
    file.loaded = true;
    rememberOnDisk(file, file.asRead, fs);
}

// A folder that holds "ENGLISH.DAT" and "english.dat" both (or a game folder with two GEODATA folders)
// cannot say which is the game's: the load names them and stops, rather than read one and write it
// back over the other. The executable needs no such check: the user chose that very file.
std::optional<std::string> ambiguity(FileSystem& fs, const std::string& path)
{
    std::string folder = path;
    while (!folder.empty() && !isPathSeparator(folder.back())) folder.pop_back();
    while (!folder.empty() && isPathSeparator(folder.back())) folder.pop_back();
    for (const std::string& candidate : {path, folder}) {
        if (candidate.empty()) continue;
        const std::vector<std::string> same = fs.sameNameIgnoringCase(candidate);
        if (same.size() < 2) continue;
        std::string names;
        for (std::size_t i = 0; i < same.size(); ++i) {
            names += i == 0 ? "" : i + 1 == same.size() ? " and " : ", ";
            names += fileNameOf(same[i]);
        }
        return "The folder holds both " + names + ", so it is not clear which is the game's; rename or remove one.";
    }
    return std::nullopt;
}

// A failure the user is told about in the step line.
LoadResult failWith(LoadProgress& progress, const LoadCalls& calls, FileId file, const std::string& text)
{
    progress.report(text);
    if (calls.stopped) calls.stopped(file, text);
    progress.finish();
    return LoadResult::Failed;
}

// Any other error: the step line keeps the step that was under way.
LoadResult failAsItStands(LoadProgress& progress, const LoadCalls& calls, FileId file)
{
    if (calls.stopped) calls.stopped(file, {});
    progress.finish();
    return LoadResult::Failed;
}

void runStep(LoadProgress& progress, const char* stepText, const std::function<void()>& call)
{
    progress.report(stepText);
    if (call) call();
}

// Answers the open dialog with a path given beforehand. The load asks nothing else.
class GivenPath : public Prompts {
public:
    explicit GivenPath(std::string path) : path_(std::move(path)) {}

    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::size_t askChoice(const std::string&, const std::string&, const std::vector<std::string>&, std::size_t,
                          std::size_t escapeButton) override
    {
        return escapeButton;
    }
    void showMessage(const std::string&, const std::string&) override {}
    std::optional<std::string> chooseFileToOpen(const FileFilter&) override { return path_; }
    std::optional<std::string> chooseFileToSave(const FileFilter&) override { return std::nullopt; }

private:
    std::string path_;
};

} // namespace

LoadResult loadGameFilesAt(const std::string& exePath, GameFileSet& files, FileSystem& fs, LoadProgress& progress,
                           const LoadCalls& calls, const GameLock* heldLock)
{
    GivenPath prompts(exePath);
    return loadGameFiles(files, fs, prompts, progress, calls, heldLock);
}

LoadResult loadGameFiles(GameFileSet& files, FileSystem& fs, Prompts& prompts, LoadProgress& progress,
                         const LoadCalls& calls, const GameLock* heldLock)
{
    progress.begin();
    progress.append("QEV.EXE...  ");

    const auto chosen = prompts.chooseFileToOpen({"QEV Executable (qev.exe)", "*.exe"});
    if (!chosen) {
        progress.finish();
        return LoadResult::Cancelled;
    }
    const std::string& exePath = *chosen;
    const std::string candidateDirectory = folderOf(exePath);

    std::optional<GameLock> ownLock;
    if (heldLock == nullptr) {
        ownLock = GameLock::acquire(fs, exePath);
        if (!ownLock) return failWith(progress, calls, FileId::Exe, GameBusyText);
    }
    const GameLock& lock = heldLock != nullptr ? *heldLock : *ownLock;
    // Read without the lock, a journal or temporary files beside the game belong to a writer at work.
    if (lock.held()) {
        if (const auto finished = finishInterruptedWrite(fs, lock.journalPath()); finished && calls.notice) {
            calls.notice(*finished);
        }
    }

    const std::string exeOnDisk = fs.resolve(exePath);
    const auto exeLength = lengthToLoad(fs, exeOnDisk);
    if (!exeLength) return failAsItStands(progress, calls, FileId::Exe);
    if (*exeLength == 0) return failWith(progress, calls, FileId::Exe, "Unable to load qev.exe");
    const GameEdition edition = editionForExeLength(*exeLength);
    if (edition == GameEdition::None) {
        return failWith(progress, calls, FileId::Exe, std::string(WrongExecutableText));
    }

    // The executable is read before the set takes its edition, so the edition never describes
    // an image of another length.
    auto exeBytes = readMeasured(fs, exeOnDisk, *exeLength);
    if (!exeBytes) return failAsItStands(progress, calls, FileId::Exe);
    files.exePath = exePath;
    files.edition = edition;
    files.complete = false; // from here on the set mixes this load with an earlier one until the end
    keep(files.file(FileId::Exe), std::move(*exeBytes), exeOnDisk, fs);
    if (calls.fileRead) calls.fileRead(FileId::Exe);
    if (calls.editionRecognised) calls.editionRecognised(edition);

    runStep(progress, "Enabling All", calls.enableAll);
    for (const LoadStep& step : calls.exeAccepted) runStep(progress, step.line.c_str(), step.run);
    progress.append(DonePiece);
    progress.append("OBDATA.DAT...  ");

    // GEOSCAPE.EXE of the DOS editions lies one folder below the game's main folder.
    files.gameDirectory = isDosEdition(edition) ? joinGamePath(candidateDirectory, "\\..") : candidateDirectory;
    progress.report("Go back a directory if DOS");

    for (const DataFile& data : DataFiles) {
        const std::string onDisk = fs.resolve(joinGamePath(files.gameDirectory, data.relativePath));
        if (const auto unclear = ambiguity(fs, onDisk)) return failWith(progress, calls, data.id, *unclear);
        const auto length = lengthToLoad(fs, onDisk);
        if (!length) return failAsItStands(progress, calls, data.id);
        if (*length == 0) return failWith(progress, calls, data.id, data.unableText);
        if (data.requiredLength != 0 && *length != data.requiredLength) {
            return failWith(progress, calls, data.id, data.wrongLengthText);
        }
        auto bytes = readMeasured(fs, onDisk, *length);
        if (!bytes) return failAsItStands(progress, calls, data.id);
        keep(files.file(data.id), std::move(*bytes), onDisk, fs);
        if (calls.fileRead) calls.fileRead(data.id);
        progress.append(DonePiece);
        if (data.nextPiece != nullptr) progress.append(data.nextPiece);
    }

    if (lock.held()) {
        std::vector<std::string> beside{lock.journalPath()};
        for (const LoadedFile& file : files.files) beside.push_back(file.diskPath);
        removeLeftTemporaries(beside, fs);
    }

    files.complete = true;
    progress.report(AllFilesLoadedText);
    progress.finish();
    return LoadResult::Complete;
}

LoadResult readGameFilesAt(const std::string& exePath, GameFileSet& files, FileSystem& fs, LoadProgress& progress,
                           const LoadCalls& calls)
{
    const std::string exe = fs.resolve(exePath);
    const std::string lockPath = gameLockPath(exe);
    if (!fs.exists(lockPath) && !fs.exists(gameJournalPath(exe))) {
        const GameLock unheld = GameLock::unheld(fs, exePath);
        const LoadResult result = loadGameFilesAt(exePath, files, fs, progress, calls, &unheld);
        if (!fs.exists(lockPath)) return result;
    }
    return loadGameFilesAt(exePath, files, fs, progress, calls);
}

std::string findGameExecutable(FileSystem& fs, const std::string& folder)
{
    // Relative game paths start with a backslash, as the loader's own do; "game/" is joined as "game".
    std::string_view base = folder;
    while (base.size() > rootLength(base) && isPathSeparator(base.back())) base.remove_suffix(1);
    for (const char* candidate : {"\\QEV.EXE", "\\GEOSCAPE.EXE", "\\QEVEXE\\GEOSCAPE.EXE"}) {
        const std::string path = fs.resolve(joinGamePath(std::string(base), candidate));
        if (fs.fileLength(path)) return path;
    }
    return {};
}

} // namespace orvane
