// Two loads of four game files of any kind, then Save and Make Master Backup; only a whole set is written.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>

#include "FuzzCheck.h"
#include "FuzzPrompts.h"
#include "MemoryFileSystem.h"
#include "files/GameSaver.h"
#include "session/EditorSession.h"

using namespace orvane;
using namespace orvane::fuzz;

namespace {

struct GameFile {
    FileId id;
    const char* key;
    std::array<std::uint64_t, 4> notableLengths;
};

// In the order the load reads them.
constexpr std::array<GameFile, 4> GameFiles{{
    {FileId::Exe, "game.exe", {CollectorsExeLength, Dos12ExeLength, Dos14ExeLength, CollectorsExeLength - 1}},
    {FileId::Obdata, "obdata.dat", {ObdataLength, ObdataLength - 1, ObdataLength + 1, 0}},
    {FileId::English, "english.dat", {1, 0, 70000, 1ull << 40}},
    {FileId::English2, "english2.dat", {1, 0, 70000, 1ull << 40}},
}};

class StepLine : public LoadProgress {
public:
    std::string text;
    int finished = 0;
    void begin() override { text.clear(); }
    void append(const std::string&) override {}
    void report(const std::string& step) override { text = step; }
    void finish() override { ++finished; }
};

MemoryEntry entryFrom(FuzzedDataProvider& input, const GameFile& file)
{
    MemoryEntry entry;
    entry.kind = static_cast<EntryKind>(input.ConsumeIntegralInRange<int>(0, 3));
    entry.length = input.ConsumeBool() ? file.notableLengths[input.ConsumeIntegralInRange<std::size_t>(0, 3)]
                                       : input.ConsumeIntegralInRange<std::uint64_t>(0, 9000);
    entry.fill = input.ConsumeIntegral<std::uint8_t>();
    return entry;
}

// What the load must report when it stops at this file, or nothing when the file is taken.
std::optional<std::string> refusal(const GameFile& file, const MemoryEntry& entry, const std::string& stepSoFar)
{
    const bool isExe = file.id == FileId::Exe;
    if (entry.kind == EntryKind::Folder) return stepSoFar;
    if (entry.kind == EntryKind::Missing || entry.length == 0)
        return isExe ? std::string("Unable to load qev.exe") : "Unable to load " + std::string(file.key);
    if (isExe && editionForExeLength(entry.length) == GameEdition::None) return "Not correct executable file version.";
    if (file.id == FileId::Obdata && entry.length != ObdataLength) return "The file obdata.dat is not the right size";
    if (entry.kind == EntryKind::GrowingFile || entry.length > MemoryFileSystem::ReadableLength) return stepSoFar;
    return std::nullopt;
}

// The file a write goes to, by the key of the game file it copies ("qev.exe(master).bak" -> "qev.exe").
std::string sourceKey(std::string key)
{
    for (const std::string suffix : {"(master).bak", ".bak"}) {
        if (key.size() > suffix.size() && key.ends_with(suffix)) {
            key.resize(key.size() - suffix.size());
            if (key.find('.') == std::string::npos) key += ".dat";
            break;
        }
    }
    return key;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    MemoryFileSystem fs;
    FuzzPrompts prompts;
    prompts.fileToOpen = "/game/sub/GAME.EXE";
    EditorSession session(fs, prompts);

    for (int load = 0; load < 2; ++load) {
        for (const GameFile& file : GameFiles) fs.entries[file.key] = entryFrom(input, file);
        const GameEdition editionBefore = session.files().edition;
        const bool completeBefore = session.files().complete;
        // The executable's image as it stands: its buffer, which a load that takes a file replaces.
        const std::uint8_t* exeBufferBefore = session.files().image(FileId::Exe).data();
        const std::size_t exeSizeBefore = session.files().image(FileId::Exe).size();
        StepLine progress;
        const LoadResult result = session.loadFiles(progress, {});
        FUZZ_CHECK(progress.finished == 1);

        // Where the load had to stop, and what it had to say.
        std::string expectedStep;
        std::size_t taken = 0;
        for (const GameFile& file : GameFiles) {
            if (const auto refused = refusal(file, fs.entries[file.key], expectedStep)) {
                expectedStep = *refused;
                break;
            }
            ++taken;
            expectedStep = "Go back a directory if DOS";
        }
        if (taken == GameFiles.size()) expectedStep = "All files loaded successfully!";
        FUZZ_CHECK(progress.text == expectedStep);
        FUZZ_CHECK((result == LoadResult::Complete) == (taken == GameFiles.size()));

        const GameFileSet& files = session.files();
        for (std::size_t i = 0; i < taken; ++i) {
            const LoadedFile& loaded = files.file(GameFiles[i].id);
            FUZZ_CHECK(loaded.loaded && fs.entries[GameFiles[i].key].heldBy(loaded.asRead) &&
                       loaded.image == loaded.asRead);
        }
        if (taken == 0) { // a refused executable changes nothing of the set
            FUZZ_CHECK(files.edition == editionBefore && files.complete == completeBefore);
            FUZZ_CHECK(files.image(FileId::Exe).data() == exeBufferBefore &&
                       files.image(FileId::Exe).size() == exeSizeBefore);
        } else {
            FUZZ_CHECK(files.edition == editionForExeLength(fs.entries["game.exe"].length));
            FUZZ_CHECK(files.complete == (result == LoadResult::Complete));
        }

        // Only a complete set is written, and every file gets the image (or as-read copy) of the file it names.
        const std::size_t writesBefore = fs.writes;
        prompts.messageTitles.clear();
        session.save();
        session.makeMasterBackup();
        // A complete set may still be refused when its files on disk changed since (a later refused load).
        FUZZ_CHECK(files.complete || fs.writes == writesBefore);
        const bool savedMessage = !prompts.messageTitles.empty() && prompts.messageTitles.front() == "Files saved.";
        FUZZ_CHECK(!savedMessage || (files.complete && fs.writes - writesBefore >= 8));
        for (const auto& [key, bytes] : fs.written) {
            if (key == ".orvane-journal") continue; // the write's own journal, which names the files
            const std::string source = sourceKey(key);
            const auto* game = std::find_if(GameFiles.begin(), GameFiles.end(),
                                            [&](const GameFile& file) { return source == file.key; });
            FUZZ_CHECK(game != GameFiles.end());
            const LoadedFile& loaded = files.file(game->id);
            FUZZ_CHECK(bytes == (key == source ? &loaded.image : &loaded.asRead));
        }
        fs.written.clear();
    }
    return 0;
}
