#include "editors/EditField.h"
#include "support/PageTest.h"

namespace orvane::editors {
namespace {

using namespace test;

const FieldLayout Word{"Amount:", 0, 2, FieldEncoding::Unsigned, WordEntry};

struct LoadedGame {
    LoadedGame() : game(GameEdition::Collectors) { game.load(); }

    Changes edit(std::size_t at, const Answers& answers, bool expectWritten)
    {
        const Changes changed =
            game.answerEdit(answers, [&] { EXPECT_EQ(editWord(game.session, at, Word), expectWritten); });
        EXPECT_EQ(game.prompts.shown().size(), answers.size());
        return changed;
    }

    SampleSession game;
};

// Low byte first, commas dropped, limit on the number as typed; Cancel or empty writes nothing.
TEST(EditWord, writesAnAmountUpTo28671AtTheOffsetGivenOrNothingAndAsksNothingOutsideTheImage)
{
    const struct {
        Answers answers;
        std::optional<std::pair<std::uint8_t, std::uint8_t>> stored; // low, high; nothing: no write
    } cases[] = {{{"28,671"}, {{0xFF, 0x6F}}},
                 {{"30,000", "28672", "28671.4", "1,000"}, {{0xE8, 0x03}}},
                 {{"1,,5,00"}, {{0xDC, 0x05}}},
                 {{"&H1F4"}, {{0xF4, 0x01}}},
                 {{"  2.5 "}, {{0x02, 0x00}}},
                 {{"28670.5"}, {{0xFE, 0x6F}}},
                 {{Cancel}, {}},
                 {{""}, {}},
                 {{"12abc", Cancel}, {}},
                 {{" ", ""}, {}},
                 {{"-5", Cancel}, {}},
                 {{"-0.6", Cancel}, {}},
                 {{"&H", Cancel}, {}},
                 {{"1e999", Cancel}, {}},
                 {{"abc", Cancel}, {}}};
    for (const std::size_t low : {std::size_t{455208}, std::size_t{4001}}) {
        const std::size_t high = low + 1;
        LoadedGame loaded;
        ByteImage& exe = loaded.game.exe();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.answers.front().value_or("Cancel"));
            exe.at(low) = 0xAB;
            exe.at(high) = 0xAA;
            const ByteImage before = exe;
            EXPECT_EQ(loaded.edit(low, c.answers, c.stored.has_value()),
                      (c.stored ? Changes{{low, c.stored->first}, {high, c.stored->second}} : Changes{}));
            expectBoxes(loaded.game.prompts, "Change Amount", WordPrompt, "43691");
            EXPECT_EQ(loaded.game.session.undoCount(), c.stored ? 1u : 0u);
            loaded.game.session.undo();
            EXPECT_EQ(exe, before);
        }
    }

    // Positions outside the image, or an image not loaded, ask nothing (a box would come unanswered).
    LoadedGame loaded;
    const std::size_t size = loaded.game.exe().size();
    EXPECT_EQ(loaded.edit(size - 1, {}, false), Changes{});
    EXPECT_EQ(loaded.edit(size, {}, false), Changes{});

    SampleSession unloaded(GameEdition::Dos14);
    EXPECT_FALSE(editWord(unloaded.session, 0, Word));
}

} // namespace
} // namespace orvane::editors
