#include "session/PatchApply.h"

#include <algorithm>
#include <optional>
#include <string>

#include "files/PatchFile.h"
#include "files/PatchReader.h"
#include "session/EditorSession.h"

namespace orvane {

namespace {

constexpr const char* NotAppliedTitle = "Patch not applied";

std::size_t countStrings(const ByteImage& table)
{
    return static_cast<std::size_t>(std::count(table.begin(), table.end(), std::uint8_t{0}));
}

// The length of ENGLISH.DAT: the only one the markers allow, or the one the user says is meant.
std::optional<std::size_t> chooseEnglishLength(Prompts& prompts, const PatchContents& contents)
{
    if (contents.englishLengths.size() == 1) return contents.englishLengths.front();
    for (const std::size_t length : contents.englishLengths) {
        const ByteImage english = contents.english(length);
        const ByteImage english2 = contents.english2(length);
        const std::string question =
            "The patch file can be split into ENGLISH.DAT and ENGLISH2.DAT in more than one way.\n"
            "Is ENGLISH.DAT " + std::to_string(english.size()) + " bytes long (" +
            std::to_string(countStrings(english)) + " strings), leaving ENGLISH2.DAT " +
            std::to_string(english2.size()) + " bytes (" + std::to_string(countStrings(english2)) + " strings)?";
        if (prompts.askYesNo("Split the string files?", question)) return length;
    }
    return std::nullopt;
}

// The executable as it stands, with every region of the patch at the loaded edition's offsets.
std::optional<ByteImage> patchedExe(const ByteImage& exe, GameEdition edition, const PatchContents& contents)
{
    ByteImage patched = exe;
    for (std::size_t region = 0; region < PatchExeRegions.size(); ++region) {
        const auto start = PatchExeRegions.at(region).start.in(edition);
        const ByteImage& bytes = contents.exeRegions.at(region);
        if (!start || !fitsIn(patched, *start, bytes.size())) return std::nullopt;
        std::copy(bytes.begin(), bytes.end(), patched.begin() + static_cast<std::ptrdiff_t>(*start));
    }
    return patched;
}

} // namespace

void applyPatchFile(EditorSession& session)
{
    Prompts& prompts = session.prompts();
    if (!session.files().complete) {
        prompts.showMessage(NotAppliedTitle, "The last load did not read all four game files.\n"
                                             "Load the files again before applying a patch file.");
        return;
    }
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
    const auto exe = patchedExe(session.image(FileId::Exe), session.edition(), contents);
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
    const std::pair<FileId, ByteImage> images[] = {
        {FileId::Exe, *exe},
        {FileId::English, contents.english(*englishLength)},
        {FileId::English2, contents.english2(*englishLength)},
        {FileId::Obdata, contents.obdata},
    };
    for (const auto& [file, image] : images) {
        if (session.image(file) != image) session.replaceImage(file, image);
    }
}

} // namespace orvane
