// The file system on Windows: paths in UTF-8 reach files named in any script, the marks Windows keeps
// on a file outlast a save, and a file another process holds open, as a running game holds its
// files, stops every command that would replace it.
#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include <windows.h>

#include "files/RealFileSystem.h"
#include "samplegame/SampleGame.h"
#include "session/EditorSession.h"
#include "support/FaultGame.h"
#include "windows/FileHeldOpen.h"

namespace orvane::test {
namespace {

TEST(WindowsFileSystem, aGameInAFolderNamedInAnyScriptIsSavedBackToItsOwnFilesWithTheirMarks)
{
    const TempDir dir;
    const std::u8string folderName = u8"Partie \u00c6r\u00f8 \u6e38\u620f";
    const stdfs::path folder = dir.path() / folderName;
    sample::writeSampleGame((dir.path() / "plain").string(), GameEdition::Collectors);
    stdfs::rename(dir.path() / "plain", folder);
    const stdfs::path english = folder / "GEODATA" / "ENGLISH.DAT";
    ASSERT_TRUE(SetFileAttributesW(english.c_str(), FILE_ATTRIBUTE_HIDDEN));
    DiskTree expected = filesUnder(folder);

    // Chosen with a drive, backslashes and names in another case than on disk.
    RealFileSystem fs;
    ScriptedPrompts prompts;
    EditorSession session(fs, prompts);
    prompts.answerFile(dir.str() + "\\" + std::string(folderName.begin(), folderName.end()) + "\\qev.exe");
    SilentProgress progress;
    ASSERT_EQ(session.loadFiles(progress, LoadCalls{}), LoadResult::Complete);
    const std::u8string englishOnDisk = english.u8string();
    EXPECT_EQ(session.files().file(FileId::English).diskPath, std::string(englishOnDisk.begin(), englishOnDisk.end()));
    for (LoadedFile& file : session.files().files) ++file.image.at(10);
    session.save();

    ASSERT_EQ(prompts.messages().size(), 1U);
    EXPECT_EQ(prompts.messages()[0].text, "All files saved.");
    const std::pair<const char*, const char*> backups[] = {{"qev.exe.bak", "QEV.EXE"}, // named after the executable as chosen
                                                           {"GEODATA/english.bak", "GEODATA/ENGLISH.DAT"},
                                                           {"GEODATA/english2.bak", "GEODATA/ENGLISH2.DAT"},
                                                           {"GEODATA/obdata.bak", "GEODATA/OBDATA.DAT"}};
    for (const auto& [backup, name] : backups) expected[backup] = expected.at(name);
    for (const auto& [name, id] : GameFiles) expected[name] = session.image(id);
    EXPECT_EQ(filesUnder(folder), expected);
    const DWORD marks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
    EXPECT_EQ(GetFileAttributesW(english.c_str()) & marks, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
}

TEST(WindowsFileSystem, aFileHeldOpenByAnotherProcessStopsTheCommandBeforeAnythingChanges)
{
    for (const Command& command : Commands) {
        for (std::size_t step = 0; step < planLength(command); ++step) {
            FaultGame game(command);
            SCOPED_TRACE(std::string(command.name) + ", held open: " + game.step(step).name);
            game.ensureTargetExists(step);
            std::optional<FileHeldOpen> holder(std::in_place, game.pathOf(game.step(step).name));
            EXPECT_EQ(game.runThroughFault(step, 0, [&] {
                holder.reset();
                return std::string();
            }), "");
        }
    }
}

} // namespace
} // namespace orvane::test
