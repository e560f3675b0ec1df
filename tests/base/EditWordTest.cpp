#include "base/EditWord.h"
#include "support/PageTest.h"

namespace orvane::base {
namespace {

using namespace test;

struct LoadedGame {
    LoadedGame() : game(GameEdition::Collectors) { game.load(); }

    Changes edit(std::size_t high, std::size_t low, const Answers& answers, bool expectWritten)
    {
        const Changes changed =
            game.answerEdit(answers, [&] { EXPECT_EQ(editWord(game.session, high, low), expectWritten); });
        EXPECT_EQ(game.prompts.shown().size(), answers.size());
        return changed;
    }

    SampleSession game;
};

// Low byte first at the lower offset, and the reverse order when the caller gives high below low;
// commas are dropped before reading, and the limit holds on the number as typed.
TEST(EditWord, WritesTheAmountAtTheTwoPositionsGiven)
{
    const struct {
        Answers answers;
        std::uint8_t low;
        std::uint8_t high;
    } cases[] = {
        {{"28,671"}, 0xFF, 0x6F},       {{"30,000", "28672", "28671.4", "1,000"}, 0xE8, 0x03},
        {{"1,,5,00"}, 0xDC, 0x05},      {{"&H1F4"}, 0xF4, 0x01},
        {{"  2.5 "}, 0x02, 0x00},       {{"28670.5"}, 0xFE, 0x6F},
    };
    for (const auto& [high, low] : std::vector<std::pair<std::size_t, std::size_t>>{{455209, 455208}, {100, 4001}}) {
        LoadedGame loaded;
        for (const auto& c : cases) {
            SCOPED_TRACE(*c.answers.back());
            const ByteImage before = loaded.game.exe();
            const std::string shownBefore = std::to_string(before.at(low) + 256 * before.at(high));
            const std::size_t snapshots = loaded.game.session.undoCount();
            const Changes changed = loaded.edit(high, low, c.answers, true);
            // Only the two positions may change; one of them may already hold its new byte.
            Changes expected;
            if (before.at(low) != c.low) expected[low] = c.low;
            if (before.at(high) != c.high) expected[high] = c.high;
            EXPECT_EQ(changed, expected);
            EXPECT_EQ(loaded.game.exe().at(low), c.low);
            EXPECT_EQ(loaded.game.exe().at(high), c.high);
            EXPECT_EQ(loaded.game.session.undoCount(), std::min<std::size_t>(snapshots + 1, 5));
            expectBoxes(loaded.game.prompts, "Change Amount", WordPrompt, shownBefore);
        }
    }
}

// Cancel, an empty answer, and an answer that cannot be a two-byte amount: nothing is written
// and no snapshot is taken; a refused answer brings the same box back.
TEST(EditWord, RefusedOrCancelledAnswersChangeNothing)
{
    LoadedGame loaded;
    loaded.game.exe().at(5000) = 0x34;
    loaded.game.exe().at(5001) = 0x12;
    const Answers refusedThenCancelled[] = {
        {Cancel}, {""}, {"12abc", Cancel}, {" ", ""}, {"-5", Cancel}, {"-0.6", Cancel}, {"&H", Cancel},
        {"1e999", Cancel}, {"abc", Cancel}, {"30,000", "28,672", Cancel},
    };
    for (const auto& answers : refusedThenCancelled) {
        SCOPED_TRACE(answers.front().value_or("Cancel"));
        EXPECT_EQ(loaded.edit(5001, 5000, answers, false), Changes{});
        expectBoxes(loaded.game.prompts, "Change Amount", WordPrompt, "4660");
    }
    EXPECT_EQ(loaded.game.session.undoCount(), 0u);
    EXPECT_FALSE(loaded.game.session.saveAvailable());
}

// One Undo takes back both bytes; positions outside the image or an image not loaded ask nothing.
TEST(EditWord, UndoRestoresBothBytesAndOutsideTheImageNothingIsAsked)
{
    LoadedGame loaded;
    const ByteImage before = loaded.game.exe();
    loaded.edit(301, 300, {"513"}, true);
    EXPECT_TRUE(loaded.game.session.saveAvailable());
    loaded.game.session.undo();
    EXPECT_EQ(loaded.game.exe(), before);

    const std::size_t size = before.size();
    EXPECT_EQ(loaded.edit(size, size - 1, {}, false), Changes{});
    EXPECT_EQ(loaded.edit(0, size, {}, false), Changes{});

    SampleSession unloaded(GameEdition::Dos14);
    EXPECT_FALSE(editWord(unloaded.session, 1, 0));
    EXPECT_TRUE(unloaded.prompts.shown().empty());
}

} // namespace
} // namespace orvane::base
