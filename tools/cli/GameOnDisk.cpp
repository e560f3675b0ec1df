#include "GameOnDisk.h"

#include "Output.h"
#include "changes/ChangeList.h"
#include "files/GameLoader.h"
#include "files/GamePaths.h"
#include "files/GameSaver.h"
#include "files/LoadProgress.h"

namespace orvane::cli {

std::string gameExecutable(const std::string& given, FileSystem& fs)
{
    // A file: the load words what is wrong with it.
    if (given.empty()) return given;
    const std::string path = fs.resolve(given);
    if (!fs.exists(path)) throw Refusal{"cannot load the game " + given + ": there is no such file or folder"};
    if (fs.fileLength(path)) return given;
    std::string found = findGameExecutable(fs, path);
    if (found.empty()) {
        throw Refusal{given + " is a folder that holds no game; give the game's executable (QEV.EXE, or GEOSCAPE.EXE "
                              "for the DOS editions) or the folder it is in"};
    }
    return found;
}

GameFileSet loadGame(const std::string& exePath, FileSystem& fs, const GameLock* heldLock)
{
    SilentProgress progress;
    std::string why;
    LoadCalls calls;
    GameFileSet game;
    calls.stopped = [&why, &exePath, &game](FileId file, const std::string& reason) {
        const std::string name = file == FileId::Exe ? exePath : changes::fileCaption(file);
        why = reason.empty() ? name + " is there but cannot be read" : reason;
        if (reason == WrongExecutableText) why += " (" + exePath + " has the length of no edition's executable)";
        // The load's own words name the file only: say where the data files were looked for.
        if (file != FileId::Exe) why += " (looked for in " + joinGamePath(game.gameDirectory, "\\GEODATA") + ")";
    };
    calls.notice = [&exePath](const std::string& line) { tell(exePath + ": " + line); };
    const LoadResult result = heldLock != nullptr ? loadGameFilesAt(exePath, game, fs, progress, calls, heldLock)
                                                  : readGameFilesAt(exePath, game, fs, progress, calls);
    if (result != LoadResult::Complete) {
        throw Refusal{"cannot load the game " + exePath + ": " + why};
    }
    return game;
}

GameLock lockGame(const std::string& exePath, FileSystem& fs)
{
    auto lock = GameLock::acquire(fs, exePath);
    if (!lock) throw Refusal{GameBusyText};
    return std::move(*lock);
}

void refuseOutputOverGame(const std::string& output, const std::vector<const GameFileSet*>& games, FileSystem& fs)
{
    if (output == "-") return;
    for (const GameFileSet* game : games) {
        if (const auto refusal = refuseGameFileAsOutput(*game, fs, output)) throw Refusal{*refusal};
    }
}

} // namespace orvane::cli
