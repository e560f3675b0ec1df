#include "editors/ModCommands.h"

#include <string>

#include "files/GameSaver.h"
#include "mods/ModApply.h"
#include "mods/ModMaking.h"
#include "mods/ModSummary.h"
#include "mods/ModText.h"
#include "session/EditorSession.h"

namespace orvane {

namespace {

constexpr const char* NotWrittenTitle = "Mod not written";
constexpr const char* NotAppliedTitle = "Mod not applied";
constexpr const char* AppliedTitle = "Mod applied";
constexpr std::size_t MostLeftOutShown = 10;
constexpr std::size_t MostFaultsShown = 10; // of a refused mod, then "and N more"

std::string leftOutMessage(const std::vector<std::string>& leftOut)
{
    std::string message = "The mod holds every change of the pages. These changes are not part of a mod:\n";
    for (std::size_t i = 0; i < leftOut.size() && i < MostLeftOutShown; ++i) message += leftOut[i] + "\n";
    if (leftOut.size() > MostLeftOutShown) {
        message += "and " + std::to_string(leftOut.size() - MostLeftOutShown) + " more.\n";
    }
    return message + "Make Patch Files carries every byte of the regions the pages edit.";
}

// A name typed without an extension gets ".toml", so that the open dialog's filter and `orvane apply`
// find the file again; a name the user gave an extension is kept as typed.
std::string withModExtension(std::string path)
{
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) path += ".toml";
    return path;
}

} // namespace

FileFilter modFileFilter() { return {"Mod File (*.toml)", "*.toml"}; }

void exportChangesAsMod(EditorSession& session)
{
    if (!session.requireCompleteLoad(NotWrittenTitle, "exporting a mod")) return;
    const mods::MadeMod made = mods::exportChanges(session.files());
    const auto target = session.prompts().chooseFileToSave(modFileFilter());
    if (!target) return;
    const std::string path = withModExtension(*target);
    if (const auto refusal = refuseGameFileAsOutput(session.files(), session.fileSystem(), path)) {
        session.prompts().showMessage(NotWrittenTitle, *refusal);
        return;
    }
    const std::string text = mods::writeMod(made.mod);
    const WriteResult result = writeWholeFile(path, ByteImage(text.begin(), text.end()), session.fileSystem());
    if (!result.ok) {
        session.prompts().showMessage(NotWrittenTitle, describeWriteFailure(result));
        return;
    }
    if (!made.leftOut.empty()) session.prompts().showMessage("Mod written", leftOutMessage(made.leftOut));
}

void applyModFile(EditorSession& session)
{
    if (!session.requireCompleteLoad(NotAppliedTitle, "applying a mod file")) return;
    const auto path = session.prompts().chooseFileToOpen(modFileFilter());
    if (!path) return;
    const auto bytes = session.fileSystem().readWhole(*path);
    if (!bytes) {
        session.prompts().showWarning(NotAppliedTitle, "Unable to read " + *path + ".");
        return;
    }
    mods::ModApplication applied = mods::applyModText(
        session.files(), std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    const std::string warnings = applied.warnings.empty()
                                     ? std::string()
                                     : "\nWarnings:\n" + mods::describeRefusals(applied.warnings, MostFaultsShown);
    if (applied.refusal) {
        session.prompts().showWarning(NotAppliedTitle, "The mod file " + *path + " cannot be applied:\n" +
                                                           mods::describeRefusals(applied.refusals, MostFaultsShown) +
                                                           "\nNothing was changed." + warnings);
        return;
    }
    const std::string summary = mods::describeChanges(applied.changeCount, applied.images.size());
    for (auto& [file, image] : applied.images) session.replaceImage(file, std::move(image));
    session.prompts().showMessage(
        AppliedTitle,
        "The mod file " + *path + ": " + summary +
            (applied.images.empty() ? "." : ". Save writes them to the game's files; Undo takes them back.") +
            warnings);
}

} // namespace orvane
