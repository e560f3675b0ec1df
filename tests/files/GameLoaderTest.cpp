#include <filesystem>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "GameFilesFixture.h"
#include "samplegame/SampleGame.h"
#include "files/GameLoader.h"
#include "files/GamePaths.h"
#include "files/RealFileSystem.h"
#include "support/ImageDiff.h"
#include "support/ScriptedPrompts.h"

namespace orvane::test {
namespace {

namespace stdfs = std::filesystem;

const std::vector<std::string> AllPieces{"QEV.EXE...  ",  "DONE!    ", "OBDATA.DAT...  ",   "DONE!    ",
                                         "ENGLISH.DAT...  ", "DONE!    ", "ENGLISH2.DAT...  ", "DONE!    "};

LoadCalls recordingCalls(RecordingProgress& progress)
{
    return {[&progress](GameEdition e) { progress.events.push_back("edition " + editionText(e)); },
            [&progress] { progress.events.emplace_back("enableAll"); },
            [&progress] { progress.events.emplace_back("updateItemsList"); },
            [&progress] { progress.events.emplace_back("updateBase"); }};
}

struct LoadRun {
    LoadResult result;
    ScriptedPrompts prompts;
    RecordingProgress progress;
};

void runLoad(LoadRun& run, GameFileSet& files, std::optional<std::string> chosen)
{
    RealFileSystem fs;
    run.prompts.answerFile(std::move(chosen));
    run.result = loadGameFiles(files, fs, run.prompts, run.progress, recordingCalls(run.progress));
}

::testing::AssertionResult sameFile(const LoadedFile& a, const LoadedFile& b)
{
    if (a.image != b.image || a.asRead != b.asRead || a.diskPath != b.diskPath || a.loaded != b.loaded) {
        return ::testing::AssertionFailure() << "file differs: " << a.diskPath << " / " << b.diskPath;
    }
    return ::testing::AssertionSuccess();
}

class LoadEveryEdition : public ::testing::TestWithParam<GameEdition> {};

TEST_P(LoadEveryEdition, readsTheFourFilesAndReportsEachStep)
{
    const GameEdition edition = GetParam();
    SampleGameDir game(edition);
    GameFileSet files;
    LoadRun run;
    runLoad(run, files, game.exePath);

    ASSERT_EQ(run.result, LoadResult::Complete) << run.progress.step;
    EXPECT_EQ(run.prompts.lastFilter.description, "QEV Executable (qev.exe)");
    EXPECT_EQ(run.prompts.lastFilter.pattern, "*.exe");
    EXPECT_EQ(run.progress.pieces, AllPieces);
    EXPECT_EQ(run.progress.step, "All files loaded successfully!");
    const std::vector<std::string> expectedEvents{
        "begin",       "edition " + editionText(edition), "report Enabling All",          "enableAll",
        "report UpdateItemsList", "updateItemsList",      "report Update Base",           "updateBase",
        "report Go back a directory if DOS",              "report All files loaded successfully!", "finish"};
    EXPECT_EQ(run.progress.events, expectedEvents);

    EXPECT_EQ(files.edition, edition);
    EXPECT_EQ(files.exePath, game.exePath);
    const std::string exeFolder = folderOf(game.exePath);
    EXPECT_EQ(files.gameDirectory, isDosEdition(edition) ? exeFolder + "/.." : exeFolder);
    EXPECT_TRUE(files.complete);

    // The sample's folders are upper case; the load asks for lower-case names and finds them.
    const std::map<FileId, std::string> expectedDisk{
        {FileId::Exe, game.exePath},
        {FileId::Obdata, files.gameDirectory + "/GEODATA/OBDATA.DAT"},
        {FileId::English, files.gameDirectory + "/GEODATA/ENGLISH.DAT"},
        {FileId::English2, files.gameDirectory + "/GEODATA/ENGLISH2.DAT"}};
    for (const auto& [id, diskPath] : expectedDisk) {
        const LoadedFile& file = files.file(id);
        EXPECT_EQ(file.diskPath, diskPath);
        EXPECT_TRUE(file.loaded);
        EXPECT_EQ(file.asRead, readFileBytes(diskPath)) << diskPath;
        EXPECT_EQ(file.image, file.asRead) << diskPath;
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, LoadEveryEdition,
                         ::testing::Values(GameEdition::Collectors, GameEdition::Dos12, GameEdition::Dos14));

// How far a failed load got: which of the new files the set holds afterwards.
enum class Reached { Nothing, Exe, Obdata, English, Everything };

struct FailureRow {
    const char* name;
    std::function<void(const SampleGameDir&)> spoil;
    std::string expectedStep; // "" when the step line keeps the step under way
    Reached reached;
};

void resizeFile(const std::string& path, std::size_t length)
{
    ByteImage bytes = readFileBytes(path);
    bytes.resize(length, 0x5A);
    writeFileBytes(path, bytes);
}

std::function<void(const SampleGameDir&)> resize(const std::string& relative, std::size_t length)
{
    return [relative, length](const SampleGameDir& game) {
        resizeFile(relative.empty() ? game.exePath : game.path(relative), length);
    };
}

std::function<void(const SampleGameDir&)> removeFile(const std::string& relative)
{
    return [relative](const SampleGameDir& game) {
        stdfs::remove(relative.empty() ? game.exePath : game.path(relative));
    };
}

TEST(LoadFailures, eachFailureReportsItsTextAndKeepsWhatCameBefore)
{
    const std::size_t exeLength = CollectorsExeLength;
    const std::vector<FailureRow> rows{
        {"exe missing", removeFile(""), "Unable to load qev.exe", Reached::Nothing},
        {"exe empty", resize("", 0), "Unable to load qev.exe", Reached::Nothing},
        {"exe one byte short", resize("", exeLength - 1), "Not correct executable file version.", Reached::Nothing},
        {"exe one byte long", resize("", exeLength + 1), "Not correct executable file version.", Reached::Nothing},
        {"obdata missing", removeFile("GEODATA/OBDATA.DAT"), "Unable to load obdata.dat", Reached::Exe},
        {"obdata empty", resize("GEODATA/OBDATA.DAT", 0), "Unable to load obdata.dat", Reached::Exe},
        {"obdata 4319", resize("GEODATA/OBDATA.DAT", 4319), "The file obdata.dat is not the right size", Reached::Exe},
        {"obdata 4321", resize("GEODATA/OBDATA.DAT", 4321), "The file obdata.dat is not the right size", Reached::Exe},
        {"obdata is a folder",
         [](const SampleGameDir& game) {
             stdfs::remove(game.path("GEODATA/OBDATA.DAT"));
             stdfs::create_directory(game.path("GEODATA/OBDATA.DAT"));
         },
         "", Reached::Exe},
        {"english missing", removeFile("GEODATA/ENGLISH.DAT"), "Unable to load english.dat", Reached::Obdata},
        {"english empty", resize("GEODATA/ENGLISH.DAT", 0), "Unable to load english.dat", Reached::Obdata},
        {"english2 missing", removeFile("GEODATA/ENGLISH2.DAT"), "Unable to load english2.dat", Reached::English},
        {"english2 empty", resize("GEODATA/ENGLISH2.DAT", 0), "Unable to load english2.dat", Reached::English},
    };

    // Every failing load starts from a complete load of another edition, so what changed shows.
    SampleGameDir earlierGame(GameEdition::Dos14);
    RealFileSystem fs;
    const GameFileSet earlier = loadComplete(fs, earlierGame.exePath);

    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.name);
        SampleGameDir game(GameEdition::Collectors);
        row.spoil(game);
        GameFileSet files = earlier;
        LoadRun run;
        runLoad(run, files, game.exePath);

        EXPECT_EQ(run.result, LoadResult::Failed);
        EXPECT_TRUE(run.progress.finished);
        // A refused executable leaves the earlier set whole, and still fit to be saved.
        EXPECT_EQ(files.complete, row.reached == Reached::Nothing);
        const auto reached = static_cast<std::ptrdiff_t>(row.reached);
        EXPECT_EQ(run.progress.pieces, std::vector<std::string>(AllPieces.begin(), AllPieces.begin() + 1 + 2 * reached));
        EXPECT_EQ(run.progress.step, row.expectedStep.empty() ? "Go back a directory if DOS" : row.expectedStep);

        if (row.reached == Reached::Nothing) {
            EXPECT_EQ(files.exePath, earlier.exePath);
            EXPECT_EQ(files.edition, earlier.edition);
            EXPECT_EQ(files.gameDirectory, earlier.gameDirectory);
            EXPECT_EQ(run.progress.events.size(), 3U); // begin, the report, finish
            for (const FileId id : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) {
                EXPECT_TRUE(sameFile(files.file(id), earlier.file(id)));
            }
            continue;
        }
        EXPECT_EQ(files.exePath, game.exePath);
        EXPECT_EQ(files.edition, GameEdition::Collectors);
        EXPECT_EQ(files.gameDirectory, folderOf(game.exePath));
        EXPECT_EQ(files.image(FileId::Exe), readFileBytes(game.exePath));
        const std::vector<std::pair<FileId, Reached>> dataFiles{
            {FileId::Obdata, Reached::Obdata}, {FileId::English, Reached::English}, {FileId::English2, Reached::Everything}};
        for (const auto& [id, readBy] : dataFiles) {
            if (row.reached >= readBy) {
                EXPECT_EQ(files.file(id).diskPath.rfind(game.dir.str(), 0), 0U) << static_cast<int>(id);
            } else {
                EXPECT_TRUE(sameFile(files.file(id), earlier.file(id))) << static_cast<int>(id);
            }
        }
    }
}

TEST(LoadCancel, leavesTheProgressLineAtTheFirstPieceAndTheSetUntouched)
{
    SampleGameDir game(GameEdition::Collectors);
    RealFileSystem fs;
    const GameFileSet earlier = loadComplete(fs, game.exePath);
    GameFileSet files = earlier;
    LoadRun run;
    runLoad(run, files, std::nullopt);

    EXPECT_EQ(run.result, LoadResult::Cancelled);
    EXPECT_EQ(run.progress.line, "QEV.EXE...  ");
    EXPECT_EQ(run.progress.step, "");
    EXPECT_EQ(run.progress.events, (std::vector<std::string>{"begin", "finish"}));
    EXPECT_TRUE(files.complete);
    EXPECT_EQ(files.exePath, earlier.exePath);
    for (const FileId id : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) {
        EXPECT_TRUE(sameFile(files.file(id), earlier.file(id)));
    }
}

// GEODATA is looked for beside a Collector's Edition executable and one folder up from a DOS one,
// so the same folder found in the other place is not found.
TEST(LoadGameFolder, dependsOnTheEdition)
{
    SampleGameDir dos(GameEdition::Dos12);
    stdfs::rename(dos.path("GEODATA"), dos.path("QEVEXE/GEODATA"));
    GameFileSet files;
    LoadRun dosRun;
    runLoad(dosRun, files, dos.exePath);
    EXPECT_EQ(dosRun.progress.step, "Unable to load obdata.dat");

    SampleGameDir collectors(GameEdition::Collectors);
    stdfs::create_directory(collectors.path("GAME"));
    stdfs::rename(collectors.exePath, collectors.path("GAME/QEV.EXE"));
    LoadRun collectorsRun;
    runLoad(collectorsRun, files, collectors.path("GAME/QEV.EXE"));
    EXPECT_EQ(collectorsRun.progress.step, "Unable to load obdata.dat");
}

TEST(LoadChosenName, keepsThePathAsChosenAndReadsTheFileOnDisk)
{
    SampleGameDir game(GameEdition::Collectors);
    const std::string typed = game.path("qev.exe");
    GameFileSet files;
    LoadRun run;
    runLoad(run, files, typed);
    ASSERT_EQ(run.result, LoadResult::Complete) << run.progress.step;
    EXPECT_EQ(files.exePath, typed);
    EXPECT_EQ(files.file(FileId::Exe).diskPath, game.exePath);
}

} // namespace
} // namespace orvane::test
