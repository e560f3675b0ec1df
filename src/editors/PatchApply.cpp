#include "editors/PatchApply.h"

#include <optional>
#include <string>
#include <utility>

#include "files/PatchFile.h"
#include "files/PatchImages.h"
#include "files/PatchReader.h"
#include "session/EditorSession.h"

namespace orvane {

namespace {

constexpr const char* NotAppliedTitle = "Patch not applied";

// The length of ENGLISH.DAT: the only one the markers allow, or the one the user says is meant.
std::optional<std::size_t> chooseEnglishLength(Prompts& prompts, const PatchContents& contents)
{
    if (contents.englishLengths.size() == 1) return contents.englishLengths.front();
    for (const std::size_t length : contents.englishLengths) {
        const std::string question =
            "The patch file can be split into ENGLISH.DAT and ENGLISH2.DAT in more than one way.\nIs " +
            describeSplit(contents, length) + "?";
        if (prompts.askYesNo("Split the string files?", question)) return length;
    }
    return std::nullopt;
}

} // namespace

void applyPatchFile(EditorSession& session)
{
    Prompts& prompts = session.prompts();
    if (!session.requireCompleteLoad(NotAppliedTitle, "applying a patch file")) return;
    const auto path = prompts.chooseFileToOpen(patchFileFilter());
    if (!path) return;
    const auto bytes = session.fileSystem().readWhole(*path);
    if (!bytes) {
        prompts.showMessage(NotAppliedTitle, "Unable to read " + *path + ".");
        return;
    }
    const PatchReading reading = readPatchFile(*bytes);
    if (!reading.contents) {
        prompts.showMessage(NotAppliedTitle, reading.problem + "\nNothing was changed.");
        return;
    }
    const PatchContents& contents = *reading.contents;
    auto exe = patchedExe(session.image(FileId::Exe), session.edition(), contents);
    if (!exe) {
        prompts.showMessage(NotAppliedTitle, "The executable loaded now has no room for the patch's regions.\n"
                                             "Nothing was changed.");
        return;
    }
    const auto englishLength = chooseEnglishLength(prompts, contents);
    if (!englishLength) {
        prompts.showMessage(NotAppliedTitle, "No split of the string files was chosen.\nNothing was changed.");
        return;
    }
    for (auto& [file, image] : patchedImages(session.files(), std::move(*exe), contents, *englishLength)) {
        session.replaceImage(file, std::move(image));
    }
}

} // namespace orvane
