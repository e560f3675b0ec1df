#include <filesystem>

#include "files/GameLoader.h"
#include "files/GamePaths.h"
#include "support/SampleSession.h"

namespace orvane::test {
namespace {

const std::vector<std::string> AllPieces{"QEV.EXE...  ",     "DONE!    ", "OBDATA.DAT...  ",   "DONE!    ",
                                         "ENGLISH.DAT...  ", "DONE!    ", "ENGLISH2.DAT...  ", "DONE!    "};

// One load: the progress window's lines and, in one sequence, its calls and the main window's.
struct LoadRun : LoadProgress {
    LoadRun(GameFileSet& files, std::optional<std::string> chosen)
    {
        RealFileSystem fs;
        prompts.answerFile(std::move(chosen));
        const auto note = [this](const char* event) { return [this, event] { events.emplace_back(event); }; };
        const LoadCalls calls{[this](GameEdition e) { events.push_back("edition " + editionName(e)); },
                              note("enableAll"),
                              {{"UpdateItemsList", note("updateItemsList")}, {"Update Base", note("updateBase")}},
                              [this](FileId id) { events.push_back("read " + std::to_string(static_cast<int>(id))); },
                              [this](FileId id, const std::string& reason) {
                                  stopped = std::to_string(static_cast<int>(id)) + ":" + reason;
                              },
                              {}};
        result = loadGameFiles(files, fs, prompts, *this, calls);
    }
    void begin() override { events.emplace_back("begin"); }
    void append(const std::string& piece) override { pieces.push_back(piece); }
    void report(const std::string& text) override
    {
        step = text;
        events.push_back("report " + text);
    }
    void finish() override { events.emplace_back("finish"); }

    ScriptedPrompts prompts;
    LoadResult result = LoadResult::Cancelled;
    std::string step;
    std::string stopped; // the file the load stopped at, and its reason
    std::vector<std::string> pieces;
    std::vector<std::string> events;
};

class LoadEveryEdition : public ::testing::TestWithParam<GameEdition> {};

TEST_P(LoadEveryEdition, readsTheFourFilesAndReportsEachStep)
{
    const GameEdition edition = GetParam();
    SampleSession game(edition);
    // The name as a user might type it; the sample's names on disk are upper case.
    const std::string exeFolder = folderOf(game.exePath);
    const std::string typed = exeFolder + (isDosEdition(edition) ? "/geoscape.exe" : "/qev.exe");
    GameFileSet files;
    const LoadRun run(files, typed);

    ASSERT_EQ(run.result, LoadResult::Complete) << run.step;
    EXPECT_EQ(run.prompts.lastFilter.description, "QEV Executable (qev.exe)");
    EXPECT_EQ(run.prompts.lastFilter.pattern, "*.exe");
    EXPECT_EQ(run.pieces, AllPieces);
    EXPECT_EQ(run.events,
              (std::vector<std::string>{"begin", "read 1", "edition " + editionName(edition), "report Enabling All",
                                        "enableAll", "report UpdateItemsList", "updateItemsList", "report Update Base",
                                        "updateBase", "report Go back a directory if DOS", "read 4", "read 2", "read 3",
                                        "report All files loaded successfully!", "finish"}));

    EXPECT_EQ(files.edition, edition);
    EXPECT_EQ(files.exePath, typed);
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(files.gameDirectory, isDosEdition(edition) ? exeFolder + separator + ".." : exeFolder);
    EXPECT_TRUE(files.complete);
    const std::string data = files.gameDirectory + separator + "GEODATA" + separator;
    const std::string exeOnDisk = exeFolder + (isDosEdition(edition) ? "/GEOSCAPE.EXE" : "/QEV.EXE");
    const std::map<FileId, std::string> expectedDisk{{FileId::Exe, exeOnDisk},
                                                     {FileId::Obdata, data + "OBDATA.DAT"},
                                                     {FileId::English, data + "ENGLISH.DAT"},
                                                     {FileId::English2, data + "ENGLISH2.DAT"}};
    for (const auto& [id, diskPath] : expectedDisk) {
        EXPECT_EQ(files.file(id).diskPath, diskPath);
        EXPECT_TRUE(files.file(id).loaded);
        EXPECT_EQ(files.file(id).asRead, readFileBytes(diskPath)) << diskPath;
        EXPECT_EQ(files.image(id), files.file(id).asRead) << diskPath;
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, LoadEveryEdition, ::testing::ValuesIn(AllEditions),
                         [](const auto& testCase) { return test::editionCaseName(testCase.param); });

enum class Spoil { Cancel, Remove, Resize, Folder };

// filesRead: how many of the new files the set holds afterwards.
struct FailureRow {
    std::string file;
    Spoil spoil;
    std::size_t length;
    std::string step;
    int filesRead;
};

TEST(LoadFailures, eachFailureReportsItsTextAndKeepsWhatCameBefore)
{
    const std::vector<FailureRow> rows{
        {"QEV.EXE", Spoil::Cancel, 0, "", 0},
        {"QEV.EXE", Spoil::Remove, 0, "Unable to load qev.exe", 0},
        {"QEV.EXE", Spoil::Resize, 0, "Unable to load qev.exe", 0},
        {"QEV.EXE", Spoil::Resize, CollectorsExeLength - 1, "Not correct executable file version.", 0},
        {"QEV.EXE", Spoil::Resize, CollectorsExeLength + 1, "Not correct executable file version.", 0},
        {"GEODATA/OBDATA.DAT", Spoil::Remove, 0, "Unable to load obdata.dat", 1},
        {"GEODATA/OBDATA.DAT", Spoil::Resize, 0, "Unable to load obdata.dat", 1},
        {"GEODATA/OBDATA.DAT", Spoil::Resize, 4319, "The file obdata.dat is not the right size", 1},
        {"GEODATA/OBDATA.DAT", Spoil::Resize, 4321, "The file obdata.dat is not the right size", 1},
        {"GEODATA/OBDATA.DAT", Spoil::Folder, 0, "Go back a directory if DOS", 1},
        {"GEODATA/ENGLISH.DAT", Spoil::Remove, 0, "Unable to load english.dat", 2},
        {"GEODATA/ENGLISH.DAT", Spoil::Resize, 0, "Unable to load english.dat", 2},
        {"GEODATA/ENGLISH2.DAT", Spoil::Remove, 0, "Unable to load english2.dat", 3},
        {"GEODATA/ENGLISH2.DAT", Spoil::Resize, 0, "Unable to load english2.dat", 3},
    };
    // Every failing load starts from a complete load of another edition, so what changed shows.
    SampleSession earlierGame(GameEdition::Dos14);
    earlierGame.load();
    const GameFileSet& earlier = earlierGame.session.files();

    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.file + " " + std::to_string(static_cast<int>(row.spoil)) + " " + std::to_string(row.length));
        SampleSession game(GameEdition::Collectors);
        const std::string path = (game.dir.path() / row.file).string();
        if (row.spoil == Spoil::Resize) std::filesystem::resize_file(path, row.length);
        if (row.spoil == Spoil::Remove || row.spoil == Spoil::Folder) std::filesystem::remove(path);
        if (row.spoil == Spoil::Folder) std::filesystem::create_directory(path);
        GameFileSet files = earlier;
        const LoadRun run(files, row.spoil == Spoil::Cancel ? std::nullopt : std::optional(game.exePath));

        EXPECT_EQ(run.result, row.spoil == Spoil::Cancel ? LoadResult::Cancelled : LoadResult::Failed);
        EXPECT_EQ(run.events.back(), "finish");
        EXPECT_EQ(run.step, row.step);
        const int stoppedAt[] = {1, 4, 2, 3}; // the FileIds in the order they are read
        const std::string reason = row.spoil == Spoil::Folder ? "" : row.step;
        EXPECT_EQ(run.stopped,
                  row.spoil == Spoil::Cancel ? "" : std::to_string(stoppedAt[row.filesRead]) + ":" + reason);
        EXPECT_EQ(run.pieces, std::vector<std::string>(AllPieces.begin(), AllPieces.begin() + 1 + 2 * row.filesRead));
        EXPECT_EQ(run.events.size() <= 3, row.filesRead == 0); // a refused executable calls no page routine
        // A refused executable leaves the earlier set whole, and still fit to be saved.
        const bool exeRefused = row.filesRead == 0;
        EXPECT_EQ(files.complete, exeRefused);
        EXPECT_EQ(files.exePath, exeRefused ? earlier.exePath : game.exePath);
        EXPECT_EQ(files.edition, exeRefused ? earlier.edition : GameEdition::Collectors);
        EXPECT_EQ(files.gameDirectory, exeRefused ? earlier.gameDirectory : game.dir.str());
        int readOrder = 0;
        for (const FileId id : {FileId::Exe, FileId::Obdata, FileId::English, FileId::English2}) {
            const LoadedFile& file = files.file(id);
            const bool fromNewGame = file.diskPath.rfind(game.dir.str(), 0) == 0;
            EXPECT_EQ(fromNewGame, readOrder++ < row.filesRead) << file.diskPath;
            EXPECT_EQ(file.image, fromNewGame ? readFileBytes(file.diskPath) : earlier.file(id).image) << file.diskPath;
            EXPECT_EQ(file.asRead, fromNewGame ? file.image : earlier.file(id).asRead) << file.diskPath;
        }
    }
}

TEST(RealFileSystemResolve, keepsWhatCannotBeMatched)
{
    SampleSession game(GameEdition::Dos12);
    const std::string root = game.dir.str();
    const std::vector<std::pair<std::string, std::string>> rows{
        {"/qevexe/../geodata/obdata.dat", "/QEVEXE/../GEODATA/OBDATA.DAT"}, // ".." kept as it stands
        {"/./geodata/english.bak", "/./GEODATA/english.bak"},               // a new file keeps its name
        {"/nothing/obdata.dat", "/nothing/obdata.dat"},                     // nothing below a missing folder
    };
    for (const auto& [asked, onDisk] : rows) EXPECT_EQ(game.fs.resolve(root + asked), root + onDisk) << asked;
}

} // namespace
} // namespace orvane::test
