#include "GameOnDisk.h"

#include "Output.h"
#include "changes/ChangeList.h"
#include "files/GameLoader.h"
#include "files/GameSaver.h"
#include "files/LoadProgress.h"

namespace orvane::cli {

namespace {

// Answers the open dialog with the given path. The load asks nothing else; anything else is declined,
// so a script is never held up by a question.
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

GameFileSet loadGame(const std::string& exePath, FileSystem& fs, const GameLock* heldLock)
{
    GivenPath prompts(exePath);
    SilentProgress progress;
    std::string why;
    LoadCalls calls;
    calls.stopped = [&why, &exePath](FileId file, const std::string& reason) {
        const std::string name = file == FileId::Exe ? exePath : changes::fileCaption(file);
        why = reason.empty() ? name + " is there but cannot be read" : reason;
    };
    calls.notice = [&exePath](const std::string& line) { tell(exePath + ": " + line); };
    GameFileSet game;
    if (loadGameFiles(game, fs, prompts, progress, calls, heldLock) != LoadResult::Complete) {
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
