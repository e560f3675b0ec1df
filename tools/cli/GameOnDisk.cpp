#include "GameOnDisk.h"

#include "Output.h"
#include "changes/ChangeList.h"
#include "files/GameLoader.h"
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
    void showMessage(const std::string&, const std::string&) override {}
    std::optional<std::string> chooseFileToOpen(const FileFilter&) override { return path_; }
    std::optional<std::string> chooseFileToSave(const FileFilter&) override { return std::nullopt; }

private:
    std::string path_;
};

} // namespace

GameFileSet loadGame(const std::string& exePath, FileSystem& fs)
{
    GivenPath prompts(exePath);
    SilentProgress progress;
    std::string why;
    LoadCalls calls;
    calls.stopped = [&why, &exePath](FileId file, const std::string& reason) {
        const std::string name = file == FileId::Exe ? exePath : changes::fileCaption(file);
        why = reason.empty() ? name + " is there but cannot be read" : reason;
    };
    GameFileSet game;
    if (loadGameFiles(game, fs, prompts, progress, calls) != LoadResult::Complete) {
        throw Refusal{"cannot load the game " + exePath + ": " + why};
    }
    return game;
}

} // namespace orvane::cli
