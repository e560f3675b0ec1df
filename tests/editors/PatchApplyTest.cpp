// Apply Patch File: one patch gives the same values on every edition; a bad file changes nothing.
#include <algorithm>

#include "changes/RecordTables.h"
#include "editors/PatchApply.h"
#include "files/PatchFile.h"
#include "files/PatchLayout.h"
#include "support/PageTest.h"
#include "support/TypedGame.h"

namespace orvane {
namespace {

// Every field of every page's table, as the page shows it.
std::vector<std::string> fieldValues(const GameFileSet& files)
{
    std::vector<std::string> values;
    for (const auto& table : changes::recordTables(files.edition)) {
        const ByteImage& image = files.image(table.file);
        for (std::size_t record = 0; record < table.count; ++record) {
            const std::size_t start = table.start + table.recordSize * record;
            for (const auto& field : table.fields) values.push_back(showField(image, start, record, field));
        }
    }
    return values;
}

struct PatchTarget {
    explicit PatchTarget(GameEdition edition) : game(edition) { game.load(); }

    // Writes the patch next to the game and applies it through the File menu's command.
    void apply(const ByteImage& patch)
    {
        const std::string path = (game.dir.path() / "changes.qev").string();
        test::writeFileBytes(path, patch);
        game.prompts.answerFile(path);
        applyPatchFile(game.session);
        EXPECT_EQ(game.prompts.lastFilter.pattern, "*.qev");
    }

    std::array<ByteImage, 4> images() const { return test::imagesOf(game.session.files()); }

    test::SampleSession game;
};

TEST(PatchApply, aPatchWrittenOnOneEditionGivesTheSameValuesOnEveryEditionAsOneUndoPerFile)
{
    for (const GameEdition source : test::AllEditions) {
        // A value of every kind typed on its page, and a string of another length.
        const test::TypedGame typed(source, test::ValueSet::Second, std::nullopt);
        const ByteImage patch = buildPatchFile(typed.files()).value();
        const auto expected = fieldValues(typed.files());
        const auto written = test::imagesOf(typed.files());

        for (const GameEdition edition : test::AllEditions) {
            SCOPED_TRACE(editionName(source) + " onto " + editionName(edition));
            PatchTarget target(edition);
            const auto loaded = target.images();
            target.apply(patch);
            const GameFileSet& files = target.game.session.files();
            EXPECT_TRUE(target.game.prompts.messages().empty());
            EXPECT_EQ(fieldValues(files), expected);
            const auto images = target.images();
            EXPECT_EQ(std::vector(images.begin() + 1, images.end()), std::vector(written.begin() + 1, written.end()))
                << "the data files are the patch's";
            // Only the regions of the patch were written into the executable.
            for (const auto& [offset, byte] : test::changedBytes(loaded[0], files.image(FileId::Exe))) {
                const bool inRegion =
                    std::any_of(PatchExeRegions.begin(), PatchExeRegions.end(), [&, at = offset](const ExeRegion& r) {
                        const std::size_t start = *r.start.in(edition);
                        return at >= start && at < start + r.length;
                    });
                EXPECT_TRUE(inRegion) << "offset " << offset;
            }

            // The executable, ENGLISH.DAT and OBDATA.DAT changed: three snapshots, undone in turn.
            EXPECT_EQ(target.game.session.undoCount(), 3u);
            for (int undo = 0; undo < 3; ++undo) target.game.session.undo();
            EXPECT_EQ(target.images(), loaded);
        }
    }
}

TEST(PatchApply, filesThatAreNotWellFormedPatchesAreRefusedWithTheirReasonAndChangeNothing)
{
    PatchTarget target(GameEdition::Dos14);
    const ByteImage good = buildPatchFile(target.game.session.files()).value();
    const auto loaded = target.images();

    ByteImage badFirstByte = good;
    badFirstByte.front() = 0x02;
    ByteImage noMarker = good;
    const auto marker =
        std::search(noMarker.begin() + PatchEnglishStart, noMarker.end(), EndOfEnglish.begin(), EndOfEnglish.end());
    ASSERT_NE(marker, noMarker.end());
    std::fill_n(marker, EndOfEnglish.size(), std::uint8_t{0xFE});
    const ByteImage shortObdata(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(PatchObdataStart + 4'000));
    const ByteImage tooShort(good.begin(), good.begin() + 100);

    const struct {
        const char* what;
        ByteImage bytes;
        std::string reason;
    } cases[] = {
        {"empty", {}, "too short to be a patch file: it holds 0 bytes"},
        {"too short", tooShort,
         "too short to be a patch file: it holds 100 bytes, and a patch file holds at least 8909"},
        {"bad first byte", badFirstByte, "does not begin with the byte 1"},
        {"no marker", noMarker, "no marker of three bytes 255"},
        {"wrong OBDATA length", shortObdata, "ends inside its copy of OBDATA.DAT: it holds 4000 of its 4320 bytes"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.what);
        target.game.prompts.clearShown();
        target.apply(bad.bytes);
        test::expectOneMessage(target.game.prompts, "Patch not applied", bad.reason);
        EXPECT_EQ(target.images(), loaded);
        EXPECT_EQ(target.game.session.undoCount(), 0u);
        EXPECT_FALSE(target.game.session.saveAvailable());
    }
}

TEST(PatchApply, whenTheStringFilesCanBeSplitInMoreThanOneWayTheUserChooses)
{
    PatchTarget written(GameEdition::Collectors);
    ByteImage& english = written.game.session.image(FileId::English);
    const ByteImage marked{'A', 0xFF, 0xFF, 0xFF, 'B', 0};
    english.insert(english.end(), marked.begin(), marked.end());
    const ByteImage patch = buildPatchFile(written.game.session.files()).value();
    const ByteImage wanted = english;

    PatchTarget target(GameEdition::Dos12);
    const auto loaded = target.images();
    // No to every split: nothing changes.
    target.game.prompts.answerNo().answerNo();
    target.apply(patch);
    EXPECT_EQ(target.images(), loaded);
    test::expectOneMessage(target.game.prompts, "Patch not applied", "No split");

    // The first place offered is the shorter ENGLISH.DAT; No to it, Yes to the real end.
    target.game.prompts.clearShown();
    target.game.prompts.answerNo().answerYes();
    target.apply(patch);
    EXPECT_TRUE(target.game.prompts.scriptUsed());
    EXPECT_EQ(target.game.session.image(FileId::English), wanted);
    EXPECT_EQ(target.game.session.image(FileId::English2), written.game.session.image(FileId::English2));
    std::vector<test::ShownBox> questions;
    for (const auto& box : target.game.prompts.shown())
        if (box.kind == "yesno") questions.push_back(box);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[1].text.find("Is ENGLISH.DAT " + std::to_string(wanted.size()) + " bytes long"),
              std::string::npos)
        << questions[1].text;
}

} // namespace
} // namespace orvane
