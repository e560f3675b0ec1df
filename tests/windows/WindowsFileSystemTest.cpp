// The file system on Windows: UTF-8 paths reach files named in any script, a save keeps the marks
// Windows puts on a file, and a file another process holds open, as a running game holds its files,
// stops every command that would replace it.
#include <optional>
#include <stdexcept>

#include <gtest/gtest.h>

#include <windows.h>

#include "ChildProgram.h"
#include "support/FaultGame.h"
#include "support/TempDir.h"

namespace orvane::test {
namespace {

// Another process (orvane_hold_file, beside the test binary) holding a file open while this lives.
struct FileHeldOpen {
    explicit FileHeldOpen(const stdfs::path& file)
        : holder(besideTests("orvane_hold_file.exe"), {file.wstring()}, outputs.path())
    {
        holder.start();
        // Held once the file can no longer be opened for deletion; a holder that ended holds nothing.
        while (holder.running()) {
            const HANDLE probe =
                CreateFileW(file.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (probe == INVALID_HANDLE_VALUE) return;
            CloseHandle(probe);
            Sleep(10);
        }
        throw std::runtime_error("orvane_hold_file did not hold " + file.string());
    }
    TempDir outputs;
    ChildProgram holder;
};

std::string utf8(const std::u8string& text) { return std::string(text.begin(), text.end()); }

TEST(WindowsFileSystem, aGameInAFolderNamedInAnyScriptIsSavedBackToItsOwnFilesWithTheirMarks)
{
    SampleSession game(GameEdition::Collectors);
    const std::u8string folderName = u8"Partie \u00c6r\u00f8 \u6e38\u620f";
    const stdfs::path folder = game.dir.path() / folderName;
    stdfs::create_directory(folder);
    for (const char* name : {"QEV.EXE", "GEODATA"}) stdfs::rename(game.dir.path() / name, folder / name);
    const stdfs::path english = folder / "GEODATA" / "ENGLISH.DAT";
    ASSERT_TRUE(SetFileAttributesW(english.c_str(), FILE_ATTRIBUTE_HIDDEN));
    DiskTree expected = filesUnder(folder);

    // Chosen with a drive, backslashes and names in another case than on disk.
    game.exePath = game.dir.str() + "\\" + utf8(folderName) + "\\qev.exe";
    game.load();
    EXPECT_EQ(game.session.files().file(FileId::English).diskPath, utf8(english.u8string()));
    for (LoadedFile& file : game.session.files().files) ++file.image.at(10);
    game.session.save();

    ASSERT_EQ(game.prompts.messages().size(), 1U);
    EXPECT_EQ(game.prompts.messages()[0].text, "All files saved.");
    const std::pair<const char*, const char*> backups[] = {{"qev.exe.bak", "QEV.EXE"}, // named as chosen
                                                           {"GEODATA/english.bak", "GEODATA/ENGLISH.DAT"},
                                                           {"GEODATA/english2.bak", "GEODATA/ENGLISH2.DAT"},
                                                           {"GEODATA/obdata.bak", "GEODATA/OBDATA.DAT"}};
    for (const auto& [backup, name] : backups) expected[backup] = expected.at(name);
    for (const auto& [name, id] : GameFiles) expected[name] = game.session.image(id);
    EXPECT_EQ(filesUnder(folder), expected);
    EXPECT_EQ(GetFileAttributesW(english.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
              DWORD{FILE_ATTRIBUTE_HIDDEN});
}

TEST(WindowsFileSystem, aFileHeldOpenByAnotherProcessStopsTheCommandBeforeAnythingChanges)
{
    for (const Command& command : Commands) {
        for (std::size_t step = 0; step < planLength(command); ++step) {
            FaultGame game(command);
            SCOPED_TRACE(std::string(command.name) + ", held open: " + game.step(step).name);
            game.ensureTargetExists(step);
            std::optional<FileHeldOpen> holder(std::in_place, game.pathOf(game.step(step).name));
            EXPECT_EQ(game.runThroughFault(step, 0,
                                           [&] {
                                               holder.reset();
                                               return std::string();
                                           }),
                      "");
        }
    }
}

} // namespace
} // namespace orvane::test
