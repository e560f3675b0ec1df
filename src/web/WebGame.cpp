#include "web/WebGame.h"

#include <algorithm>

#include "changes/ChangeList.h"
#include "core/TextFilter.h"
#include "editors/ModCommands.h"
#include "editors/PatchApply.h"
#include "files/GameLoader.h"

namespace orvane::web {

using emscripten::val;

namespace {

val bytesOf(const ByteImage& bytes)
{
    // A copy, so that the page's array does not change with the image.
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

// The load's step lines, kept for the page to show when the load has ended.
class StepLines : public LoadProgress {
public:
    void begin() override { progress.clear(); }
    void append(const std::string& piece) override { progress += piece; }
    void report(const std::string& line) override { step = line; }
    void finish() override {}
    std::string progress;
    std::string step;
};

const char* resultName(LoadResult result)
{
    switch (result) {
    case LoadResult::Cancelled: return "cancelled";
    case LoadResult::Failed: return "failed";
    case LoadResult::Complete: return "complete";
    }
    return "failed";
}

} // namespace

WebGame::WebGame(val page) : page_(page), prompts_(page), session_(files_, prompts_), editors_(session_)
{
    editors_.disableAll();
}

void WebGame::putFile(const std::string& path, const val& bytes)
{
    files_.put(path, emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes));
}

val WebGame::file(const std::string& path) const
{
    const ByteImage* bytes = files_.find(path);
    return bytes ? bytesOf(*bytes) : val::null();
}

val WebGame::takeSteps()
{
    val steps = val::array();
    for (const MemoryFileSystem::Step& step : files_.takeSteps()) {
        val entry = val::object();
        const char* kind = step.kind == MemoryFileSystem::Step::Kind::Write     ? "write"
                           : step.kind == MemoryFileSystem::Step::Kind::Replace ? "replace"
                                                                                : "remove";
        entry.set("kind", kind);
        entry.set("path", step.path);
        entry.set("target", step.target);
        if (step.kind == MemoryFileSystem::Step::Kind::Write) entry.set("bytes", bytesOf(step.bytes));
        steps.call<void>("push", entry);
    }
    return steps;
}

std::string WebGame::findExecutable(const std::string& folder) { return findGameExecutable(files_, folder); }

std::string WebGame::load(const std::string& exePath)
{
    prompts_.answerNextOpen(exePath);
    StepLines lines;
    LoadCalls calls;
    calls.editionRecognised = [this](GameEdition edition) { editors_.base.showEdition(edition); };
    calls.enableAll = [this] { editors_.enableAll(); };
    std::string notice;
    calls.notice = [&notice](const std::string& line) { notice = line; };
    const LoadResult result = session_.loadFiles(lines, calls);
    if (!notice.empty()) prompts_.showMessage(InterruptedSaveTitle, notice);
    return resultName(result) + std::string("\n") + lines.step;
}

void WebGame::applyPatchFile(const std::string& path)
{
    prompts_.answerNextOpen(path);
    orvane::applyPatchFile(session_);
}

void WebGame::exportChangesAsMod() { orvane::exportChangesAsMod(session_); }

void WebGame::applyModFile(const std::string& path)
{
    prompts_.answerNextOpen(path);
    orvane::applyModFile(session_);
}

void WebGame::closeFiles()
{
    session_.closeFiles([this] { editors_.disableAll(); });
}

val WebGame::state() const
{
    val state = val::object();
    state.set("filesOpen", session_.filesOpen());
    state.set("saveAvailable", session_.saveAvailable());
    state.set("undoAvailable", session_.undoAvailable());
    state.set("makeBackups", session_.makeBackups());
    state.set("modified", session_.modified());
    state.set("exePath", session_.files().exePath);
    val loaded = val::array(); // the paths the game's files were read from
    for (const LoadedFile& file : session_.files().files) {
        if (file.loaded) loaded.call<void>("push", file.diskPath);
    }
    state.set("files", loaded);
    return state;
}

val WebGame::changes() const
{
    val rows = val::array();
    for (const changes::Change& change : changes::listChanges(session_.files())) {
        val row = val::object();
        row.set("page", change.page ? static_cast<int>(*change.page) : -1);
        row.set("list", change.list);
        row.set("record", static_cast<double>(change.record));
        row.set("pageText", change.pageText);
        row.set("recordText", change.recordText);
        row.set("field", change.field);
        row.set("oldValue", change.oldValue);
        row.set("newValue", change.newValue);
        rows.call<void>("push", row);
    }
    return rows;
}

} // namespace orvane::web
